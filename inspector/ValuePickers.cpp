// Value pickers: the popup list of a row's possible values and the dialogs of fonts, colours,
// file names and pictures; other class-like rows go to the host's edit-property event.

#include <algorithm>
#include <memory>

#include "host/dialogs/Dialogs.h"
#include "inspector/ObjectInspector.h"
#include "inspector/ZkPopupList.h"

namespace {
/// The popup's rows at most before it scrolls.
constexpr int MaxPopupRows = 8;

void FillValues(TProp* prop, TStrings* Items) {
    const std::string type = prop->LowerTypeName();
    if (type == "boolean") {
        Items->Add(BoolFalseText);
        Items->Add(BoolTrueText);
    } else if (type == "tcursor") {
        for (const char* name : CursorNames)
            Items->Add(name);
    } else if (TStringList* names = prop->EnumNames()) {
        Items->AddStrings(names);
    }
}

/// Keeps the popup on the screen: the placement asked for where it fits, else shifted left
/// or opened above the row (whose top is RowTop), never left of the screen.
TRect KeepOnScreen(TRect r, int RowTop) {
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    const int screenW = Screen->Width(), screenH = Screen->Height();
    int left = r.Left, top = r.Top;
    if (left + w > screenW) left = screenW - w;
    if (left < 0) left = 0;
    if (top + h > screenH) top = std::max(0, std::min(RowTop, screenH) - h);
    return TRect{left, top, left + w, top + h};
}
} // namespace

void TObjectInspForm::FormDeactivate(TObject*) {
    if (!FUpdating && FPopup) FPopup->Hide();
}

void TObjectInspForm::ComboBtnClick(TObject*) {
    FUpdating = true;
    try {
        OpenPopup();
    } catch (...) {
        FUpdating = false;
        throw;
    }
    FUpdating = false;
}

void TObjectInspForm::OpenPopup() {
    if (FPopup->Visible()) {
        FPopup->Hide();
        if (Edit1->CanFocus()) Edit1->SetFocus();
        return;
    }
    TProp* prop = CurItem();
    TListBox* list = FPopup->ListBox;
    list->Items()->Clear();
    list->SetSorted(false);
    if (prop) FillValues(prop, list->Items());
    if (list->Items()->Count() == 0) return;
    list->SetItemIndex(list->Items()->IndexOf(VarToStr(prop->GetValue())));

    int width = 0;
    for (int i = 0; i < list->Items()->Count(); ++i)
        width = std::max(width, list->Canvas()->TextWidth(list->Items()->Strings(i)));
    width += 8;
    int rows = list->Items()->Count();
    if (rows > MaxPopupRows) {
        rows = MaxPopupRows;
        width += 16;
    }
    const TPoint rowBottom = Edit1->ClientToScreen(TPoint{0, Edit1->Height()});
    const int height = rows * (list->ItemHeight() + 1) + 2;
    // Over the value column when it is wide enough, else right-aligned to the grid.
    const int S = ShownSplitPos();
    int left = S + 1;
    int popupWidth = FGridWidth - S + 1;
    if (S <= width) {
        left = FGridWidth - width + 2;
        popupWidth = width;
    }
    FPopup->SetBounds(left, rowBottom.Y, popupWidth, height);
    list->SetBounds(0, 0, FPopup->ClientWidth(), FPopup->ClientHeight());
    FPopup->SetHeight(list->Height());
    const TRect placed = KeepOnScreen(TRect{FPopup->Left() + ClientOrigin().X, FPopup->Top(),
                                            FPopup->Left() + ClientOrigin().X + FPopup->Width(),
                                            FPopup->Top() + FPopup->Height()},
                                      rowBottom.Y - Edit1->Height());
    FPopup->SetBounds(placed.Left, placed.Top, FPopup->Width(), FPopup->Height());
    FPopup->Show();
}

void TObjectInspForm::LB1Click(TObject*) {
    TListBox* list = FPopup->ListBox;
    const int picked = list->ItemIndex();
    if (picked < 0) return;
    Edit1->SetTextProp(list->Items()->Strings(picked));
    FPopup->Hide();
    if (Edit1->CanFocus()) Edit1->SetFocus();
    SetItemValue(Edit1->Text());
}

void TObjectInspForm::EditBtnClick(TObject*) {
    TProp* prop = CurItem();
    if (!prop) return;
    const std::string type = prop->LowerTypeName();
    NotifyWriting(prop);
    // Whether a dialog was confirmed: the host's own editor is taken as one.
    bool written = true;
    if (type == "tfont") {
        auto dialog = std::make_unique<TFontDialog>(nullptr);
        auto* font = Cast<TFont>(prop->GetValueDirect().AsObject());
        if (font) dialog->SetFont(font);
        written = dialog->Execute() && font;
        if (written) font->Assign(dialog->Font());
        if (written) prop->CopyToOthers();
    } else if (type == "tcolor") {
        auto dialog = std::make_unique<TColorDialog>(nullptr);
        dialog->SetColor(TColor(GetOrdProp(prop->Object(), &prop->PropInfo())));
        written = dialog->Execute();
        if (written) prop->SetValue(Variant(int32_t(dialog->Color())));
    } else if (type == "tfilename") {
        auto dialog = std::make_unique<TOpenDialog>(nullptr);
        dialog->SetFileName(VarToStr(prop->GetValue()));
        written = dialog->Execute();
        if (written) prop->SetValue(Variant(dialog->FileName()));
    } else if (type == "tpicture") {
        auto dialog = std::make_unique<TOpenPictureDialog>(nullptr);
        auto* picture = Cast<TPicture>(prop->GetValueDirect().AsObject());
        written = dialog->Execute() && picture;
        if (written) picture->LoadFromFile(dialog->FileName());
        if (written) prop->CopyToOthers();
    } else if (OnEditProp) {
        const Variant direct = prop->GetValueDirect();
        OnEditProp(prop->TypeName(), direct.VarType() == varObject ? direct.AsObject() : nullptr);
        // The host edits the first object's in place; the others take what it holds.
        prop->CopyToOthers();
    }
    // A dialog changes the property, or its sub-object in place, behind the grid's back.
    if (written && OnModify && CurItem() == prop) OnModify(FItemIndex);
    ShowWrittenValues();
}
