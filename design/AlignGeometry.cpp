#include "design/AlignGeometry.h"

#include <algorithm>
#include <cstdint>

#include "design/SelectionRect.h"

namespace {
/// Spreads the room left over by the sizes over the n - 1 gaps, truncated toward zero
/// (overlapping rectangles give a negative gap).
int Gap(int extent, int64_t sum, int n) {
    return n > 1 ? static_cast<int>((extent - sum) / (n - 1)) : 0;
}
} // namespace

TAlignGathering GatherAlign(const std::vector<TRect>& rects) {
    TAlignGathering g;
    bool started = false;
    int64_t sumW = 0, sumH = 0;
    for (const TRect& r : rects) {
        g.Union = MergeSelectionRect(g.Union, r, started);
        sumW += r.Right - r.Left;
        sumH += r.Bottom - r.Top;
    }
    g.Count = static_cast<int>(rects.size());
    g.SumW = static_cast<int>(sumW);
    g.SumH = static_cast<int>(sumH);
    const TRect& u = g.Union;
    g.Center = {u.Left + (u.Right - u.Left) / 2, u.Top + (u.Bottom - u.Top) / 2};
    g.GapH = Gap(u.Right - u.Left, sumW, g.Count);
    g.GapV = Gap(u.Bottom - u.Top, sumH, g.Count);
    return g;
}

bool AlignMovesLeft(TKmAlign Align) {
    return Align == daLeft || Align == daRight || Align == daVCenter || Align == daHAverage;
}

TRect AlignedRect(TKmAlign Align, const TAlignGathering& g, const TRect& r, const TRect* previous) {
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    int left = r.Left, top = r.Top;
    switch (Align) {
    case daLeft:
        left = g.Union.Left;
        break;
    case daRight:
        left = g.Union.Right - w;
        break;
    case daHCenter:
        top = g.Center.Y - h / 2;
        break;
    case daVCenter:
        left = g.Center.X - w / 2;
        break;
    case daTop:
        top = g.Union.Top;
        break;
    case daBottom:
        top = g.Union.Bottom - h;
        break;
    case daHAverage:
        if (previous) left = previous->Right + g.GapH;
        break;
    case daVAverage:
        if (previous) top = previous->Bottom + g.GapV;
        break;
    default:
        break;
    }
    return {left, top, left + w, top + h};
}

std::vector<TRect> AlignRects(TKmAlign Align, const std::vector<TRect>& rects) {
    const TAlignGathering g = GatherAlign(rects);
    std::vector<TRect> placed;
    placed.reserve(rects.size());
    for (const TRect& r : rects)
        placed.push_back(AlignedRect(Align, g, r, placed.empty() ? nullptr : &placed.back()));
    return placed;
}

std::vector<TRect> DistributeByPlace(const std::vector<TRect>& rects, bool Horizontal) {
    std::vector<TRect> placed = rects;
    if (rects.size() < 3) return placed;
    auto low = [Horizontal](const TRect& r) { return Horizontal ? r.Left : r.Top; };
    auto extent = [Horizontal](const TRect& r) { return Horizontal ? r.Width() : r.Height(); };
    std::vector<size_t> order(rects.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return low(rects[a]) < low(rects[b]); });
    const TRect& first = rects[order.front()];
    const TRect& last = rects[order.back()];
    int inner = 0;
    for (size_t k = 1; k + 1 < order.size(); ++k)
        inner += extent(rects[order[k]]);
    // The free room between the first's far edge and the last's near edge, shared out so
    // that the rounding lands on the last gap rather than piling up.
    const int room = low(last) - (low(first) + extent(first)) - inner;
    const int gaps = static_cast<int>(order.size()) - 1;
    int at = low(first) + extent(first);
    for (size_t k = 1; k + 1 < order.size(); ++k) {
        at += room * static_cast<int>(k) / gaps - room * static_cast<int>(k - 1) / gaps;
        TRect& r = placed[order[k]];
        const int shift = at - low(r);
        if (Horizontal)
            OffsetRect(r, shift, 0);
        else
            OffsetRect(r, 0, shift);
        at += extent(r);
    }
    return placed;
}
