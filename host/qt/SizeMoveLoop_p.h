#pragma once
// The move and size loop measured from a given point.

#include <cstdint>

#include "host/controls/WinApi.h"

/// RunSizeMoveLoop with the drag measured from `from` (WM_NCLBUTTONDOWN's screen point, the
/// press), or from where the mouse is when it is 0.
void RunSizeMoveLoopFrom(HWND wnd, int hitTest, intptr_t from);

/// Ends the move and size loop that runs on wnd, where its window stopped: the loop holds the
/// capture, and a loop whose window loses it ends, as the window system's own does.
void EndSizeMoveLoopOf(HWND wnd);
