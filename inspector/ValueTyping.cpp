// In-place editing: selecting a row places the edit box and the buttons over its value; typed
// text is written when the row is left; the grid's mouse selects rows and drags the boundary.

#include <algorithm>

#include "host/controls/WinApi.h"
#include "inspector/ObjectInspector.h"
#include "inspector/ZkPopupList.h"

namespace {
/// Kinds whose display text is a name rather than a value that could be written back.
bool ShowsName(TTypeKind kind) {
    return kind == tkClass || kind == tkRecord || kind == tkInterface || kind == tkArray ||
           kind == tkDynArray;
}
} // namespace

void TObjectInspForm::CommitPendingEdit() {
    // While OnModify runs the box's text is being written already.
    if (FApplying) return;
    if (FItemIndex == -1 || !CurItem() || !Edit1->Visible() || !Edit1->Modified()) return;
    SetItemValue(Edit1->Text());
    // Written: nothing is pending any more (a refused value stays typed and pending).
    Edit1->SetModified(false);
}

void TObjectInspForm::PlaceButtonPanel(TPanel* Panel, TSpeedButton* Button, int Top) {
    Panel->SetBounds(FGridWidth - 14, Top, 14, FRowHeight - 2);
    Button->SetBounds(0, 0, Panel->Width(), Panel->Height());
}

void TObjectInspForm::SetItemIndex(int Index) {
    if (FApplying || !FProps) return;
    SelectRow(Index);
}

void TObjectInspForm::SelectRow(int Index) {
    Index = std::min(Index, GetCount() - 1);
    // Leaving the row writes what was typed; placing the editor again on the same row (the
    // window was resized) keeps it typed, so that a layout pass never raises a refused value.
    const bool keepTyped = Index == FItemIndex && Index >= 0 && Edit1->Modified();
    if (Index != FItemIndex) {
        CommitPendingEdit();
        // The write's OnModify handler may have set another object, with fewer rows.
        Index = std::min(Index, GetCount() - 1);
    }
    if (GetCount() == 0) {
        // Nothing to edit: no editor stays over an empty grid.
        Edit1->Hide();
        EditPanel->Hide();
        ComboPanel->Hide();
        RepaintGrid();
        return;
    }
    FItemIndex = Index;
    if (Index < 0) return;
    TProp* prop = CurItem();
    const int H = FRowHeight;
    Edit1->SetVisible(prop->LowerTypeName() != "tcolor");
    EditPanel->SetVisible(prop->IsClassProp());
    ComboPanel->SetVisible(prop->IsListProp());
    const int top = Index * H + 1;
    const int S = ShownSplitPos();
    int editWidth = FGridWidth - S - 2;
    Edit1->SetReadOnly(prop->IsListProp() || prop->IsClassProp());
    if (EditPanel->Visible()) {
        PlaceButtonPanel(EditPanel, EditBtn, top);
        editWidth -= 15;
    }
    if (!keepTyped) Edit1->SetTextProp(GetItemValue(Index));
    if (ComboPanel->Visible()) {
        PlaceButtonPanel(ComboPanel, ComboBtn, top);
        editWidth -= 15;
    }
    Edit1->SetBounds(S + 3, top, std::max(editWidth, 0), H - 2);
    if (!keepTyped) {
        Edit1->SelectAll();
        Edit1->SetModified(false);
    }
    TControlScrollBar* bar = Box->VertScrollBar();
    const int view = Box->ClientHeight();
    if (view + bar->Position() < top + H) bar->SetPosition(top + H - view);
    if (top < bar->Position()) bar->SetPosition(top - 1);
    FCurItemName = FProps->Strings(Index);
    if (FPopup) FPopup->Hide();
    RepaintGrid();
}

void TObjectInspForm::SetItemValue(const std::string& Text) {
    TProp* prop = CurItem();
    if (!prop) return;
    NotifyWriting(prop);
    prop->SetValue(Variant(Text));
    FApplying = true;
    try {
        OnModify(FItemIndex);
    } catch (...) {
        // The property was written all the same.
        FApplying = false;
        RepaintGrid();
        throw;
    }
    FApplying = false;
    ShowWrittenValues();
}

void TObjectInspForm::ReloadEditText() {
    if (!CurItem()) return;
    Edit1->SetTextProp(GetItemValue(FItemIndex));
    Edit1->SelectAll();
    Edit1->SetModified(false);
}

void TObjectInspForm::ShowWrittenValues() {
    // What was typed is written now; the box shows the value as the property took it.
    ReloadEditText();
    RepaintGrid();
}

void TObjectInspForm::RefreshValues() {
    if (!FCurObject || FApplying) return;
    if (Edit1->Visible() && !Edit1->Modified()) ReloadEditText();
    RepaintGrid();
}

TPoint TObjectInspForm::ControlOrigin(TControl* control) const {
    return OnControlOrigin ? OnControlOrigin(control) : TPoint{0, 0};
}

std::string TObjectInspForm::GetItemValue(int Index) {
    TProp* prop = Props(Index);
    return prop ? VarToStr(prop->GetValue()) : std::string();
}

void TObjectInspForm::ItemsChanged() {
    FItemIndex = -1;
    FUpdating = true;
    FPanel->SetHeight(GetCount() * FRowHeight);
    Box->UpdateScrollBars();
    FPanel->SetWidth(Box->ClientWidth());
    FGridWidth = PaintBox1->Width();
    FUpdating = false;
    int row = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (FProps->Strings(i) == FCurItemName) {
            row = i;
            break;
        }
    SetItemIndex(row);
    auto* component = Cast<TComponent>(FCurObject);
    if (!component) return;
    const int selected = CB1->ItemIndex();
    if (selected >= 0 && CB1->Items()->Strings(selected) == component->Name()) return;
    CB1DropDown(CB1);
    for (int i = 0; i < CB1->Items()->Count(); ++i)
        if (CB1->Items()->Strings(i) == component->Name()) {
            CB1->SetItemIndex(i);
            break;
        }
}

void TObjectInspForm::Edit1KeyDown(TObject*, uint16_t& Key, TShiftState) {
    switch (Key) {
    case VK_ESCAPE:
        Edit1->Perform(EM_UNDO, 0, 0);
        Edit1->SetModified(false);
        break;
    case VK_UP:
        if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
        Key = 0;
        break;
    case VK_DOWN:
        if (FItemIndex < GetCount() - 1) SetItemIndex(FItemIndex + 1);
        Key = 0;
        break;
    default:
        break;
    }
}

void TObjectInspForm::Edit1KeyPress(TObject*, char& Key) {
    if (Key != '\r') return;
    Edit1->SelectAll();
    Key = 0;
}

void TObjectInspForm::Edit1DblClick(TObject*) {
    TProp* prop = CurItem();
    if (!prop) return;
    // Enumerations are picked from their list; rows that show a name hold no writable text.
    if (prop->Kind() != tkEnumeration && !ShowsName(prop->Kind()))
        SetItemValue(VarToStr(prop->GetValue()));
    Edit1->SetModified(false);
    Edit1->SelectAll();
}

void TObjectInspForm::Edit1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    const int64_t elapsed = int64_t(GetTickCount()) - int64_t(FLastClickTick);
    if (elapsed < int64_t(GetDoubleClickTime())) Edit1DblClick(Edit1);
}

void TObjectInspForm::PaintBox1MouseDown(TObject*, TMouseButton, TShiftState, int, int Y) {
    if (PaintBox1->Cursor() == crHSplit) {
        FSplitDragging = true;
        return;
    }
    SetItemIndex(FRowHeight > 0 ? Y / FRowHeight : 0);
    if (Edit1->Visible() && Edit1->CanFocus()) Edit1->SetFocus();
    FLastClickTick = GetTickCount();
}

void TObjectInspForm::PaintBox1MouseMove(TObject*, TShiftState, int X, int) {
    if (FSplitDragging) {
        if (X > 5) FSplitPos = std::min(X, MaxSplitPos());
        FormResize(this);
        return;
    }
    const int S = ShownSplitPos();
    PaintBox1->SetCursor(S - 3 < X && X < S + 3 ? crHSplit : crDefault);
}

void TObjectInspForm::PaintBox1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
    FSplitDragging = false;
}
