#pragma once
// The native window of list views: an item view for each view style over one item model, and a
// column header that is a raw child window. Free of Qt types; private to host/.

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/Controls.h"

// Notifications the window sends its control as CN_NOTIFY.
inline constexpr int LVN_FIRST = -100;
/// An item's state changed (NMLISTVIEW; LVIS_SELECTED in the states).
inline constexpr int LVN_ITEMCHANGED = LVN_FIRST - 1;
/// A caption was edited in place (NMLVENDEDIT).
inline constexpr int LVN_ENDLABELEDIT = LVN_FIRST - 6;
/// A column heading was clicked (NMLISTVIEW, the column in iSubItem).
inline constexpr int LVN_COLUMNCLICK = LVN_FIRST - 8;
inline constexpr int HDN_FIRST = -300;
/// A column was sized by dragging its heading's edge (NMHEADER).
inline constexpr int HDN_ENDTRACK = HDN_FIRST - 1;
inline constexpr uint32_t LVIS_FOCUSED = 0x0001;
inline constexpr uint32_t LVIS_SELECTED = 0x0002;
/// Asks the list view (posted to it) to make its header window again.
inline constexpr uint32_t LVM_RECREATEHEADER = 0x1000 + 0x70;

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    uint32_t uNewState = 0;
    uint32_t uOldState = 0;
};
struct NMLVENDEDIT {
    NMHDR hdr;
    int iItem = -1;
    std::string Text;
};
struct NMHEADER {
    NMHDR hdr;
    int iItem = -1;
    int cxy = 0;
};

/// What the window shows of a column.
struct TLVColumnInfo {
    std::string Caption;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
    bool AutoSize = false;
};

/// How the window shows its items.
struct TLVStyle {
    int ViewStyle = 0; // TViewStyle's order: icon, small icon, list, report
    bool GridLines = false;
    bool RowSelect = false;
    bool ReadOnly = false;
    bool ShowColumnHeaders = true;
    bool MultiSelect = false;
    bool HideSelection = true;
    bool Border = true;
};

const char* ListViewWindowClass();
/// Makes the column header window (replacing one made before), which announces itself to the
/// list view with WM_PARENTNOTIFY(WM_CREATE).
void ListViewCreateHeader(HWND wnd);
HWND ListViewHeader(HWND wnd);
void ListViewSetStyle(HWND wnd, const TLVStyle& style);
/// The background of the items and the colour of their texts.
void ListViewSetColors(HWND wnd, TColor color, TColor textColor);
void ListViewSetColumns(HWND wnd, const std::vector<TLVColumnInfo>& columns);
/// Item texts: the caption, then the texts of the further columns.
void ListViewInsertItem(HWND wnd, int index, const std::vector<std::string>& texts);
void ListViewSetItem(HWND wnd, int index, const std::vector<std::string>& texts);
void ListViewDeleteItem(HWND wnd, int index);
void ListViewClear(HWND wnd);
/// Selects or deselects an item without notifications.
void ListViewSetSelected(HWND wnd, int index, bool selected);
void ListViewEditCaption(HWND wnd, int index);
/// The item at a point of the window, or -1.
int ListViewItemAt(HWND wnd, TPoint point);
/// An item's rectangle in the window's coordinates; empty when it is not shown.
TRect ListViewItemRect(HWND wnd, int index);
/// A heading's rectangle in the window's coordinates; empty when the header is hidden.
TRect ListViewHeaderRect(HWND wnd, int column);
