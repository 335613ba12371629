#include "design/AlignGeometry.h"

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
