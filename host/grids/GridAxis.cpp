// TGridAxis: where the cells of one direction of a grid lie.

#include "host/grids/Grids.h"

int TGridAxis::FixedBoundary() const {
    int pos = 0;
    for (int i = 0; i < FixedCount && i < Count(); ++i)
        pos += Extents[static_cast<size_t>(i)] + LineWidth;
    return pos;
}

int TGridAxis::CellStart(int Index) const {
    if (Index < 0 || Index >= Count()) return -1;
    int pos = 0;
    if (Index < FixedCount) {
        for (int i = 0; i < Index; ++i)
            pos += Extents[static_cast<size_t>(i)] + LineWidth;
    } else {
        if (Index < First) return -1;
        pos = FixedBoundary();
        for (int i = First; i < Index && pos < ClientExtent; ++i)
            pos += Extents[static_cast<size_t>(i)] + LineWidth;
    }
    return pos < ClientExtent ? pos : -1;
}

int TGridAxis::CellAt(int Pos) const {
    if (Pos < 0 || Pos >= ClientExtent) return -1;
    int pos = 0;
    // A cell's trailing line belongs to it, so there is no gap between cells.
    for (int i = 0; i < FixedCount && i < Count(); ++i) {
        pos += Extents[static_cast<size_t>(i)] + LineWidth;
        if (Pos < pos) return i;
    }
    for (int i = First; i < Count(); ++i) {
        pos += Extents[static_cast<size_t>(i)] + LineWidth;
        if (Pos < pos) return i;
    }
    return -1;
}

int TGridAxis::LastVisible() const {
    int pos = FixedBoundary();
    int last = std::min(FixedCount, Count()) - 1;
    for (int i = First; i < Count() && pos < ClientExtent; ++i) {
        last = i;
        pos += Extents[static_cast<size_t>(i)] + LineWidth;
    }
    return last;
}

int TGridAxis::LastFullyVisible() const {
    int pos = FixedBoundary();
    int last = First;
    for (int i = First; i < Count(); ++i) {
        pos += Extents[static_cast<size_t>(i)];
        if (pos > ClientExtent) break;
        last = i;
        pos += LineWidth;
    }
    return std::min(last, Count() - 1);
}

int TGridAxis::MaxFirst() const {
    if (Count() <= FixedCount) return FixedCount;
    const int room = ClientExtent - FixedBoundary();
    int first = Count() - 1;
    int used = Extents.back() + LineWidth;
    while (first > FixedCount &&
           used + Extents[static_cast<size_t>(first - 1)] + LineWidth <= room) {
        --first;
        used += Extents[static_cast<size_t>(first)] + LineWidth;
    }
    return first;
}

int TGridAxis::GridExtent() const {
    int pos = FixedBoundary();
    for (int i = First; i < Count() && pos < ClientExtent; ++i)
        pos += Extents[static_cast<size_t>(i)] + LineWidth;
    return pos;
}

int TGridAxis::DividerAt(int Pos, int Tolerance) const {
    int best = -1;
    int bestDistance = Tolerance + 1;
    auto consider = [&](int i) {
        const int start = CellStart(i);
        if (start < 0) return;
        const int edge = start + Extents[static_cast<size_t>(i)];
        int distance = 0;
        if (Pos < edge)
            distance = edge - Pos;
        else if (Pos >= edge + LineWidth)
            distance = Pos - (edge + LineWidth) + 1;
        // Nearer edges win; at equal distance the later cell, whose line the point is on.
        if (distance <= Tolerance && distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    };
    for (int i = 0; i < FixedCount && i < Count(); ++i)
        consider(i);
    for (int i = First; i <= LastVisible(); ++i)
        consider(i);
    return best;
}
