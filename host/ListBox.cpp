// TCustomListBox: items mirrored into the window (ListControlItems.cpp), the selection the user
// makes there, rows of a set height and an integral height.

#include <algorithm>

#include "StdCtrls.h"
#include "qt/StdWindows_p.h"

namespace {
void CheckIndex(int Index, int Count) {
    if (Index < 0 || Index >= Count)
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}
} // namespace

// ---- TCustomListBox ---------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomListControl(AOwner), FItems(new TListControlItems(this)), FCanvas(new TCanvas) {
    FControlStyle = {csSetCaption, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    FCanvas->Font()->Assign(Font());
}

TCustomListBox::~TCustomListBox() {
    FItems->Free();
    FCanvas->Free();
}

void TCustomListBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CN_COMMAND:
        CNCommand(Message);
        return;
    case CN_DRAWITEM:
        PaintOwnerDrawItem(Message, FCanvas);
        return;
    case CN_MEASUREITEM:
        CNMeasureItem(Message);
        return;
    default:
        TCustomListControl::Dispatch(Message);
    }
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
    ApplyRowHeight();
    FillWindow();
}

TCustomListControl::TItemMessages TCustomListBox::ItemMessages() const {
    return {LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETITEMDATA};
}

void TCustomListBox::ItemInserted(int Index) {
    if (HandleAllocated()) return;
    if (FItemIndex >= Index) ++FItemIndex;
    if (FSelection.size() >= static_cast<size_t>(Index))
        FSelection.insert(FSelection.begin() + Index, false);
}

void TCustomListBox::ItemDeleted(int Index) {
    if (HandleAllocated()) return;
    if (FItemIndex == Index)
        FItemIndex = -1;
    else if (FItemIndex > Index)
        --FItemIndex;
    if (static_cast<size_t>(Index) < FSelection.size())
        FSelection.erase(FSelection.begin() + Index);
}

void TCustomListBox::ItemsCleared() {
    FItemIndex = -1;
    FTopIndex = 0;
    FSelection.clear();
}

void TCustomListBox::FillWindow() {
    if (!HandleAllocated()) return;
    SendToWindow(LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < Count(); ++i) {
        const std::string text = FItems->Get(i);
        SendToWindow(LB_INSERTSTRING, i, reinterpret_cast<intptr_t>(text.c_str()));
        SendToWindow(LB_SETITEMDATA, i, reinterpret_cast<intptr_t>(FItems->GetObject(i)));
    }
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

void TCustomListBox::UpdateStyle() {
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    RestyleWindow(Handle(), params.Style, params.ExStyle);
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

void TCustomListBox::AddItem(const std::string& Item, TObject* AObject) {
    FItems->AddObject(Item, AObject);
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
        index = FTopIndex + (Pos.Y - FrameWidth()) / RowHeight();
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
        const int top = f + (Index - FTopIndex) * RowHeight();
        r = Rect(f, top, Width() - f, top + RowHeight());
    }
    return r;
}

// ---- Looks and sizes --------------------------------------------------------------------------

int TCustomListBox::RowHeight() const {
    if (FStyle != lbStandard) return FItemHeight;
    // Standard rows are a line of the font high.
    return LineHeightOf(*Font());
}

int TCustomListBox::ItemHeight() const {
    return RowHeight();
}

void TCustomListBox::ApplyRowHeight() {
    SendToWindow(LB_SETITEMHEIGHT, 0, RowHeight());
}

void TCustomListBox::SetItemHeight(int Value) {
    if (Value <= 0 || FItemHeight == Value) return;
    FItemHeight = Value;
    if (FStyle == lbStandard) return;
    ApplyRowHeight();
    ReapplyHeight();
}

int TCustomListBox::FrameWidth() const {
    if (FBorderStyle != bsSingle) return 0;
    return FCtl3D ? 2 : 1;
}

int TCustomListBox::IntegralHeightFor(int Height) const {
    if (!FIntegralHeight || FStyle == lbOwnerDrawVariable || Height <= 0) return Height;
    const int frame = 2 * FrameWidth();
    const int row = RowHeight();
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

void TCustomListBox::SetSorted(bool Value) {
    if (FSorted == Value) return;
    FSorted = Value;
    if (Value) FItems->Sort();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    UpdateStyle();
    ApplyRowHeight();
    ReapplyHeight();
}

bool TCustomListBox::WantsKey(uint16_t Key) {
    return Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE;
}

void TCustomListBox::CMColorChanged(TMessage& Message) {
    TCustomListControl::CMColorChanged(Message);
    if (HandleAllocated()) SetWindowColors(Handle(), Color(), Font()->Color());
}

void TCustomListBox::CMFontChanged(TMessage& Message) {
    TCustomListControl::CMFontChanged(Message);
    FCanvas->Font()->Assign(Font());
    if (HandleAllocated()) SetWindowColors(Handle(), Color(), Font()->Color());
    ApplyRowHeight();
    ReapplyHeight();
}

// ---- Notifications and owner drawing ----------------------------------------------------------

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

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->FillRect(Rect);
    if (Index < Count()) FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Get(Index));
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
    OnMeasureItem(this, Index, Height);
}

void TCustomListBox::CNMeasureItem(TMessage& Message) {
    auto* item = reinterpret_cast<TMeasureItemStruct*>(Message.LParam);
    if (!item) return;
    int height = FItemHeight;
    MeasureItem(item->itemID, height);
    item->itemHeight = static_cast<uint32_t>(std::max(height, 0));
    Message.Result = 1;
}
