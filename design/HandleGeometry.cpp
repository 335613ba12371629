#include "design/HandleGeometry.h"

TRect HandleRect(uint32_t code, int w, int h, bool inflate) {
    const int s = HandleSize;
    // Truncation toward zero of the centred bounds keeps 100- and 101-pixel overlays'
    // middle handles in the same place.
    const int x1 = static_cast<int>(w / 2.0 - s / 2.0);
    const int x2 = static_cast<int>(w / 2.0 + s / 2.0);
    const int y1 = static_cast<int>(h / 2.0 - s / 2.0);
    const int y2 = static_cast<int>(h / 2.0 + s / 2.0);
    TRect r;
    switch (code) {
    case hcLeft: r = {0, y1, s, y2}; break;
    case hcRight: r = {w - s, y1, w, y2}; break;
    case hcTop: r = {x1, 0, x2, s}; break;
    case hcTopLeft: r = {0, 0, s, s}; break;
    case hcTopRight: r = {w - s, 0, w, s}; break;
    case hcBottom: r = {x1, h - s, x2, h}; break;
    case hcBottomLeft: r = {0, h - s, s, h}; break;
    case hcBottomRight: r = {w - s, h - s, w, h}; break;
    default: return {};
    }
    if (inflate) InflateRect(r, 2, 2);
    return r;
}

uint32_t HitTestHandles(TPoint p, int w, int h) {
    for (uint32_t code : HandleOrder)
        if (PtInRect(HandleRect(code, w, h, true), p)) return code;
    return hcCaption;
}
