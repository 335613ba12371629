#pragma once
// The in-place editor of grids: a raw child edit window over the current cell. Free of Qt types;
// private to host/.

#include <string>

#include "host/controls/WinApi.h"

/// Notifications the editor sends its grid as CN_NOTIFY with a TNMGridEditor record.
inline constexpr int GEN_FIRST = -1900;
/// A key the grid handles rather than the editor (Enter, Escape, the vertical arrows, page
/// keys, Tab): the grid ends or moves the edit.
inline constexpr int GEN_KEY = GEN_FIRST - 1;
/// The editor lost the focus: the grid keeps the text and puts the editor away.
inline constexpr int GEN_KILLFOCUS = GEN_FIRST - 2;

struct TNMGridEditor {
    NMHDR hdr;
    uint16_t Key = 0;
    bool Shift = false;
};

/// Makes the editor, hidden, as a child window of the grid (announced to it).
HWND CreateGridEditor(HWND grid);
/// Shows the editor at r (grid coordinates) with text, focused; all of it selected, or the
/// caret at the end.
void ShowGridEditor(HWND editor, const TRect& r, const std::string& text, bool selectAll);
/// Moves a shown editor with its cell.
void MoveGridEditor(HWND editor, const TRect& r);
/// Hides the editor; when it has the focus, the focus goes to focusTo first (if given).
void HideGridEditor(HWND editor, HWND focusTo);
bool GridEditorVisible(HWND editor);
std::string GridEditorText(HWND editor);
