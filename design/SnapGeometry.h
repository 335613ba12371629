#pragma once
// Where a dragged rectangle snaps: to the grid of its container and to the lines of its
// siblings' edges and centres, without any window.

#include <vector>

#include "host/core/Types.h"

/// How close, in pixels, an edge or centre must come to a line to snap to it.
inline constexpr int GuideReach = 4;

/// A line that an edge or a centre can snap to: at Pos across the other axis, spanning the
/// controls that have it from From to To.
struct TGuide {
    int Pos = 0;
    int From = 0;
    int To = 0;
};

/// The lines of one axis, sorted, so that a drag step finds the nearest in log time.
class TGuideAxis {
public:
    void Add(int Pos, int From, int To) { FLines.push_back({Pos, From, To}); }
    /// Sorts the lines and merges those at one position into one with the joint span.
    void Finish();
    /// The line nearest to Value within GuideReach, or null.
    const TGuide* Nearest(int Value) const;
    /// The line at exactly Pos, or null.
    const TGuide* At(int Pos) const;
    bool Empty() const { return FLines.empty(); }

private:
    std::vector<TGuide> FLines;
};

/// Vertical lines (X) and horizontal lines (Y) of a container's children and its edges.
struct TGuideLines {
    TGuideAxis X;
    TGuideAxis Y;
    /// Adds the left, right and centre lines of r, and its top, bottom and middle.
    void AddRect(const TRect& r);
    void Finish() {
        X.Finish();
        Y.Finish();
    }
};

/// Which edges of the rectangle the drag moves: the whole rectangle for a move, the handle's
/// edges for a resize, all four on their own for a rectangle being drawn.
struct TDraggedEdges {
    bool Left = true;
    bool Top = true;
    bool Right = true;
    bool Bottom = true;
    bool Whole = true;
    bool Moving() const { return Whole; }
};

/// A guide to show: a vertical line at X = Pos (or a horizontal one at Y = Pos) from From to To.
struct TGuideMark {
    bool Vertical = true;
    int Pos = 0;
    int From = 0;
    int To = 0;
    bool operator==(const TGuideMark&) const = default;
};

/// What snapping a dragged rectangle gives: its place and the guides that hold there.
struct TSnapped {
    TRect Rect;
    std::vector<TGuideMark> Marks;
};

/// The nearest grid line to Value, the grid starting at Origin with pitch Grid.
int SnapToGridLine(int Value, int Origin, int Grid);

/// Snaps the dragged edges of r: a move shifts the whole rectangle so that its nearest edge or
/// centre lies on a guide, a resize puts each dragged edge on one; where no guide is within
/// reach, on the grid (Grid 0: no grid). Guides win over the grid. Lines may be null.
TSnapped SnapRect(const TRect& r, TDraggedEdges Edges, const TGuideLines* Lines, int Grid,
                  TPoint Origin);
