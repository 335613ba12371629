// TCustomForm: a top-level window (or a window inside a parent), its active control, closing.

#include "host/controls/Forms.h"
#include "host/menus/Menus.h"
#include "host/qt/ForeignParent_p.h"
#include "host/qt/WindowState_p.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FCanvas(new TCanvas) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks};
    FVisible = false;
    FWidth = 320;
    FHeight = 240;
    SetColor(clBtnFace);
    // A form's font is its own (a top-level window has no parent to follow), and streams
    // store it.
    SetParentFont(false);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (ScreenExists()) Screen->RemoveForm(this);
    FCanvas->Free();
}

void TCustomForm::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = "TForm";
    if (Parent() || ForeignParentOf(this)) return;
    Params.Style &= ~(WS_CHILD | WS_VISIBLE);
    switch (FBorderStyle) {
    case bsNone:
        Params.Style |= WS_POPUP;
        break;
    case bsSingle:
        Params.Style |= WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_MINIMIZEBOX;
        break;
    case bsSizeable:
        Params.Style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        break;
    case bsDialog:
        Params.Style |= WS_CAPTION | WS_SYSMENU;
        Params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        Params.Style |= WS_CAPTION | WS_SYSMENU;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (FMenu) AttachMenu();
    if (FVisible) ShowWindow(Handle(), SW_SHOW);
}

void TCustomForm::ApplyWindowStyle() {
    if (!HandleAllocated() || Parent() || ForeignParentOf(this)) return;
    TCreateParams params;
    CreateParams(params);
    SetWindowLong(Handle(), GWL_EXSTYLE, params.ExStyle);
    SetWindowLong(Handle(), GWL_STYLE, params.Style | (IsWindowVisible(Handle()) ? WS_VISIBLE : 0));
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    ApplyWindowStyle();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
    if (FFormStyle == value) return;
    FFormStyle = value;
    ApplyWindowStyle();
}

void TCustomForm::SetWindowState(TWindowState value) {
    if (FWindowState == value) return;
    FWindowState = value;
    if (HandleAllocated() && Showing())
        ShowWindow(Handle(), value == wsMinimized   ? SW_SHOWMINIMIZED
                             : value == wsMaximized ? SW_SHOWMAXIMIZED
                                                    : SW_RESTORE);
}

void TCustomForm::SetParent(TWinControl* AParent) {
    // A form whose window a Qt widget held still sits in that widget's window: no parent
    // takes it out as well.
    const bool inForeignWindow = !Parent() && HandleAllocated() && !ForeignParentOf(this) &&
                                 ::GetParent(Handle()) != nullptr;
    if (Parent() == AParent && !(inForeignWindow && !AParent)) return;
    if (!AParent && HandleAllocated()) {
        // Leaving its parent, the form becomes a window of its own again.
        TControl::SetParent(nullptr);
        ::SetParent(Handle(), nullptr);
        ApplyWindowStyle();
        return;
    }
    TWinControl::SetParent(AParent);
}

TPoint TCustomForm::ClientOrigin() const {
    if (Parent() || ForeignParentOf(this)) return TWinControl::ClientOrigin();
    return {FLeft, FTop};
}

bool TCustomForm::Showing() const {
    return TWinControl::Showing();
}

// ---- Showing and activation -------------------------------------------------------------------

void TCustomForm::PlaceOnShow() {
    if (FPlaced || Parent() || ForeignParentOf(this)) return;
    FPlaced = true;
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter)
        SetBounds((Screen->Width() - FWidth) / 2, (Screen->Height() - FHeight) / 2, FWidth,
                  FHeight);
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::CMVisibleChanged(TMessage& Message) {
    if (Parent() || ForeignParentOf(this)) {
        TWinControl::CMVisibleChanged(Message);
        return;
    }
    // A form being loaded shows once it is whole, in Loaded.
    if (ComponentState().Contains(csLoading)) return;
    if (Visible()) {
        PlaceOnShow();
        OnShow(this);
        ShowWindow(Handle(), SW_SHOW);
        SetActiveWindow(Handle());
        if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->Handle());
    } else {
        OnHide(this);
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    }
    DefaultHandler(Message);
}

bool TCustomForm::Active() const {
    return HandleAllocated() && GetActiveWindow() == const_cast<TCustomForm*>(this)->Handle();
}

void TCustomForm::SetFocus() {
    if (!Visible() || !Enabled())
        throw EInvalidOperation("不能把焦点移到禁用或不可见的窗口");
    SetActiveWindow(Handle());
    if (FActiveControl && FActiveControl->CanFocus())
        FActiveControl->SetFocus();
    else
        ::SetFocus(Handle());
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (Control && (Control == this || !ContainsControl(Control)))
        throw EInvalidOperation("该控件不能作为窗体的活动控件");
    if (FActiveControl != Control) {
        if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
        FActiveControl = Control;
        if (Control) Control->FreeNotification(this);
    }
    if (Control && Active() && Control->CanFocus() && !Control->Focused()) Control->SetFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (Control == this || FActiveControl == Control) return true;
    if (ComponentState().Contains(csDestroying)) Control = nullptr;
    TWinControl* previous = FActiveControl;
    if (previous) previous->RemoveFreeNotification(this);
    FActiveControl = Control;
    if (Control) Control->FreeNotification(this);
    if (previous) previous->OnExit(previous);
    if (Control) Control->OnEnter(Control);
    return true;
}

void TCustomForm::BeforeDestruction() {
    if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
    FActiveControl = nullptr;
    Destroying();
    inherited::BeforeDestruction();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActiveControl) FActiveControl = nullptr;
    if (Operation == opRemove && AComponent == FMenu) FMenu = nullptr;
}

void TCustomForm::WMActivate(TMessage& Message) {
    DefaultHandler(Message);
    if ((Message.WParam & 0xFFFF) != WA_INACTIVE) {
        OnActivate(this);
        if (FActiveControl && FActiveControl->CanFocus() && !FActiveControl->Focused())
            ::SetFocus(FActiveControl->Handle());
    } else {
        OnDeactivate(this);
    }
}

void TCustomForm::WMShowWindow(TMessage& Message) {
    DefaultHandler(Message);
}

void TCustomForm::PaintWindow(HDC) {
    OnPaint(this);
}

// ---- Keys and navigation ----------------------------------------------------------------------

void TCustomForm::CMDialogKey(TWMKey& Message) {
    TShiftState shift = KeyDataToShiftState(Message.KeyData);
    if (Message.CharCode == VK_TAB && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
        SelectNext(FActiveControl, !shift.Contains(ssShift), true);
        Message.Result = 1;
        return;
    }
    TWinControl::CMDialogKey(Message);
}

void TCustomForm::WMNextDlgCtl(TMessage& Message) {
    if (Message.LParam & 0xFFFF) {
        // WParam names the window to focus.
        if (TWinControl* c = FindControl(reinterpret_cast<HWND>(Message.WParam)))
            if (c->CanFocus()) c->SetFocus();
        return;
    }
    SelectNext(FActiveControl, Message.WParam == 0, true);
}

// ---- Closing ----------------------------------------------------------------------------------

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    OnClose(this, Action);
}

void TCustomForm::Close() {
    if (!CloseQuery()) return;
    const bool mainForm = ApplicationExists() && Application->MainForm() == this;
    TCloseAction action = mainForm ? caFree : caHide;
    DoClose(action);
    switch (action) {
    case caNone:
        return;
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    }
    if (mainForm && action != caNone) Application->Terminate();
}

void TCustomForm::WMClose(TMessage&) {
    Close();
}

void TCustomForm::Release() {
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&) {
    Free();
}

void TCustomForm::WMDestroy(TMessage& Message) {
    OnDestroy(this);
    if (FMenu && FMenu->WindowHandle() == Handle()) FMenu->SetWindowHandle(nullptr);
    TWinControl::WMDestroy(Message);
}

int TCustomForm::ShowModal() {
    FModalResult = 0;
    Show();
    SetWindowModal(Handle(), true);
    RunModalLoop([this] {
        return FModalResult != 0 || !Visible() || ComponentState().Contains(csDestroying);
    });
    if (IsWindow(Handle())) SetWindowModal(Handle(), false);
    if (FModalResult == 0) FModalResult = 2; // the platform's mrCancel
    Hide();
    return FModalResult;
}
