#pragma once
// Window-state services the framework's logic asks of the bridge, kept free of Qt types so that
// host/'s control logic reads without Qt. Private to host/.

#include <functional>
#include <string>

#include "host/controls/WinApi.h"
#include "host/graphics/Graphics.h"

/// Ties a window to its control, so that FindControl answers it.
void AttachControl(HWND wnd, TWinControl* control);
/// Moves the window without any message: the caller delivers the position messages.
void PlaceWindow(HWND wnd, const TRect& bounds);
/// Records that the window was told WM_DESTROY; false if it already was (or is gone).
bool MarkDestroySent(HWND wnd);
/// Shows the window's text in the font.
void SetWindowFont(HWND wnd, const TFont& font);
/// The shape over the window; crDefault takes the parent's.
void SetWindowCursor(HWND wnd, int cursorIndex);
void SetWindowToolTip(HWND wnd, const std::string& text);
/// Says whether the window's procedure paints every pixel of it (its control's csOpaque), so
/// that what lies beneath need not be painted first. Only windows that show nothing but what
/// their procedure paints take it; a native widget keeps its own judgement.
void SetWindowOpaque(HWND wnd, bool opaque);
/// Binds canvas to the window that is painting now, with (0, 0) at origin (client
/// coordinates) and drawing confined to clip; whatever else draws on the window is ended first.
void BindWindowCanvas(TCanvas* canvas, HWND wnd, TPoint origin, const TRect& clip);
void UnbindWindowCanvas(TCanvas* canvas);
/// Runs the event loop until done answers true.
void RunModalLoop(const std::function<bool()>& done);
/// Makes the window modal for the application (or not).
void SetWindowModal(HWND wnd, bool modal);
