#pragma once
// Window-system handles shared by the windowing and the drawing parts of the framework.
// The handle types are opaque pointers; host/qt knows what lies behind them.

#include <cstdint>

struct TGdiObjectRec;
struct TDeviceContextRec;
struct TWindowRec;

/// A pen, brush, font, bitmap or region made by the drawing layer.
using HGDIOBJ = TGdiObjectRec*;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HRGN = HGDIOBJ;
/// A device context: a window's, a bitmap's, or the whole screen's (GetDC of no window).
using HDC = TDeviceContextRec*;
/// A window of the window system: every windowed control has one, and so do raw child
/// windows such as a list view's column header.
using HWND = TWindowRec*;

using COLORREF = uint32_t;
inline constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
