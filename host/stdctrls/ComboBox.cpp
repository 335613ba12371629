// TCustomCombo: items mirrored into the window (ListControlItems.cpp); the text and the current
// item are the window's while it exists.

#include "host/qt/StdWindows_p.h"
#include "host/stdctrls/StdCtrls.h"

// ---- TCustomCombo -----------------------------------------------------------------------------

TCustomCombo::TCustomCombo(TComponent* AOwner) : TCustomListControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 145, 21);
}

void TCustomCombo::CreateParams(TCreateParams& Params) {
    TCustomListControl::CreateParams(Params);
    static const uint32_t styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
    Params.WinClassName = "COMBOBOX";
    Params.Style |= WS_VSCROLL | CBS_HASSTRINGS | CBS_AUTOHSCROLL | styles[FStyle];
}

void TCustomCombo::CreateWnd() {
    // The text is put in once the items are there, so that a closed list box finds its item.
    const std::string text = TControl::GetText();
    TCustomListControl::CreateWnd();
    HWND wnd = Handle();
    SendMessage(wnd, WM_STYLECHANGED, GWL_STYLE, 0);
    SendMessage(wnd, CB_SETITEMHEIGHT, 0, ItemHeight());
    SendMessage(wnd, CB_SETMINVISIBLE, FDropDownCount, 0);
    SendMessage(wnd, CB_LIMITTEXT, FMaxLength, 0);
    SetWindowColors(wnd, Color(), Font()->Color());
    FillWindow();
    if (FItemIndex >= 0) SendMessage(wnd, CB_SETCURSEL, FItemIndex, 0);
    // An edit field may show text of its own beside the current item.
    if (GetWindowText(wnd) != text) SetWindowText(wnd, text);
    ApplyFixedHeight();
}

int TCustomCombo::FixedHeight() const {
    if (OwnerDrawn()) return ItemHeight() + 6;
    return LineHeightOf(*Font()) + 8;
}

void TCustomCombo::ApplyFixedHeight() {
    SetBounds(Left(), Top(), Width(), Height());
}

void TCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FStyle != csSimple && HandleAllocated()) AHeight = FixedHeight();
    TCustomListControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

TCustomListControl::TItemMessages TCustomCombo::ItemMessages() const {
    return {CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_SETITEMDATA};
}

void TCustomCombo::FillWindow() {
    FillItems();
}

void TCustomCombo::WMDestroy(TMessage& Message) {
    if (!ComponentState().Contains(csDestroying) && HandleAllocated()) {
        const int index = ItemIndex();
        TControl::SetText(GetWindowText(Handle()));
        FItemIndex = index;
    }
    TCustomListControl::WMDestroy(Message);
}

// ---- Items, current item and text -------------------------------------------------------------

int TCustomCombo::ItemIndex() const {
    if (!HandleAllocated()) return FItemIndex;
    return static_cast<int>(SendToWindow(CB_GETCURSEL, 0, 0));
}

void TCustomCombo::SetItemIndex(int Value) {
    if (Value < -1 || Value >= Count()) Value = -1;
    if (!HandleAllocated()) {
        FItemIndex = Value;
        TControl::SetText(Value >= 0 ? FItems->Get(Value) : std::string());
        return;
    }
    if (ItemIndex() == Value) return;
    SendToWindow(CB_SETCURSEL, Value, 0);
}

void TCustomCombo::Clear() {
    SetTextProp("");
    FItems->Clear();
}

void TCustomCombo::DeleteSelected() {
    if (ItemIndex() >= 0) FItems->Delete(ItemIndex());
}

void TCustomCombo::SelectAll() {
    SendToWindow(CB_SETEDITSEL, 0, MakeLong(0, -1));
}

void TCustomCombo::CopySelection(TCustomListControl* Destination) {
    if (Destination && ItemIndex() >= 0)
        Destination->AddItem(FItems->Get(ItemIndex()), FItems->GetObject(ItemIndex()));
}

int TCustomCombo::SelStart() const {
    int start = 0;
    SendToWindow(CB_GETEDITSEL, reinterpret_cast<intptr_t>(&start), 0);
    return start;
}

void TCustomCombo::SetSelStart(int Value) {
    SendToWindow(CB_SETEDITSEL, 0, MakeLong(Value, Value));
}

int TCustomCombo::SelLength() const {
    int start = 0;
    int end = 0;
    SendToWindow(CB_GETEDITSEL, reinterpret_cast<intptr_t>(&start),
                 reinterpret_cast<intptr_t>(&end));
    return end - start;
}

void TCustomCombo::SetSelLength(int Value) {
    const int start = SelStart();
    SendToWindow(CB_SETEDITSEL, 0, MakeLong(start, start + Value));
}

std::string TCustomCombo::SelText() const {
    const int length = SelLength();
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(length) * 3 + 1);
    const intptr_t size = SendToWindow(EM_GETSELTEXT, 0, reinterpret_cast<intptr_t>(buffer.data()));
    return std::string(buffer.data(), static_cast<size_t>(size));
}

void TCustomCombo::SetSelText(const std::string& Value) {
    SendToWindow(EM_REPLACESEL, 1, reinterpret_cast<intptr_t>(Value.c_str()));
}

// ---- Style and list ---------------------------------------------------------------------------

void TCustomCombo::SetStyle(TComboBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    UpdateStyle();
    RowHeightChanged();
}

void TCustomCombo::SetDropDownCount(int Value) {
    if (FDropDownCount == Value) return;
    FDropDownCount = Value;
    SendToWindow(CB_SETMINVISIBLE, Value, 0);
}

bool TCustomCombo::DroppedDown() const {
    return SendToWindow(CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomCombo::SetDroppedDown(bool Value) {
    SendMessage(Handle(), CB_SHOWDROPDOWN, Value, 0);
}

void TCustomCombo::RowHeightChanged() {
    SendToWindow(CB_SETITEMHEIGHT, 0, ItemHeight());
    ApplyFixedHeight();
}

void TCustomCombo::SetMaxLength(int Value) {
    if (FMaxLength == Value) return;
    FMaxLength = Value;
    SendToWindow(CB_LIMITTEXT, Value, 0);
}

bool TCustomCombo::WantsKey(uint16_t Key) {
    if (Key == VK_TAB) return false;
    // Enter and Esc close an open list; otherwise they are the form's.
    if (Key == VK_RETURN || Key == VK_ESCAPE) return DroppedDown();
    return true;
}

// ---- Notifications ----------------------------------------------------------------------------

void TCustomCombo::Change() {
    OnChange(this);
}

void TCustomCombo::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomCombo::DropDown() {
    OnDropDown(this);
}

void TCustomCombo::CloseUp() {
    OnCloseUp(this);
}

void TCustomCombo::CNCommand(TMessage& Message) {
    switch ((Message.WParam >> 16) & 0xFFFF) {
    case CBN_SELCHANGE:
        Click();
        Select();
        break;
    case CBN_EDITCHANGE:
        Change();
        break;
    case CBN_DROPDOWN:
        DropDown();
        break;
    case CBN_CLOSEUP:
        CloseUp();
        break;
    case CBN_DBLCLK:
        DblClick();
        break;
    default:
        break;
    }
}
