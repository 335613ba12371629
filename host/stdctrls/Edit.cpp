// TCustomEdit: a single-line edit; its text, selection and undo live in the edit's window.

#include <vector>

#include "host/qt/StdWindows_p.h"
#include "host/stdctrls/StdCtrls.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    // An edit shows the window colour, not its parent's.
    SetParentColor(false);
}

void TCustomEdit::Dispatch(TMessage& Message) {
    if (Message.Msg == CN_COMMAND) {
        CNCommand(Message);
        return;
    }
    TWinControl::Dispatch(Message);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = "EDIT";
    Params.Style |= ES_AUTOHSCROLL;
    if (FBorderStyle == bsSingle) {
        if (FCtl3D)
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
    if (FReadOnly) Params.Style |= ES_READONLY;
    if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
    if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    HWND wnd = Handle();
    SendMessage(wnd, WM_STYLECHANGED, GWL_STYLE, 0);
    SendMessage(wnd, EM_LIMITTEXT, FMaxLength, 0);
    if (FPasswordChar) SendMessage(wnd, EM_SETPASSWORDCHAR, static_cast<uint8_t>(FPasswordChar), 0);
    SendMessage(wnd, EM_SETMODIFY, FModified, 0);
    SetWindowColors(wnd, Color(), Font()->Color());
    AdjustHeight();
}

void TCustomEdit::UpdateStyle() {
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    RestyleWindow(Handle(), params.Style, params.ExStyle);
}

void TCustomEdit::WMDestroy(TMessage& Message) {
    // A window that goes while the control stays hands its state back for the next window.
    if (!ComponentState().Contains(csDestroying) && HandleAllocated()) {
        FModified = SendMessage(Handle(), EM_GETMODIFY, 0, 0) != 0;
        TControl::SetText(GetWindowText(Handle()));
    }
    TWinControl::WMDestroy(Message);
}

void TCustomEdit::Change() {
    OnChange(this);
}

void TCustomEdit::CNCommand(TMessage& Message) {
    if (((Message.WParam >> 16) & 0xFFFF) == EN_CHANGE) Change();
}

bool TCustomEdit::WantsKey(uint16_t Key) {
    // Enter and Esc belong to the form's default and cancel buttons, Tab to its navigation.
    return Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE;
}

void TCustomEdit::WMSetFocus(TWMSetFocus& Message) {
    TWinControl::WMSetFocus(Message);
    // Entered by the keyboard, the text is selected so that typing replaces it.
    if (FAutoSelect && GetKeyState(VK_LBUTTON) >= 0 &&
        !(GetWindowLong(Handle(), GWL_STYLE) & ES_MULTILINE))
        SelectAll();
}

void TCustomEdit::AdjustHeight() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    SetHeight(LineHeightOf(*Font()) + (FCtl3D ? 8 : 6));
}

void TCustomEdit::CMColorChanged(TMessage& Message) {
    TWinControl::CMColorChanged(Message);
    if (HandleAllocated()) SetWindowColors(Handle(), Color(), Font()->Color());
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
    TWinControl::CMFontChanged(Message);
    if (HandleAllocated()) {
        SetWindowColors(Handle(), Color(), Font()->Color());
        AdjustHeight();
    }
}

// ---- Properties -------------------------------------------------------------------------------

void TCustomEdit::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    if (Value && HandleAllocated()) AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    UpdateStyle();
}

void TCustomEdit::SetCtl3D(bool Value) {
    if (FCtl3D == Value) return;
    FCtl3D = Value;
    UpdateStyle();
    if (HandleAllocated()) AdjustHeight();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    if (FCharCase == Value) return;
    FCharCase = Value;
    UpdateStyle();
}

void TCustomEdit::SetHideSelection(bool Value) {
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    UpdateStyle();
}

void TCustomEdit::SetMaxLength(int Value) {
    if (FMaxLength == Value) return;
    FMaxLength = Value;
    if (HandleAllocated()) SendMessage(Handle(), EM_LIMITTEXT, Value, 0);
}

bool TCustomEdit::Modified() const {
    if (!HandleAllocated()) return FModified;
    return SendMessage(const_cast<TCustomEdit*>(this)->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool Value) {
    FModified = Value;
    if (HandleAllocated()) SendMessage(Handle(), EM_SETMODIFY, Value, 0);
}

void TCustomEdit::SetPasswordChar(char Value) {
    if (FPasswordChar == Value) return;
    FPasswordChar = Value;
    if (HandleAllocated())
        SendMessage(Handle(), EM_SETPASSWORDCHAR, static_cast<uint8_t>(Value), 0);
}

void TCustomEdit::SetReadOnly(bool Value) {
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    if (HandleAllocated()) SendMessage(Handle(), EM_SETREADONLY, Value, 0);
}

// ---- Selection, clipboard and undo ------------------------------------------------------------

int TCustomEdit::SelStart() const {
    if (!HandleAllocated()) return 0;
    int start = 0;
    SendMessage(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL,
                reinterpret_cast<intptr_t>(&start), 0);
    return start;
}

void TCustomEdit::SetSelStart(int Value) {
    SendMessage(Handle(), EM_SETSEL, Value, Value);
}

int TCustomEdit::SelLength() const {
    if (!HandleAllocated()) return 0;
    int start = 0;
    int end = 0;
    SendMessage(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL,
                reinterpret_cast<intptr_t>(&start), reinterpret_cast<intptr_t>(&end));
    return end - start;
}

void TCustomEdit::SetSelLength(int Value) {
    const int start = SelStart();
    SendMessage(Handle(), EM_SETSEL, start, start + Value);
}

std::string TCustomEdit::SelText() const {
    const int length = SelLength();
    if (length <= 0) return {};
    // A UTF-16 unit takes at most three bytes of UTF-8.
    std::vector<char> buffer(static_cast<size_t>(length) * 3 + 1);
    const intptr_t size = SendMessage(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSELTEXT, 0,
                                      reinterpret_cast<intptr_t>(buffer.data()));
    return std::string(buffer.data(), static_cast<size_t>(size));
}

void TCustomEdit::SetSelText(const std::string& Value) {
    SendMessage(Handle(), EM_REPLACESEL, 1, reinterpret_cast<intptr_t>(Value.c_str()));
}

void TCustomEdit::SelectAll() {
    if (HandleAllocated()) SendMessage(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() {
    if (HandleAllocated()) SendMessage(Handle(), WM_CLEAR, 0, 0);
}

void TCustomEdit::Clear() {
    SetTextProp("");
}

void TCustomEdit::Undo() {
    if (HandleAllocated()) SendMessage(Handle(), EM_UNDO, 0, 0);
}

bool TCustomEdit::CanUndo() const {
    if (!HandleAllocated()) return false;
    return SendMessage(const_cast<TCustomEdit*>(this)->Handle(), EM_CANUNDO, 0, 0) != 0;
}

void TCustomEdit::ClearUndo() {
    if (HandleAllocated()) SendMessage(Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
}

void TCustomEdit::CutToClipboard() {
    if (HandleAllocated()) SendMessage(Handle(), WM_CUT, 0, 0);
}

void TCustomEdit::CopyToClipboard() {
    if (HandleAllocated()) SendMessage(Handle(), WM_COPY, 0, 0);
}

void TCustomEdit::PasteFromClipboard() {
    if (HandleAllocated()) SendMessage(Handle(), WM_PASTE, 0, 0);
}
