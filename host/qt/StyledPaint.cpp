// Button faces, arrows, etched lines and grips drawn with the application's QStyle on a
// canvas's device context.

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "host/qt/DeviceContext_p.h"
#include "host/qt/StyledPaint_p.h"

namespace {
QStyle* Style() {
    return QApplication::style();
}

/// The canvas's painter at the canvas's origin and clip, or null when it cannot draw now.
QPainter* PainterFor(TCanvas* canvas) {
    if (!qApp || !canvas) return nullptr;
    return BeginDrawing(canvas->Handle());
}

void InitOption(QStyleOption& opt, const TRect& r, bool enabled) {
    opt.rect = QRectOf(r);
    opt.palette = QApplication::palette();
    opt.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
}
} // namespace

void DrawButtonFace(TCanvas* canvas, const TRect& r, const TButtonFace& face) {
    if (face.Flat && !face.Down) return;
    QPainter* p = PainterFor(canvas);
    if (!p) return;
    QStyleOptionButton opt;
    InitOption(opt, r, face.Enabled);
    opt.state |= face.Down ? (QStyle::State_Sunken | QStyle::State_On) : QStyle::State_Raised;
    if (face.Flat) opt.features |= QStyleOptionButton::Flat;
    Style()->drawPrimitive(face.Tool || face.Flat ? QStyle::PE_PanelButtonTool
                                                  : QStyle::PE_PanelButtonCommand,
                           &opt, p);
}

void DrawArrowButton(TCanvas* canvas, const TRect& r, TArrow arrow, bool down, bool enabled) {
    DrawButtonFace(canvas, r, {down, false, enabled, true});
    QPainter* p = PainterFor(canvas);
    if (!p) return;
    QStyleOption opt;
    InitOption(opt, r, enabled);
    opt.rect = opt.rect.adjusted(2, 2, -2, -2);
    if (down) opt.rect.translate(1, 1);
    static const QStyle::PrimitiveElement elements[] = {
        QStyle::PE_IndicatorArrowLeft, QStyle::PE_IndicatorArrowRight, QStyle::PE_IndicatorArrowUp,
        QStyle::PE_IndicatorArrowDown};
    Style()->drawPrimitive(elements[static_cast<int>(arrow)], &opt, p);
}

void DrawEtchedLine(TCanvas* canvas, const TRect& r, bool vertical) {
    QPainter* p = PainterFor(canvas);
    if (!p) return;
    const QPalette pal = QApplication::palette();
    const QRect q = QRectOf(r);
    if (vertical) {
        const int x = q.center().x();
        p->fillRect(QRect(x, q.top(), 1, q.height()), pal.color(QPalette::Dark));
        p->fillRect(QRect(x + 1, q.top(), 1, q.height()), pal.color(QPalette::Light));
    } else {
        const int y = q.center().y();
        p->fillRect(QRect(q.left(), y, q.width(), 1), pal.color(QPalette::Dark));
        p->fillRect(QRect(q.left(), y + 1, q.width(), 1), pal.color(QPalette::Light));
    }
}

void DrawGripper(TCanvas* canvas, const TRect& r) {
    QPainter* p = PainterFor(canvas);
    if (!p) return;
    QStyleOption opt;
    InitOption(opt, r, true);
    opt.state |= QStyle::State_Horizontal;
    Style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &opt, p);
}
