#pragma once
// Helpers shared by the files that implement device-context drawing. Private to host/qt.

#include <QRect>

#include "host/qt/Gdi_p.h"

/// The context's painter reset to the context's origin, clipping and default mode; null
/// when nothing can be drawn now.
QPainter* BeginDrawing(HDC dc);
/// Sets the composition mode of a binary raster operation; false for R2_NOP.
bool ApplyRop2(QPainter& p, int rop2);
/// The device's area in the context's coordinates (the virtual desktop for the screen).
QRect DeviceExtent(HDC dc);

inline TGdiObjectRec* PenOf(HDC dc) {
    TGdiObjectRec* r = LiveObject(dc->Pen, TGdiKind::Pen);
    return r ? r : GetStockObject(BLACK_PEN);
}
inline TGdiObjectRec* BrushOf(HDC dc) {
    TGdiObjectRec* r = LiveObject(dc->Brush, TGdiKind::Brush);
    return r ? r : GetStockObject(WHITE_BRUSH);
}
inline TGdiObjectRec* FontOf(HDC dc) {
    TGdiObjectRec* r = LiveObject(dc->Font, TGdiKind::Font);
    return r ? r : GetStockObject(SYSTEM_FONT);
}
inline QRect QRectOf(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}
inline QRect QRectOf(const TRect& r) {
    return QRectOf(r.Left, r.Top, r.Right, r.Bottom);
}
inline TRect TRectOf(const QRect& r) {
    return r.isEmpty() ? TRect{} : TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}
