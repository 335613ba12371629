// Lines, rectangles, ellipses, fills and pixels on device contexts; on the screen context
// they become screen-layer shapes.

#include <QPainter>
#include <QWidget>

#include "host/qt/DeviceContext_p.h"
#include "host/qt/ScreenLayer_p.h"

namespace {

TScreenShape ScreenShape(HDC dc, TScreenShape::TKind kind) {
    TScreenShape s;
    s.Kind = kind;
    s.Pen = ToQPen(PenOf(dc));
    s.Brush = ToQBrush(BrushOf(dc));
    s.Rop2 = dc->Rop2;
    s.HasClip = dc->HasClip;
    s.Clip = dc->Clip;
    return s;
}

void ScreenLine(HDC dc, QPoint from, QPoint to) {
    TScreenShape s = ScreenShape(dc, TScreenShape::Line);
    s.From = from;
    s.To = to;
    s.Brush = Qt::NoBrush;
    ScreenLayerDraw(s);
}

// Paints with the context's pen and brush under its raster mode.
template <class F> BOOL PaintShape(HDC dc, F&& paint) {
    QPainter* p = BeginDrawing(dc);
    if (!p) return false;
    if (!ApplyRop2(*p, dc->Rop2)) return true;
    paint(*p, ToQPen(PenOf(dc)), ToQBrush(BrushOf(dc)));
    return true;
}

} // namespace

namespace {

// One-pixel lines are walked pixel by pixel, as the platform draws them: the start point is
// drawn, the end point is not, the dash pattern runs on across the segments of one figure,
// and no pixel of a closed outline is drawn twice (which an exclusive-or mode would undo).
class TPixelWalker {
public:
    explicit TPixelWalker(const QPen& pen) {
        if (pen.style() != Qt::SolidLine)
            for (qreal d : pen.dashPattern())
                FPattern.push_back(std::max(1, qRound(d)));
    }
    void Segment(QPoint a, QPoint b) {
        int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
        const int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
        int err = dx + dy;
        QPoint at = a;
        while (at != b) {
            if (On()) FPoints << at;
            Advance();
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                at.rx() += sx;
            }
            if (e2 <= dx) {
                err += dx;
                at.ry() += sy;
            }
        }
    }
    void Paint(QPainter& p, const QColor& color) {
        if (FPoints.isEmpty()) return;
        QPen dot(color);
        dot.setWidth(1);
        dot.setCosmetic(true);
        p.setPen(dot);
        p.setBrush(Qt::NoBrush);
        p.drawPoints(FPoints);
    }

private:
    bool On() const { return FPattern.empty() || FIndex % 2 == 0; }
    void Advance() {
        if (FPattern.empty()) return;
        if (++FRun >= FPattern[FIndex]) {
            FRun = 0;
            FIndex = (FIndex + 1) % FPattern.size();
        }
    }
    std::vector<int> FPattern;
    size_t FIndex = 0;
    int FRun = 0;
    QPolygon FPoints;
};

bool OnePixel(const QPen& pen) {
    return pen.width() <= 1;
}

} // namespace

void PaintPolyline(QPainter& p, const QPolygon& points, const QPen& pen) {
    if (pen.style() == Qt::NoPen || points.size() < 2) return;
    if (OnePixel(pen)) {
        TPixelWalker walker(pen);
        for (int i = 1; i < points.size(); ++i)
            walker.Segment(points[i - 1], points[i]);
        walker.Paint(p, pen.color());
        return;
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
}

void PaintRectangle(QPainter& p, const QRect& r, const QPen& pen, const QBrush& brush) {
    if (r.isEmpty()) return;
    const bool hasPen = pen.style() != Qt::NoPen;
    const int w = hasPen ? std::max(pen.width(), 1) : 0;
    // The outline lies inside the rectangle and the brush fills what it leaves.
    if (brush.style() != Qt::NoBrush) {
        const QRect inner = r.adjusted(w, w, -w, -w);
        if (!inner.isEmpty()) p.fillRect(inner, brush);
    }
    if (!hasPen) return;
    if (OnePixel(pen)) {
        const int right = r.right(), bottom = r.bottom();
        QPolygon outline;
        outline << r.topLeft() << QPoint(right, r.top()) << QPoint(right, bottom)
                << QPoint(r.left(), bottom) << r.topLeft();
        if (r.width() == 1 || r.height() == 1) {
            // A degenerate outline is a single line, drawn with its end.
            outline.clear();
            outline << r.topLeft() << QPoint(right + (r.height() == 1), bottom + (r.width() == 1));
        }
        PaintPolyline(p, outline, pen);
        return;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(pen);
    p.drawRect(QRectF(r).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
}

void PaintEllipse(QPainter& p, const QRect& r, const QPen& pen, const QBrush& brush) {
    if (r.isEmpty()) return;
    p.setPen(pen);
    p.setBrush(brush);
    p.drawEllipse(r.adjusted(0, 0, -1, -1));
}

void PaintLine(QPainter& p, QPoint from, QPoint to, const QPen& pen) {
    if (from == to) return;
    PaintPolyline(p, QPolygon({from, to}), pen);
}

BOOL MoveToEx(HDC dc, int x, int y, TPoint* previous) {
    if (!IsLiveDC(dc)) return false;
    if (previous) *previous = {dc->PenPos.x(), dc->PenPos.y()};
    dc->PenPos = QPoint(x, y);
    return true;
}

BOOL LineTo(HDC dc, int x, int y) {
    if (!IsLiveDC(dc)) return false;
    const QPoint from = dc->PenPos, to(x, y);
    dc->PenPos = to;
    if (dc->Kind == TDCKind::Screen) {
        if (from != to) ScreenLine(dc, from, to);
        return true;
    }
    return PaintShape(
        dc, [&](QPainter& p, const QPen& pen, const QBrush&) { PaintLine(p, from, to, pen); });
}

BOOL Polyline(HDC dc, const TPoint* points, int count) {
    if (!IsLiveDC(dc) || !points || count < 2) return false;
    if (dc->Kind == TDCKind::Screen) {
        for (int i = 1; i < count; ++i) {
            const QPoint a(points[i - 1].X, points[i - 1].Y), b(points[i].X, points[i].Y);
            if (a != b) ScreenLine(dc, a, b);
        }
        return true;
    }
    QPolygon poly;
    for (int i = 0; i < count; ++i)
        poly << QPoint(points[i].X, points[i].Y);
    return PaintShape(dc, [&](QPainter& p, const QPen& pen, const QBrush&) {
        if (pen.style() == Qt::NoPen) return;
        p.setPen(pen);
        p.drawPolyline(poly);
    });
}

BOOL Polygon(HDC dc, const TPoint* points, int count) {
    if (!IsLiveDC(dc) || !points || count < 2) return false;
    if (dc->Kind == TDCKind::Screen) return Polyline(dc, points, count);
    QPolygon poly;
    for (int i = 0; i < count; ++i)
        poly << QPoint(points[i].X, points[i].Y);
    return PaintShape(dc, [&](QPainter& p, const QPen& pen, const QBrush& brush) {
        p.setPen(pen);
        p.setBrush(brush);
        p.drawPolygon(poly);
    });
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    if (!IsLiveDC(dc)) return false;
    const QRect r = QRectOf(left, top, right, bottom);
    if (dc->Kind == TDCKind::Screen) {
        if (r.isEmpty()) return true;
        TScreenShape s = ScreenShape(dc, TScreenShape::Frame);
        s.Rect = r;
        ScreenLayerDraw(s);
        return true;
    }
    return PaintShape(dc, [&](QPainter& p, const QPen& pen, const QBrush& brush) {
        PaintRectangle(p, r, pen, brush);
    });
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height) {
    if (!IsLiveDC(dc)) return false;
    if (dc->Kind == TDCKind::Screen) return true;
    const QRect r = QRectOf(left, top, right, bottom);
    return PaintShape(dc, [&](QPainter& p, const QPen& pen, const QBrush& brush) {
        if (r.isEmpty()) return;
        p.setPen(pen);
        p.setBrush(brush);
        // The corner ellipse is width x height; Qt takes its radii.
        p.drawRoundedRect(QRectF(r.adjusted(0, 0, -1, -1)), width / 2.0, height / 2.0);
    });
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    if (!IsLiveDC(dc)) return false;
    if (dc->Kind == TDCKind::Screen) return true;
    const QRect r = QRectOf(left, top, right, bottom);
    return PaintShape(dc, [&](QPainter& p, const QPen& pen, const QBrush& brush) {
        PaintEllipse(p, r, pen, brush);
    });
}

int FillRect(HDC dc, const TRect* r, HBRUSH brush) {
    TGdiObjectRec* b = LiveObject(brush, TGdiKind::Brush);
    if (!IsLiveDC(dc) || !r || !b) return 0;
    if (dc->Kind == TDCKind::Screen) return 1;
    QPainter* p = BeginDrawing(dc);
    if (!p) return 0;
    p->fillRect(QRectOf(*r), ToQBrush(b));
    return 1;
}

int FrameRect(HDC dc, const TRect* r, HBRUSH brush) {
    TGdiObjectRec* b = LiveObject(brush, TGdiKind::Brush);
    if (!IsLiveDC(dc) || !r || !b) return 0;
    if (dc->Kind == TDCKind::Screen) return 1;
    QPainter* p = BeginDrawing(dc);
    if (!p) return 0;
    const QRect q = QRectOf(*r);
    if (q.isEmpty()) return 1;
    const QRegion outline = QRegion(q).subtracted(QRegion(q.adjusted(1, 1, -1, -1)));
    for (const QRect& part : outline)
        p->fillRect(part, ToQBrush(b));
    return 1;
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (!IsLiveDC(dc)) return false;
    const QRect r = QRectOf(x, y, x + width, y + height);
    if (dc->Kind == TDCKind::Screen) {
        if (r.isEmpty() || (rop != PATINVERT && rop != DSTINVERT)) return true;
        TScreenShape s = ScreenShape(dc, TScreenShape::Fill);
        s.Rect = r;
        s.Pen = Qt::NoPen;
        s.Rop2 = rop == PATINVERT ? R2_XORPEN : R2_NOT;
        if (rop == DSTINVERT) s.Brush = QBrush(Qt::black);
        ScreenLayerDraw(s);
        return true;
    }
    QPainter* p = BeginDrawing(dc);
    if (!p) return false;
    QBrush brush = ToQBrush(BrushOf(dc));
    switch (rop) {
    case PATINVERT:
        p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case DSTINVERT:
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case BLACKNESS:
        brush = QBrush(Qt::black);
        break;
    case WHITENESS:
        brush = QBrush(Qt::white);
        break;
    default:
        break;
    }
    if (rop == DSTINVERT) brush = QBrush(Qt::black);
    p->fillRect(r, brush);
    return true;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    if (!IsLiveDC(dc) || dc->Kind == TDCKind::Screen) return CLR_INVALID;
    if (QImage* image = ImageOfDC(dc)) {
        const QPoint at = QPoint(x, y) + dc->Origin;
        if (!image->rect().contains(at)) return CLR_INVALID;
        const COLORREF c = QColorToColorRef(QColor::fromRgb(image->pixel(at)));
        if (dc->Kind == TDCKind::Memory)
            if (TGdiObjectRec* bmp = LiveObject(dc->Bitmap, TGdiKind::Bitmap);
                bmp && bmp->Monochrome)
                return c == 0xFFFFFF ? 0xFFFFFF : 0;
        return c;
    }
    if (dc->Device && dc->Device->devType() == QInternal::Widget && !dc->Painter) {
        auto* w = static_cast<QWidget*>(dc->Device);
        const QPoint at = QPoint(x, y) + dc->Origin;
        if (!w->rect().contains(at)) return CLR_INVALID;
        return QColorToColorRef(w->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0));
    }
    return CLR_INVALID;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    if (!IsLiveDC(dc) || dc->Kind == TDCKind::Screen) return CLR_INVALID;
    QPainter* p = BeginDrawing(dc);
    if (!p) return CLR_INVALID;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(QRect(x, y, 1, 1), ColorRefToQColor(color));
    return color & 0xFFFFFF;
}
