// TCustomGrid: editing the current cell in place.

#include "host/grids/Grids.h"
#include "host/qt/GridEditor_p.h"

std::string TCustomGrid::GetEditText(int, int) {
    return {};
}

void TCustomGrid::SetEditText(int, int, const std::string&) {}

bool TCustomGrid::CanEditShow() {
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && HandleAllocated() &&
           !ComponentState().Contains(csDesigning);
}

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor() {
    ShowEditorWith(GetEditText(FCurrent.X, FCurrent.Y), true);
}

void TCustomGrid::HideEditor() {
    EndEdit(true, true);
}

void TCustomGrid::ShowEditorWith(const std::string& Text, bool SelectAll) {
    if (!CanEditShow()) return;
    ClampInView(FCurrent);
    const TRect r = CellRect(FCurrent.X, FCurrent.Y);
    if (IsRectEmpty(r)) return;
    if (!IsWindow(FEditor)) FEditor = CreateGridEditor(Handle());
    FEditorMode = true;
    ShowGridEditor(FEditor, r, Text, SelectAll);
}

void TCustomGrid::EndEdit(bool Commit, bool FocusGrid) {
    if (FEnding) return;
    FEnding = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FEnding};
    const bool shown = IsWindow(FEditor) && GridEditorVisible(FEditor);
    FEditorMode = false;
    if (!shown) return;
    if (Commit) SetEditText(FCurrent.X, FCurrent.Y, GridEditorText(FEditor));
    HideGridEditor(FEditor, FocusGrid && HandleAllocated() ? Handle() : nullptr);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::UpdateEditorPlace() {
    if (!IsWindow(FEditor) || !GridEditorVisible(FEditor)) return;
    const TRect r = CellRect(FCurrent.X, FCurrent.Y);
    if (IsRectEmpty(r))
        EndEdit(true, true);
    else
        MoveGridEditor(FEditor, r);
}

void TCustomGrid::EditorNotify(const NMHDR* Header) {
    const auto* nm = reinterpret_cast<const TNMGridEditor*>(Header);
    if (Header->code == GEN_KILLFOCUS) {
        EndEdit(true, false);
        return;
    }
    if (Header->code != GEN_KEY) return;
    uint16_t key = nm->Key;
    switch (key) {
    case VK_ESCAPE:
        EndEdit(false, true);
        break;
    case VK_RETURN:
        EndEdit(true, true);
        if (FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
        break;
    default: {
        // Keys that leave the cell: the text stays, and the grid moves as it would itself.
        EndEdit(true, true);
        TShiftState shift;
        if (nm->Shift) shift.Include(ssShift);
        KeyDown(key, shift);
        if (FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
        break;
    }
    }
}

void TCustomGrid::KeyPress(char& Key) {
    TCustomControl::KeyPress(Key);
    if (!FOptions.Contains(goEditing) || Key == 0) return;
    if (Key == '\r') {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = 0;
    } else if (static_cast<unsigned char>(Key) >= ' ' && !FEditorMode && CanEditShow()) {
        // A typed character starts an edit that replaces the cell's text.
        ShowEditorWith(std::string(1, Key), false);
        Key = 0;
    }
}

void TCustomGrid::DblClick() {
    TCustomControl::DblClick();
    if (FOptions.Contains(goEditing) && FGridState == gsNormal) ShowEditor();
}
