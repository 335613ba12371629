#pragma once
// The move and size loop measured from a given point.

#include <cstdint>

#include "host/controls/WinApi.h"

/// RunSizeMoveLoop with the drag measured from `from` (WM_NCLBUTTONDOWN's screen point, the
/// press), or from where the mouse is when it is 0.
void RunSizeMoveLoopFrom(HWND wnd, int hitTest, intptr_t from);
