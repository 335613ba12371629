#pragma once
// Union arithmetic of selected overlays' rectangles.

#include "host/core/Types.h"

/// Merges one overlay rectangle into the accumulated bounding rectangle of a selection.
/// The accumulated rectangle starts as (0, 0, 0, 0) and counts as empty until the first
/// merge, which replaces it; later merges widen it.
inline TRect MergeSelectionRect(const TRect& acc, const TRect& r, bool& started) {
    if (!started) {
        started = true;
        return r;
    }
    return {acc.Left < r.Left ? acc.Left : r.Left, acc.Top < r.Top ? acc.Top : r.Top,
            acc.Right > r.Right ? acc.Right : r.Right,
            acc.Bottom > r.Bottom ? acc.Bottom : r.Bottom};
}
