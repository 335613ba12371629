#pragma once
// Grab-handle geometry of an overlay: handle rectangles and hit testing, as free functions
// of the overlay's size so that they can be reasoned about without a window.

#include <array>
#include <cstdint>

#include "host/core/Types.h"

/// Edge length of a grab handle and width of an overlay's margin band, in pixels.
inline constexpr int HandleSize = 4;

/// Hit-test codes of the window system's move and size loop.
enum THitCode : uint32_t {
    hcClient = 1,
    hcCaption = 2,
    hcLeft = 10,
    hcRight = 11,
    hcTop = 12,
    hcTopLeft = 13,
    hcTopRight = 14,
    hcBottom = 15,
    hcBottomLeft = 16,
    hcBottomRight = 17,
};

/// The eight handles in the order in which they are tested, drawn and joined into regions:
/// corners before the middle handles beside them, so that corners win where they overlap.
inline constexpr std::array<uint32_t, 8> HandleOrder = {
    hcTopLeft, hcTopRight, hcTop, hcLeft, hcRight, hcBottomLeft, hcBottom, hcBottomRight};

/// The handle rectangle of code in an overlay of width w and height h (client coordinates),
/// grown by 2 pixels on every side when inflate is set. Codes without a handle give an
/// empty rectangle.
TRect HandleRect(uint32_t code, int w, int h, bool inflate);

/// The code of the first handle (in HandleOrder, each inflated by 2) holding p, or
/// hcCaption when none does.
uint32_t HitTestHandles(TPoint p, int w, int h);

/// The inner rectangle of an overlay, where its control lies.
inline TRect InnerRect(int w, int h) {
    return {HandleSize, HandleSize, w - HandleSize, h - HandleSize};
}
