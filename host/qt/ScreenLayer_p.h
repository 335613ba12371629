#pragma once
// The screen layer: shapes drawn on the screen device context, shown by a top-level widget
// above every window. Private to host/.

#include <QBrush>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRegion>

/// One shape drawn on the screen, with the state it was drawn with (its identity for the
/// exclusive-or toggle).
struct TScreenShape {
    enum TKind { Frame, Fill, Line };
    TKind Kind = Frame;
    QRect Rect;      // Frame, Fill
    QPoint From, To; // Line
    QPen Pen;
    QBrush Brush;
    int Rop2 = 0;
    bool HasClip = false;
    QRegion Clip; // screen coordinates

    bool SameAs(const TScreenShape& o) const;
    /// The pixels it covers, clipped.
    QRegion Area() const;
};

/// Shows shape; in an inverting mode a shape that is shown is removed instead.
void ScreenLayerDraw(const TScreenShape& shape);
