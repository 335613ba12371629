#include "design/SnapGeometry.h"

#include <algorithm>
#include <cstdlib>

void TGuideAxis::Finish() {
    std::sort(FLines.begin(), FLines.end(),
              [](const TGuide& a, const TGuide& b) { return a.Pos < b.Pos; });
    std::vector<TGuide> merged;
    merged.reserve(FLines.size());
    for (const TGuide& g : FLines) {
        if (!merged.empty() && merged.back().Pos == g.Pos) {
            merged.back().From = std::min(merged.back().From, g.From);
            merged.back().To = std::max(merged.back().To, g.To);
        } else {
            merged.push_back(g);
        }
    }
    FLines.swap(merged);
}

const TGuide* TGuideAxis::Nearest(int Value) const {
    auto it = std::lower_bound(FLines.begin(), FLines.end(), Value,
                               [](const TGuide& g, int v) { return g.Pos < v; });
    const TGuide* best = nullptr;
    int distance = GuideReach + 1;
    for (auto c : {it, it == FLines.begin() ? FLines.end() : it - 1})
        if (c != FLines.end() && std::abs(c->Pos - Value) < distance) {
            best = &*c;
            distance = std::abs(c->Pos - Value);
        }
    return best;
}

const TGuide* TGuideAxis::At(int Pos) const {
    const TGuide* g = Nearest(Pos);
    return g && g->Pos == Pos ? g : nullptr;
}

void TGuideLines::AddRect(const TRect& r) {
    for (int x : {r.Left, r.Right, (r.Left + r.Right) / 2})
        X.Add(x, r.Top, r.Bottom);
    for (int y : {r.Top, r.Bottom, (r.Top + r.Bottom) / 2})
        Y.Add(y, r.Left, r.Right);
}

int SnapToGridLine(int Value, int Origin, int Grid) {
    if (Grid <= 0) return Value;
    const int offset = Value - Origin;
    // Rounds to the nearest line on either side of the origin alike.
    const int down = offset >= 0 ? offset / Grid * Grid : -((-offset + Grid - 1) / Grid * Grid);
    return Origin + (offset - down < Grid - (offset - down) ? down : down + Grid);
}

namespace {
/// One axis of a rectangle: its low and high edge and which of them the drag moves, or
/// whether it moves whole.
struct TSpan {
    int Low, High;
    bool MovesLow, MovesHigh, Whole;
};

/// Snaps one axis; answers the new low and high edge.
TSpan SnapSpan(TSpan s, const TGuideAxis* axis, int grid, int origin) {
    if (s.Whole) {
        // A move: the edge or centre nearest to a guide decides the shift of the whole span.
        int shift = 0;
        int distance = GuideReach + 1;
        if (axis)
            for (int v : {s.Low, s.High, (s.Low + s.High) / 2})
                if (const TGuide* g = axis->Nearest(v); g && std::abs(g->Pos - v) < distance) {
                    distance = std::abs(g->Pos - v);
                    shift = g->Pos - v;
                }
        if (distance > GuideReach) shift = grid > 0 ? SnapToGridLine(s.Low, origin, grid) - s.Low : 0;
        return {s.Low + shift, s.High + shift, true, true, true};
    }
    auto snap = [&](int v) {
        if (const TGuide* g = axis ? axis->Nearest(v) : nullptr) return g->Pos;
        return SnapToGridLine(v, origin, grid);
    };
    if (s.MovesLow) s.Low = std::min(snap(s.Low), s.High);
    if (s.MovesHigh) s.High = std::max(snap(s.High), s.Low);
    return s;
}

/// The guides of axis that hold at the low edge, high edge or centre of the span, drawn across
/// the span's own extent [from, to) and the lines' own.
void AddMarks(std::vector<TGuideMark>& marks, bool vertical, const TGuideAxis* axis, int low,
              int high, int from, int to) {
    if (!axis) return;
    for (int v : {low, high, (low + high) / 2})
        if (const TGuide* g = axis->At(v)) {
            TGuideMark m{vertical, v, std::min(from, g->From), std::max(to, g->To)};
            if (std::find(marks.begin(), marks.end(), m) == marks.end()) marks.push_back(m);
        }
}
} // namespace

TSnapped SnapRect(const TRect& r, TDraggedEdges Edges, const TGuideLines* Lines, int Grid,
                  TPoint Origin) {
    const TSpan x = SnapSpan({r.Left, r.Right, Edges.Left, Edges.Right, Edges.Whole},
                             Lines ? &Lines->X : nullptr, Grid, Origin.X);
    const TSpan y = SnapSpan({r.Top, r.Bottom, Edges.Top, Edges.Bottom, Edges.Whole},
                             Lines ? &Lines->Y : nullptr, Grid, Origin.Y);
    TSnapped out{{x.Low, y.Low, x.High, y.High}, {}};
    if (Lines) {
        // A resize shows only the guides of the edges it moves.
        const bool moving = Edges.Moving();
        if (moving || Edges.Left || Edges.Right)
            AddMarks(out.Marks, true, &Lines->X, Edges.Left || moving ? x.Low : x.High,
                     Edges.Right || moving ? x.High : x.Low, y.Low, y.High);
        if (moving || Edges.Top || Edges.Bottom)
            AddMarks(out.Marks, false, &Lines->Y, Edges.Top || moving ? y.Low : y.High,
                     Edges.Bottom || moving ? y.High : y.Low, x.Low, x.High);
    }
    return out;
}
