// TButtonControl, TButton, TCheckBox and TRadioButton: buttons of the window system, whose
// clicks come back as BN_CLICKED.

#include "host/qt/StdWindows_p.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
uint16_t NotifyCode(const TMessage& Message) {
    return static_cast<uint16_t>((Message.WParam >> 16) & 0xFFFF);
}
} // namespace

// ---- TButtonControl ---------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
    // Clicks come from the window (BN_CLICKED), not from the framework's own press and release.
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetTabStop(true);
}

void TButtonControl::Dispatch(TMessage& Message) {
    if (Message.Msg == CN_COMMAND) {
        CNCommand(Message);
        return;
    }
    TWinControl::Dispatch(Message);
}

void TButtonControl::CNCommand(TMessage& Message) {
    (void)Message;
}

bool TButtonControl::WantsKey(uint16_t Key) {
    // Enter and Esc belong to the form's default and cancel buttons, Tab to its navigation.
    return Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE;
}

void TButtonControl::CreateWnd() {
    TWinControl::CreateWnd();
    SetWindowColors(Handle(), Color(), Font()->Color());
}

void TButtonControl::CMColorChanged(TMessage& Message) {
    TWinControl::CMColorChanged(Message);
    if (HandleAllocated()) SetWindowColors(Handle(), Color(), Font()->Color());
}

void TButtonControl::CMFontChanged(TMessage& Message) {
    TWinControl::CMFontChanged(Message);
    if (HandleAllocated()) SetWindowColors(Handle(), Color(), Font()->Color());
}

// ---- TButton ----------------------------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& Params) {
    TButtonControl::CreateParams(Params);
    Params.WinClassName = "BUTTON";
    Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
    if (FDefault == Value) return;
    FDefault = Value;
    if (HandleAllocated())
        SendMessage(Handle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

bool TButton::Active() const {
    if (Focused()) return true;
    if (!FDefault) return false;
    TWinControl* focused = FindControl(GetFocus());
    return !(focused && focused->Is<TButton>());
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::CNCommand(TMessage& Message) {
    if (NotifyCode(Message) == BN_CLICKED) Click();
}

void TButton::CMDialogKey(TWMKey& Message) {
    const uint16_t key = Message.CharCode;
    if (((key == VK_RETURN && Active()) || (key == VK_ESCAPE && FCancel)) &&
        KeyDataToShiftState(Message.KeyData).Empty() && CanFocus() && Enabled()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogKey(Message);
}

void TButton::CMDialogChar(TWMKey& Message) {
    if (IsAccel(Message.CharCode, Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

// ---- TCustomCheckBox --------------------------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
    TButtonControl::CreateParams(Params);
    Params.WinClassName = "CHECKBOX";
    Params.Style |= BS_3STATE;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(Handle(), WM_STYLECHANGED, GWL_STYLE, 0);
    SendMessage(Handle(), BM_SETCHECK, FState, 0);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    if (HandleAllocated()) SendMessage(Handle(), BM_SETCHECK, Value, 0);
    if (!FClicksDisabled) Click();
}

void TCustomCheckBox::SetAlignment(TLeftRight Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    RestyleWindow(Handle(), params.Style, params.ExStyle);
}

void TCustomCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TCustomCheckBox::CNCommand(TMessage& Message) {
    if (NotifyCode(Message) == BN_CLICKED) Toggle();
}

void TCustomCheckBox::CMDialogChar(TWMKey& Message) {
    if (IsAccel(Message.CharCode, Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) Toggle();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

// ---- TRadioButton -----------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(0, 0, 113, 17);
    // Only the checked button of a group is a tab stop.
    SetTabStop(false);
}

void TRadioButton::CreateParams(TCreateParams& Params) {
    TButtonControl::CreateParams(Params);
    Params.WinClassName = "RADIOBUTTON";
    Params.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(Handle(), WM_STYLECHANGED, GWL_STYLE, 0);
    SendMessage(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    SetTabStop(Value);
    if (HandleAllocated())
        SendMessage(Handle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!Value) return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = Cast<TRadioButton>(parent->Controls(i));
            if (sibling && sibling != this) sibling->SetChecked(false);
        }
    }
    if (!FClicksDisabled) Click();
}

void TRadioButton::SetAlignment(TLeftRight Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    RestyleWindow(Handle(), params.Style, params.ExStyle);
}

void TRadioButton::CNCommand(TMessage& Message) {
    if (NotifyCode(Message) == BN_CLICKED) SetChecked(true);
}

void TRadioButton::CMDialogChar(TWMKey& Message) {
    if (IsAccel(Message.CharCode, Caption()) && CanFocus()) {
        // The platform's radio button reports a click when the keyboard focuses it.
        SetFocus();
        if (Focused()) SetChecked(true);
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}
