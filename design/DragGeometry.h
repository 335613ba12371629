#pragma once
// Rectangle arithmetic of the drags on the design surface: the band between two corners and
// the band's overlap with an overlay.

#include "host/core/Types.h"

/// The rectangle spanned by two corners, whichever way the drag went.
inline TRect SpannedRect(TPoint a, TPoint b) {
    return {a.X < b.X ? a.X : b.X, a.Y < b.Y ? a.Y : b.Y, a.X < b.X ? b.X : a.X,
            a.Y < b.Y ? b.Y : a.Y};
}

/// Whether two rectangles share some area; rectangles that only touch do not.
inline bool RectsOverlap(const TRect& a, const TRect& b) {
    const int left = a.Left > b.Left ? a.Left : b.Left;
    const int right = a.Right < b.Right ? a.Right : b.Right;
    const int top = a.Top > b.Top ? a.Top : b.Top;
    const int bottom = a.Bottom < b.Bottom ? a.Bottom : b.Bottom;
    return left < right && top < bottom;
}
