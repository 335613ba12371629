#pragma once
// Scroll bar controls: raw child windows that a scrolling control places along its edges. Free of
// Qt types; private to host/.

#include "host/controls/WinApi.h"

/// What a scroll bar shows: the thumb position in 0..Max, the page the view covers (the thumb's
/// size and the page step) and the step of the arrows. Without Tracking the position changes
/// only when the thumb is released.
struct TScrollBarInfo {
    int Max = 0;
    int Page = 0;
    int Line = 1;
    int Pos = 0;
    bool Tracking = false;
};

/// Makes a scroll bar control as a child window of parent, hidden. It announces itself to parent
/// with WM_PARENTNOTIFY, takes its input through its own window procedure, asks parent to scroll
/// with WM_HSCROLL or WM_VSCROLL (its own window in LParam), and lies above parent's other
/// children whatever is made or raised after it.
HWND CreateScrollBarWindow(HWND parent, bool vertical);
/// Shows info on the bar without it asking to scroll.
void SetScrollBarInfo(HWND bar, const TScrollBarInfo& info);
/// The thickness of a scroll bar in the style in use.
int ScrollBarExtent();
