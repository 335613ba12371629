#pragma once
// Services of the standard window classes that the controls' logic asks for, kept free of Qt
// types like WindowState_p.h. Private to host/.

#include <cstdint>

#include "host/controls/WinApi.h"
#include "host/graphics/Graphics.h"

/// Shows the window's background in background (the field of an edit or a list, the face of
/// a check box) and its text in text.
void SetWindowColors(HWND wnd, TColor background, TColor text);

/// The height of a line of text in the font, as windows lay out their text lines and rows.
int LineHeightOf(const TFont& font);

/// Gives the window new styles (GWL_STYLE, and GWL_EXSTYLE when exStyle is given) and tells it
/// with WM_STYLECHANGED, so that its class shows them.
void RestyleWindow(HWND wnd, uint32_t style, uint32_t exStyle);
