// The screen layer: shapes drawn on the screen device context, toggled by the inverting
// raster modes, and shown by a frameless, input-transparent, always-on-top widget whose mask
// is exactly the shapes' pixels (so it needs no compositing window manager).

#include <QApplication>
#include <QBitmap>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "host/qt/DeviceContext_p.h"
#include "host/qt/ScreenLayer_p.h"

namespace {

/// Shows the rendered shapes; the mask leaves everything else to the windows beneath.
class TScreenLayerWidget : public QWidget {
public:
    TScreenLayerWidget()
        // A tool-tip window: no platform makes it the active window when it is shown, so
        // drawing a frame never takes the activation (or the mouse) from the application.
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                               Qt::BypassWindowManagerHint | Qt::NoDropShadowWindowHint) {
        setObjectName(QStringLiteral("zkScreenLayer"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // Frames left on the screen must not keep the application from quitting.
        setAttribute(Qt::WA_QuitOnClose, false);
        setFocusPolicy(Qt::NoFocus);
    }
    QImage Picture;
    QRegion Shown; // screen coordinates

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, Picture);
    }
};

std::vector<TScreenShape>& Shapes() {
    static std::vector<TScreenShape> shapes;
    return shapes;
}

QPointer<TScreenLayerWidget>& Layer() {
    static QPointer<TScreenLayerWidget> layer;
    return layer;
}

bool gPostRoutineAdded = false;

void DestroyLayer() {
    delete Layer().data();
    Layer() = nullptr;
}

void OnApplicationGone() {
    DestroyLayer();
    gPostRoutineAdded = false;
}

bool Inverting(int rop2) {
    return rop2 == R2_XORPEN || rop2 == R2_NOT || rop2 == R2_NOTXORPEN;
}

// What an inverting shape looks like over an ordinary window background.
QColor DisplayColor(const QColor& c, int rop2) {
    const QColor face = ColorRefToQColor(GetSysColor(15));
    switch (rop2) {
    case R2_XORPEN:
        return QColor::fromRgb((c.rgb() ^ face.rgb()) | 0xFF000000);
    case R2_NOTXORPEN:
        return QColor::fromRgb(~(c.rgb() ^ face.rgb()) | 0xFF000000);
    case R2_NOT:
        return QColor::fromRgb(~face.rgb() | 0xFF000000);
    default:
        return c;
    }
}

void PaintShape(QPainter& p, const TScreenShape& s) {
    QPen pen = s.Pen;
    pen.setColor(DisplayColor(pen.color(), s.Rop2));
    QBrush brush = s.Brush;
    if (brush.style() != Qt::NoBrush) brush.setColor(DisplayColor(brush.color(), s.Rop2));
    if (s.HasClip)
        p.setClipRegion(s.Clip);
    else
        p.setClipping(false);
    switch (s.Kind) {
    case TScreenShape::Frame:
        PaintRectangle(p, s.Rect, pen, brush);
        break;
    case TScreenShape::Fill:
        p.fillRect(s.Rect, brush);
        break;
    case TScreenShape::Line:
        PaintLine(p, s.From, s.To, pen);
        break;
    }
}

void SyncLayer() {
    auto& shapes = Shapes();
    if (shapes.empty()) {
        DestroyLayer();
        return;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QRegion area;
    for (const TScreenShape& s : shapes)
        area += s.Area();
    const QRect box = area.boundingRect();
    if (box.isEmpty()) {
        DestroyLayer();
        return;
    }
    QImage picture(box.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.setWindow(box);
        p.setViewport(QRect(QPoint(0, 0), box.size()));
        for (const TScreenShape& s : shapes)
            PaintShape(p, s);
    }
    const QRegion mask(QBitmap::fromImage(picture.createAlphaMask()));
    if (!Layer()) {
        Layer() = new TScreenLayerWidget;
        if (!gPostRoutineAdded) {
            qAddPostRoutine(OnApplicationGone);
            gPostRoutineAdded = true;
        }
    }
    TScreenLayerWidget* w = Layer();
    w->Picture = picture;
    w->Shown = mask.translated(box.topLeft());
    w->setGeometry(box);
    // The offscreen platform has no window masks or stacking; tests read Shown instead.
    const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    if (!offscreen) w->setMask(mask.isEmpty() ? QRegion(0, 0, 1, 1) : mask);
    if (!w->isVisible()) w->show();
    if (!offscreen) w->raise();
    w->update();
}

QRect ClippedBounds(const TScreenShape& s) {
    QRect r = s.Kind == TScreenShape::Line ? QRect(s.From, s.To).normalized() : s.Rect;
    if (s.HasClip) r &= s.Clip.boundingRect();
    return r;
}

} // namespace

bool TScreenShape::SameAs(const TScreenShape& o) const {
    if (Kind != o.Kind || Pen != o.Pen || Brush != o.Brush || HasClip != o.HasClip) return false;
    if (HasClip && Clip != o.Clip) return false;
    if (Kind == Line) return (From == o.From && To == o.To) || (From == o.To && To == o.From);
    return Rect == o.Rect;
}

QRegion TScreenShape::Area() const {
    QRegion area;
    const int w = std::max(Pen.width(), 1);
    if (Kind == Line) {
        if (Pen.style() != Qt::NoPen)
            area = QRegion(QRect(From, To).normalized().adjusted(-w, -w, w, w));
    } else if (Kind == Fill) {
        if (Brush.style() != Qt::NoBrush) area = QRegion(Rect);
    } else {
        if (Brush.style() != Qt::NoBrush)
            area = QRegion(Rect);
        else if (Pen.style() != Qt::NoPen)
            area = QRegion(Rect).subtracted(QRegion(Rect.adjusted(w, w, -w, -w)));
    }
    if (HasClip) area &= Clip;
    return area;
}

void ScreenLayerDraw(const TScreenShape& shape) {
    if (shape.Rop2 == R2_NOP || shape.Area().isEmpty()) return;
    auto& shapes = Shapes();
    auto same = std::find_if(shapes.begin(), shapes.end(),
                             [&](const TScreenShape& s) { return s.SameAs(shape); });
    if (same != shapes.end()) {
        if (!Inverting(shape.Rop2)) return;
        shapes.erase(same);
    } else {
        shapes.push_back(shape);
    }
    SyncLayer();
}

std::vector<TRect> ScreenFramesShown() {
    std::vector<TRect> out;
    for (const TScreenShape& s : Shapes())
        if (s.Kind != TScreenShape::Line) out.push_back(TRectOf(ClippedBounds(s)));
    return out;
}

std::vector<TScreenLine> ScreenLinesShown() {
    std::vector<TScreenLine> out;
    for (const TScreenShape& s : Shapes())
        if (s.Kind == TScreenShape::Line)
            out.push_back({{s.From.x(), s.From.y()}, {s.To.x(), s.To.y()}});
    return out;
}

void ClearScreenLayer() {
    Shapes().clear();
    SyncLayer();
}

QWidget* ScreenLayerWidget() {
    return Layer().data();
}

QRegion ScreenLayerRegion() {
    return Layer() ? Layer()->Shown : QRegion();
}
