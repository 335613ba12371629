// TCustomListBox and its items: the items and their objects are the control's; the list box's
// window mirrors every change, and keeps the selection the user makes.

#include <algorithm>

#include "StdCtrls.h"
#include "qt/StdWindows_p.h"

namespace {
[[noreturn]] void OutOfBounds(int Index) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}
} // namespace

// ---- TListBoxStrings --------------------------------------------------------------------------

void TListBoxStrings::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) OutOfBounds(Index);
}

std::string TListBoxStrings::Get(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].Text;
}

TObject* TListBoxStrings::GetObject(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].Object;
}

void TListBoxStrings::Put(int Index, const std::string& S) {
    CheckIndex(Index);
    TObject* object = FItems[static_cast<size_t>(Index)].Object;
    const bool selected = FListBox->Selected(Index);
    const int itemIndex = FListBox->ItemIndex();
    Delete(Index);
    // A sorted list box puts the new text at its place; the selection stays where it was.
    InsertObject(Index, S, object);
    if (selected && FListBox->MultiSelect()) FListBox->SetSelected(Index, true);
    FListBox->SetItemIndex(itemIndex);
}

void TListBoxStrings::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    FItems[static_cast<size_t>(Index)].Object = AObject;
    FListBox->SendToWindow(LB_SETITEMDATA, Index, reinterpret_cast<intptr_t>(AObject));
}

void TListBoxStrings::Insert(int Index, const std::string& S) {
    InsertObject(Index, S, nullptr);
}

int TListBoxStrings::AddObject(const std::string& S, TObject* AObject) {
    int index = Count();
    if (FListBox->Sorted()) {
        // After the items that sort equal, so that equal items keep the order they came in.
        auto it = std::upper_bound(
            FItems.begin(), FItems.end(), S,
            [](const std::string& s, const TItem& item) { return CompareText(s, item.Text) < 0; });
        index = static_cast<int>(it - FItems.begin());
    }
    TCustomListBox* box = FListBox;
    FItems.insert(FItems.begin() + index, {S, AObject});
    if (box->HandleAllocated()) {
        box->SendToWindow(LB_INSERTSTRING, index, reinterpret_cast<intptr_t>(S.c_str()));
        box->SendToWindow(LB_SETITEMDATA, index, reinterpret_cast<intptr_t>(AObject));
    } else {
        // The saved selection moves with the items, as the window's does.
        if (box->FItemIndex >= index) ++box->FItemIndex;
        if (box->FSelection.size() >= static_cast<size_t>(index))
            box->FSelection.insert(box->FSelection.begin() + index, false);
    }
    return index;
}

void TListBoxStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    if (Index < 0 || Index > Count()) OutOfBounds(Index);
    if (FListBox->Sorted()) {
        AddObject(S, AObject);
        return;
    }
    TCustomListBox* box = FListBox;
    FItems.insert(FItems.begin() + Index, {S, AObject});
    if (box->HandleAllocated()) {
        box->SendToWindow(LB_INSERTSTRING, Index, reinterpret_cast<intptr_t>(S.c_str()));
        box->SendToWindow(LB_SETITEMDATA, Index, reinterpret_cast<intptr_t>(AObject));
    } else {
        if (box->FItemIndex >= Index) ++box->FItemIndex;
        if (box->FSelection.size() >= static_cast<size_t>(Index))
            box->FSelection.insert(box->FSelection.begin() + Index, false);
    }
}

void TListBoxStrings::Delete(int Index) {
    CheckIndex(Index);
    TCustomListBox* box = FListBox;
    FItems.erase(FItems.begin() + Index);
    if (box->HandleAllocated()) {
        box->SendToWindow(LB_DELETESTRING, Index, 0);
    } else {
        if (box->FItemIndex == Index)
            box->FItemIndex = -1;
        else if (box->FItemIndex > Index)
            --box->FItemIndex;
        if (static_cast<size_t>(Index) < box->FSelection.size())
            box->FSelection.erase(box->FSelection.begin() + Index);
    }
}

void TListBoxStrings::Clear() {
    FItems.clear();
    FListBox->FItemIndex = -1;
    FListBox->FTopIndex = 0;
    FListBox->FSelection.clear();
    FListBox->SendToWindow(LB_RESETCONTENT, 0, 0);
}

void TListBoxStrings::Sort() {
    TObject* current = nullptr;
    std::string currentText;
    const int index = FListBox->ItemIndex();
    if (index >= 0) {
        current = FItems[static_cast<size_t>(index)].Object;
        currentText = FItems[static_cast<size_t>(index)].Text;
    }
    std::stable_sort(FItems.begin(), FItems.end(), [](const TItem& a, const TItem& b) {
        return CompareText(a.Text, b.Text) < 0;
    });
    FListBox->FSelection.clear();
    FListBox->FillWindow();
    if (index < 0) return;
    // The current item stays current at its new place.
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].Object == current && FItems[i].Text == currentText) {
            FListBox->SetItemIndex(static_cast<int>(i));
            break;
        }
    }
}

// ---- TCustomListBox ---------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomListControl(AOwner), FItems(new TListBoxStrings(this)), FCanvas(new TCanvas) {
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

intptr_t TCustomListBox::SendToWindow(uint32_t Msg, intptr_t WParam, intptr_t LParam) const {
    if (!HandleAllocated()) return 0;
    return SendMessage(const_cast<TCustomListBox*>(this)->Handle(), Msg, WParam, LParam);
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

void TCustomListBox::FillWindow() {
    if (!HandleAllocated()) return;
    SendToWindow(LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < FItems->FItems.size(); ++i) {
        const auto& item = FItems->FItems[i];
        SendToWindow(LB_INSERTSTRING, static_cast<intptr_t>(i),
                     reinterpret_cast<intptr_t>(item.Text.c_str()));
        SendToWindow(LB_SETITEMDATA, static_cast<intptr_t>(i),
                     reinterpret_cast<intptr_t>(item.Object));
    }
    if (FMultiSelect)
        for (size_t i = 0; i < FSelection.size() && i < FItems->FItems.size(); ++i)
            if (FSelection[i]) SendToWindow(LB_SETSEL, 1, static_cast<intptr_t>(i));
    SendToWindow(FMultiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, FItemIndex, 0);
    SendToWindow(LB_SETTOPINDEX, FTopIndex, 0);
}

void TCustomListBox::WMDestroy(TMessage& Message) {
    // A window that goes while the control stays hands its selection back for the next one.
    if (!ComponentState().Contains(csDestroying) && HandleAllocated()) {
        const int index = ItemIndex();
        const int top = TopIndex();
        std::vector<bool> selection(FItems->FItems.size());
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
    FItems->CheckIndex(Index);
    if (HandleAllocated()) return SendToWindow(LB_GETSEL, Index, 0) > 0;
    if (!FMultiSelect) return Index == FItemIndex;
    return static_cast<size_t>(Index) < FSelection.size() && FSelection[static_cast<size_t>(Index)];
}

void TCustomListBox::SetSelected(int Index, bool Value) {
    FItems->CheckIndex(Index);
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
    FSelection.resize(FItems->FItems.size());
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
    TCanvas canvas;
    canvas.Font()->Assign(Font());
    return canvas.TextHeight("Wg");
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
