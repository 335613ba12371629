#pragma once
// Geometry value types: points, sizes and rectangles with exclusive right and bottom edges.

#include <algorithm>
#include <cstdint>

/// A point in some window's client or screen coordinates.
struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

/// A rectangle (Left, Top, Right, Bottom); Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    bool operator==(const TRect&) const = default;
};

inline TPoint Point(int x, int y) { return {x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
inline bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
inline bool PtInRect(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}
inline void OffsetRect(TRect& r, int dx, int dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}
inline void InflateRect(TRect& r, int dx, int dy) {
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}
/// The common part of a and b; false (and an empty dst) when they do not overlap.
inline bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
    dst = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(dst)) {
        dst = {};
        return false;
    }
    return true;
}
/// The smallest rectangle holding both; an empty operand does not count.
inline bool UnionRect(TRect& dst, const TRect& a, const TRect& b) {
    if (IsRectEmpty(a)) dst = b;
    else if (IsRectEmpty(b)) dst = a;
    else
        dst = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom)};
    if (IsRectEmpty(dst)) {
        dst = {};
        return false;
    }
    return true;
}

inline int32_t MakeLong(int lo, int hi) {
    return static_cast<int32_t>((static_cast<uint32_t>(hi & 0xFFFF) << 16) |
                                static_cast<uint32_t>(lo & 0xFFFF));
}
inline int LoWord(intptr_t v) { return static_cast<int>(static_cast<uint32_t>(v) & 0xFFFF); }
inline int HiWord(intptr_t v) { return static_cast<int>((static_cast<uint32_t>(v) >> 16) & 0xFFFF); }
/// Signed coordinates packed in a message's LParam (x low, y high).
inline TPoint PointFromLParam(intptr_t v) {
    return {static_cast<int16_t>(LoWord(v)), static_cast<int16_t>(HiWord(v))};
}
