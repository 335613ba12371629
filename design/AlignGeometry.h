#pragma once
// Alignment and distribution arithmetic on overlay rectangles: the union, sums and gaps of a
// selection and where each command puts one rectangle, without any window.

#include <vector>

#include "design/DesignTypes.h"
#include "host/core/Types.h"

/// What the alignment commands read from the selected rectangles before anything moves.
struct TAlignGathering {
    TRect Union;
    int Count = 0;
    int SumW = 0;
    int SumH = 0;
    TPoint Center;
    /// Gaps that spread the rectangles evenly over the union; 0 with fewer than two.
    int GapH = 0;
    int GapV = 0;
};

/// Gathers the union (an overlay at x = 0 widens it like any other), the sums of the sizes,
/// the union's centre and the gaps of rects, taken in their list order.
TAlignGathering GatherAlign(const std::vector<TRect>& rects);

/// Whether the command moves rectangles horizontally (assigns Left) rather than vertically.
bool AlignMovesLeft(TKmAlign Align);

/// Where Align puts r: r moved along the command's axis only. previous is the rectangle
/// placed just before r (after it was placed), null for the first; the distributions keep
/// the first where it is and place each later one after its predecessor. Undo, Redo and
/// unknown values leave r as it is.
TRect AlignedRect(TKmAlign Align, const TAlignGathering& g, const TRect& r, const TRect* previous);

/// The rectangles spread evenly in the order of their Left (Horizontal) or Top, ties in list
/// order: the first and the last keep their places, the others are spaced evenly between
/// them. Answered in list order.
std::vector<TRect> DistributeByPlace(const std::vector<TRect>& rects, bool Horizontal);

/// Every rectangle as the command places it, in list order.
std::vector<TRect> AlignRects(TKmAlign Align, const std::vector<TRect>& rects);
