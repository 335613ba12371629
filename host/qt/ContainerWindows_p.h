#pragma once
// The native windows of the container controls: their window classes, registered on first use,
// and the few services the controls' logic asks of them. Free of Qt types; private to host/.

#include <string>

#include "host/controls/WinApi.h"
#include "host/graphics/Graphics.h"

/// A plain widget the panel paints on.
const char* PanelWindowClass();
/// A native group box showing the window text as its title.
const char* GroupBoxWindowClass();
/// A plain widget whose scroll bars are raw child windows kept above its children.
const char* ScrollBoxWindowClass();
/// A plain widget for a page of a page control.
const char* TabSheetWindowClass();
/// A plain widget the grid paints on, taking the focus when clicked.
const char* GridWindowClass();

/// The colour the native widget draws its text in.
void SetWindowTextColor(HWND wnd, TColor color);
