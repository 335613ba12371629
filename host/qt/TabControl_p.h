#pragma once
// The native window of tab controls: a tab bar over a framed page area. Free of Qt types;
// private to host/.

#include <string>
#include <vector>

#include "host/controls/WinApi.h"

// Notifications the window sends its control as CN_NOTIFY, with an NMHDR record.
inline constexpr int TCN_FIRST = -550;
inline constexpr int TCN_SELCHANGE = TCN_FIRST - 1;
/// A nonzero Result refuses the change.
inline constexpr int TCN_SELCHANGING = TCN_FIRST - 2;

/// Where the tabs lie (TTabPosition's order) and how they look (TTabStyle's order).
enum class TTabSide { Top, Bottom, Left, Right };
enum class TTabLook { Tabs, Buttons, FlatButtons };

/// A tab bar over a framed page area. A press on a tab asks the control with TCN_SELCHANGING,
/// then selects the tab and tells it with TCN_SELCHANGE; so do the arrow keys.
const char* TabControlWindowClass();
/// Replaces the tabs and selects index (-1: none), without notifications.
void TabCtrlSetTabs(HWND wnd, const std::vector<std::string>& captions, int index);
/// Selects a tab without notifications.
void TabCtrlSetCurSel(HWND wnd, int index);
int TabCtrlGetCurSel(HWND wnd);
void TabCtrlSetLook(HWND wnd, TTabSide side, TTabLook look);
/// Tabs in as many rows as they need instead of one scrolled row.
void TabCtrlSetMultiLine(HWND wnd, bool multiLine);
/// The number of rows of tabs.
int TabCtrlGetRowCount(HWND wnd);
/// The page area inside the frame, in the window's coordinates.
TRect TabCtrlDisplayRect(HWND wnd);
/// The tab at a point of the window, or -1.
int TabCtrlHitTest(HWND wnd, TPoint point);
/// A tab's rectangle in the window's coordinates; empty for no such tab.
TRect TabCtrlItemRect(HWND wnd, int index);
