// TCustomListBox: items mirrored into the window (ListControlItems.cpp), the selection the user
// makes there, rows of a set height and an integral height.

#include <algorithm>

#include "host/qt/StdWindows_p.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
void CheckIndex(int Index, int Count) {
    if (Index < 0 || Index >= Count)
        throw EListError("列表索引越界（" + std::to_string(Index) + "）");
}
} // namespace

// ---- TCustomListBox ---------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* AOwner) : TCustomListControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 121, 97);
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
    TCustomListControl::CreateParams(Params);
    static const uint32_t styles[] = {0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE};
    Params.WinClassName = "LISTBOX";
    Params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | styles[FStyle];
    if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (!FIntegralHeight) Params.Style |= LBS_NOINTEGRALHEIGHT;
    if (FBorderStyle == bsSingle) {
        if (FCtl3D)
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
}

void TCustomListBox::CreateWnd() {
    TCustomListControl::CreateWnd();
    SendMessage(Handle(), WM_STYLECHANGED, GWL_STYLE, 0);
    SetWindowColors(Handle(), Color(), Font()->Color());
    SendToWindow(LB_SETITEMHEIGHT, 0, ItemHeight());
    FillWindow();
}

TCustomListControl::TItemMessages TCustomListBox::ItemMessages() const {
    return {LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETITEMDATA};
}

void TCustomListBox::ItemInserted(int Index) {
    TCustomListControl::ItemInserted(Index);
    if (HandleAllocated()) return;
    if (FSelection.size() >= static_cast<size_t>(Index))
        FSelection.insert(FSelection.begin() + Index, false);
}

void TCustomListBox::ItemDeleted(int Index) {
    TCustomListControl::ItemDeleted(Index);
    if (HandleAllocated()) return;
    if (static_cast<size_t>(Index) < FSelection.size())
        FSelection.erase(FSelection.begin() + Index);
}

void TCustomListBox::ItemsCleared() {
    TCustomListControl::ItemsCleared();
    FTopIndex = 0;
    FSelection.clear();
}

void TCustomListBox::FillWindow() {
    if (!HandleAllocated()) return;
    FillItems();
    if (FMultiSelect)
        for (size_t i = 0; i < FSelection.size() && i < static_cast<size_t>(Count()); ++i)
            if (FSelection[i]) SendToWindow(LB_SETSEL, 1, static_cast<intptr_t>(i));
    SendToWindow(FMultiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, FItemIndex, 0);
    SendToWindow(LB_SETTOPINDEX, FTopIndex, 0);
}

void TCustomListBox::WMDestroy(TMessage& Message) {
    // A window that goes while the control stays hands its selection back for the next one.
    if (!ComponentState().Contains(csDestroying) && HandleAllocated()) {
        const int index = ItemIndex();
        const int top = TopIndex();
        std::vector<bool> selection(static_cast<size_t>(Count()));
        for (size_t i = 0; i < selection.size(); ++i)
            selection[i] = SendToWindow(LB_GETSEL, static_cast<intptr_t>(i), 0) > 0;
        FItemIndex = index;
        FTopIndex = top;
        FSelection = std::move(selection);
    }
    TCustomListControl::WMDestroy(Message);
}

// ---- Items and selection ----------------------------------------------------------------------

int TCustomListBox::ItemIndex() const {
    if (!HandleAllocated()) return FItemIndex;
    return static_cast<int>(SendToWindow(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= Count()) Value = -1;
    if (!HandleAllocated()) {
        FItemIndex = Value;
        return;
    }
    if (ItemIndex() == Value) return;
    SendToWindow(FMultiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, Value, 0);
}

bool TCustomListBox::Selected(int Index) const {
    CheckIndex(Index, Count());
    if (HandleAllocated()) return SendToWindow(LB_GETSEL, Index, 0) > 0;
    if (!FMultiSelect) return Index == FItemIndex;
    return static_cast<size_t>(Index) < FSelection.size() && FSelection[static_cast<size_t>(Index)];
}

void TCustomListBox::SetSelected(int Index, bool Value) {
    CheckIndex(Index, Count());
    if (!FMultiSelect) {
        if (Value)
            SetItemIndex(Index);
        else if (ItemIndex() == Index)
            SetItemIndex(-1);
        return;
    }
    if (HandleAllocated()) {
        SendToWindow(LB_SETSEL, Value, Index);
        return;
    }
    FSelection.resize(static_cast<size_t>(Count()));
    FSelection[static_cast<size_t>(Index)] = Value;
}

int TCustomListBox::SelCount() const {
    // As the window system answers it: a single-selection list has no selection count.
    if (!FMultiSelect) return -1;
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        if (Selected(i)) ++count;
    return count;
}

void TCustomListBox::Clear() {
    FItems->Clear();
}

void TCustomListBox::ClearSelection() {
    if (!FMultiSelect) {
        SetItemIndex(-1);
        return;
    }
    for (int i = 0; i < Count(); ++i)
        SetSelected(i, false);
}

void TCustomListBox::SelectAll() {
    if (!FMultiSelect) return;
    for (int i = 0; i < Count(); ++i)
        SetSelected(i, true);
}

void TCustomListBox::DeleteSelected() {
    if (!FMultiSelect) {
        if (ItemIndex() >= 0) FItems->Delete(ItemIndex());
        return;
    }
    for (int i = Count() - 1; i >= 0; --i)
        if (Selected(i)) FItems->Delete(i);
}

void TCustomListBox::CopySelection(TCustomListControl* Destination) {
    if (!Destination) return;
    for (int i = 0; i < Count(); ++i)
        if (Selected(i)) Destination->AddItem(FItems->Get(i), FItems->GetObject(i));
}

int TCustomListBox::TopIndex() const {
    if (!HandleAllocated()) return FTopIndex;
    return static_cast<int>(SendToWindow(LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(int Value) {
    if (!HandleAllocated()) {
        FTopIndex = Value;
        return;
    }
    SendToWindow(LB_SETTOPINDEX, Value, 0);
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const {
    int index = -1;
    if (HandleAllocated()) {
        const intptr_t hit = SendToWindow(LB_ITEMFROMPOINT, 0, PointToLParam(Pos));
        if (((hit >> 16) & 0xFFFF) == 0) index = static_cast<int>(hit & 0xFFFF);
    } else if (FStyle != lbOwnerDrawVariable && PtInRect(ClientRect(), Pos)) {
        index = FTopIndex + (Pos.Y - FrameWidth()) / ItemHeight();
    }
    if (index >= 0 && index < Count()) return index;
    return Existing ? -1 : Count();
}

TRect TCustomListBox::ItemRect(int Index) const {
    TRect r;
    if (HandleAllocated()) {
        SendToWindow(LB_GETITEMRECT, Index, reinterpret_cast<intptr_t>(&r));
    } else if (FStyle != lbOwnerDrawVariable && Index >= 0 && Index <= Count()) {
        const int f = FrameWidth();
        const int top = f + (Index - FTopIndex) * ItemHeight();
        r = Rect(f, top, Width() - f, top + ItemHeight());
    }
    return r;
}

// ---- Looks and sizes --------------------------------------------------------------------------

void TCustomListBox::RowHeightChanged() {
    SendToWindow(LB_SETITEMHEIGHT, 0, ItemHeight());
    ReapplyHeight();
}

int TCustomListBox::FrameWidth() const {
    if (FBorderStyle != bsSingle) return 0;
    return FCtl3D ? 2 : 1;
}

int TCustomListBox::IntegralHeightFor(int Height) const {
    if (!FIntegralHeight || FStyle == lbOwnerDrawVariable || Height <= 0) return Height;
    const int frame = 2 * FrameWidth();
    const int row = ItemHeight();
    if (row <= 0) return Height;
    const int rows = std::max(1, (Height - frame) / row);
    return frame + rows * row;
}

void TCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomListControl::SetBounds(ALeft, ATop, AWidth, IntegralHeightFor(AHeight));
}

void TCustomListBox::ReapplyHeight() {
    SetBounds(Left(), Top(), Width(), Height());
}

void TCustomListBox::SetIntegralHeight(bool Value) {
    if (FIntegralHeight == Value) return;
    FIntegralHeight = Value;
    UpdateStyle();
    ReapplyHeight();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    UpdateStyle();
    ReapplyHeight();
}

void TCustomListBox::SetCtl3D(bool Value) {
    if (FCtl3D == Value) return;
    FCtl3D = Value;
    UpdateStyle();
    ReapplyHeight();
}

void TCustomListBox::SetMultiSelect(bool Value) {
    if (FMultiSelect == Value) return;
    FMultiSelect = Value;
    UpdateStyle();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
    if (FExtendedSelect == Value) return;
    FExtendedSelect = Value;
    UpdateStyle();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    UpdateStyle();
    RowHeightChanged();
}

bool TCustomListBox::WantsKey(uint16_t Key) {
    return Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE;
}

// ---- Notifications ----------------------------------------------------------------------------

void TCustomListBox::CNCommand(TMessage& Message) {
    switch ((Message.WParam >> 16) & 0xFFFF) {
    case LBN_SELCHANGE:
        Click();
        break;
    case LBN_DBLCLK:
        DblClick();
        break;
    default:
        break;
    }
}
