// TCustomListControl: what list boxes and combo boxes share: the items and their window, the
// current item kept without one, letter order, row height and owner drawing.

#include <algorithm>

#include "host/qt/StdWindows_p.h"
#include "host/stdctrls/StdCtrls.h"

TCustomListControl::TCustomListControl(TComponent* AOwner)
    : TWinControl(AOwner), FItems(new TListControlItems(this)), FCanvas(new TCanvas) {
    SetTabStop(true);
    SetParentColor(false);
    FCanvas->Font()->Assign(Font());
}

TCustomListControl::~TCustomListControl() {
    FItems->Free();
    FCanvas->Free();
}

TStrings* TCustomListControl::Items() const {
    return FItems;
}

void TCustomListControl::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

int TCustomListControl::Count() const {
    return FItems->Count();
}

void TCustomListControl::AddItem(const std::string& Item, TObject* AObject) {
    FItems->AddObject(Item, AObject);
}

void TCustomListControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CN_COMMAND:
        CNCommand(Message);
        return;
    case CN_DRAWITEM:
        PaintOwnerDrawItem(Message);
        return;
    case CN_MEASUREITEM:
        CNMeasureItem(Message);
        return;
    default:
        TWinControl::Dispatch(Message);
    }
}

// ---- Items ------------------------------------------------------------------------------------

void TCustomListControl::ItemInserted(int Index) {
    if (!HandleAllocated() && FItemIndex >= Index) ++FItemIndex;
}

void TCustomListControl::ItemDeleted(int Index) {
    if (HandleAllocated()) return;
    if (FItemIndex == Index)
        FItemIndex = -1;
    else if (FItemIndex > Index)
        --FItemIndex;
}

void TCustomListControl::ItemsCleared() {
    FItemIndex = -1;
}

void TCustomListControl::FillItems() {
    if (!HandleAllocated()) return;
    const TItemMessages messages = ItemMessages();
    SendToWindow(messages.Reset, 0, 0);
    for (int i = 0; i < Count(); ++i) {
        const std::string text = FItems->Get(i);
        SendToWindow(messages.Insert, i, reinterpret_cast<intptr_t>(text.c_str()));
        SendToWindow(messages.SetData, i, reinterpret_cast<intptr_t>(FItems->GetObject(i)));
    }
}

void TCustomListControl::SetSorted(bool Value) {
    if (FSorted == Value) return;
    FSorted = Value;
    if (Value) FItems->Sort();
}

intptr_t TCustomListControl::SendToWindow(uint32_t Msg, intptr_t WParam, intptr_t LParam) const {
    if (!HandleAllocated()) return 0;
    return SendMessage(const_cast<TCustomListControl*>(this)->Handle(), Msg, WParam, LParam);
}

void TCustomListControl::MoveSelection(TCustomListControl* Destination) {
    CopySelection(Destination);
    DeleteSelected();
}

void TCustomListControl::UpdateStyle() {
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    RestyleWindow(Handle(), params.Style, params.ExStyle);
}

// ---- Looks ------------------------------------------------------------------------------------

int TCustomListControl::ItemHeight() const {
    if (OwnerDrawn()) return FItemHeight;
    // Rows the window draws are a line of the font high.
    return LineHeightOf(*Font());
}

void TCustomListControl::SetItemHeight(int Value) {
    if (Value <= 0 || FItemHeight == Value) return;
    FItemHeight = Value;
    if (OwnerDrawn()) RowHeightChanged();
}

void TCustomListControl::CMColorChanged(TMessage& Message) {
    TWinControl::CMColorChanged(Message);
    if (HandleAllocated()) SetWindowColors(Handle(), Color(), Font()->Color());
}

void TCustomListControl::CMFontChanged(TMessage& Message) {
    TWinControl::CMFontChanged(Message);
    FCanvas->Font()->Assign(Font());
    if (HandleAllocated()) SetWindowColors(Handle(), Color(), Font()->Color());
    RowHeightChanged();
}

// ---- Owner drawing ----------------------------------------------------------------------------

void TCustomListControl::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->FillRect(Rect);
    if (Index < Count()) FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Get(Index));
}

void TCustomListControl::MeasureItem(int Index, int& Height) {
    OnMeasureItem(this, Index, Height);
}

void TCustomListControl::CNMeasureItem(TMessage& Message) {
    auto* item = reinterpret_cast<TMeasureItemStruct*>(Message.LParam);
    if (!item) return;
    int height = FItemHeight;
    MeasureItem(item->itemID, height);
    item->itemHeight = static_cast<uint32_t>(std::max(height, 0));
    Message.Result = 1;
}

void TCustomListControl::PaintOwnerDrawItem(TMessage& Message) {
    auto* item = reinterpret_cast<TDrawItemStruct*>(Message.LParam);
    if (!item || !item->hDC) return;
    const TOwnerDrawState state = TOwnerDrawState::FromBits(item->itemState);
    FCanvas->SetHandle(item->hDC);
    try {
        FCanvas->Font()->Assign(Font());
        FCanvas->Brush()->Assign(Brush());
        if (state.Contains(odSelected)) {
            FCanvas->Brush()->SetColor(clHighlight);
            FCanvas->Font()->SetColor(clHighlightText);
        }
        if (item->itemID >= 0)
            DrawItem(item->itemID, item->rcItem, state);
        else
            FCanvas->FillRect(item->rcItem);
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        throw;
    }
    FCanvas->SetHandle(nullptr);
    // The canvas keeps the control's font for measuring between drawings.
    FCanvas->Font()->Assign(Font());
    Message.Result = 1;
}
