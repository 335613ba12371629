#pragma once
// What the bridge does for the menu classes: popup menus shown as real QMenus, and the menu bar
// of a form's window. Private to host/, and free of Qt types.

#include "host/menus/Menus.h"

/// Shows the popup's items, as they are now, as a QMenu at pos (screen coordinates) until it
/// closes; answers the item chosen, or null.
TMenuItem* RunPopupMenu(TPopupMenu* menu, TPoint pos);
/// Shows menu as the menu bar across the top of the form window (null takes the bar away).
void UpdateMenuBar(HWND form, TMainMenu* menu);
/// Fits the window's menu bar to the window's width and answers its height; 0 without one.
int PlaceMenuBar(HWND form);
