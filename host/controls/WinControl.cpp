// TWinControl: the window behind the control, its children, and the messages that need a window.

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/graphics/GdiApi.h"
#include "host/qt/ForeignParent_p.h"
#include "host/qt/WindowState_p.h"

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(new TBrush) {
    FObjectInstance = MakeObjectInstance([this](TMessage& m) { MainWndProc(m); });
    FBrush->SetColor(Color());
}

TWinControl::~TWinControl() {
    // Deleted without Free, the control is past taking messages: its window goes silently.
    if (FHandle) MarkDestroySent(FHandle);
    // A windowed control frees its children, whoever owns them; each leaves the lists first.
    while (ControlCount() > 0) {
        TControl* c = Controls(ControlCount() - 1);
        Remove(c);
        c->Free();
    }
    if (Parent()) Parent()->Remove(this);
    DestroyHandle();
    FreeObjectInstance(FObjectInstance);
    FBrush->Free();
}

void TWinControl::BeforeDestruction() {
    inherited::BeforeDestruction();
    NotifySendDestroy();
}

/// WM_DESTROY goes to the window and its descendants while every control is still whole.
void TWinControl::NotifySendDestroy() {
    if (HandleAllocated() && MarkDestroySent(FHandle)) SendMessage(FHandle, WM_DESTROY, 0, 0);
    for (TWinControl* c : std::vector<TWinControl*>(FWinControls))
        c->NotifySendDestroy();
}

void TWinControl::MainWndProc(TMessage& Message) {
    try {
        WindowProc(Message);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (!FHandle) return;
    Message.Result =
        CallWindowProc(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// ---- The window
// ----------------------------------------------------------------------------------

HWND TWinControl::Handle() {
    if (!FHandle) {
        if (Parent()) Parent()->HandleNeeded();
        if (!FHandle) CreateHandle();
    }
    return FHandle;
}

void TWinControl::CreateParams(TCreateParams& Params) {
    Params.Caption = TControl::GetText();
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) Params.Style |= WS_CLIPCHILDREN;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    if (!Enabled()) Params.Style |= WS_DISABLED;
    if (FVisible) Params.Style |= WS_VISIBLE;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    // Without a parent control, the window of a Qt widget that holds the control, if any.
    Params.WndParent = Parent() ? Parent()->FHandle : ForeignParentOf(this);
    Params.WinClassName = ClassName();
}

void TWinControl::UpdateClientEdge(bool Sunken) {
    if (!HandleAllocated()) return;
    uint32_t ex = static_cast<uint32_t>(GetWindowLong(Handle(), GWL_EXSTYLE));
    ex = Sunken ? ex | WS_EX_CLIENTEDGE : ex & ~WS_EX_CLIENTEDGE;
    SetWindowLong(Handle(), GWL_EXSTYLE, static_cast<intptr_t>(ex));
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
    FHandle = CreateWindowEx(Params.ExStyle, Params.WinClassName, Params.Caption, Params.Style,
                             Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent);
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("控件“" + Name() + "”没有父窗口");
    CreateWindowHandle(params);
    if (!FHandle) throw EOutOfResources("创建窗口出错");
    FDefWndProc = reinterpret_cast<WNDPROC>(GetWindowLong(FHandle, GWL_WNDPROC));
    SetWindowLong(FHandle, GWL_WNDPROC, reinterpret_cast<intptr_t>(FObjectInstance));
    AttachControl(FHandle, this);
    if (!ParentFont() || Parent()) ApplyFont();
    if (Cursor() != crDefault) SetWindowCursor(FHandle, Cursor());
    if (ShowHint() && !Hint().empty()) SetWindowToolTip(FHandle, Hint());
    if (FControlStyle.Contains(csOpaque)) SetWindowOpaque(FHandle, true);
}

void TWinControl::CreateHandle() {
    if (FHandle) return;
    FControlState.Include(csCreating);
    try {
        CreateWnd();
    } catch (...) {
        FControlState.Exclude(csCreating);
        throw;
    }
    FControlState.Exclude(csCreating);
    // Children get their windows in z-order, so the stacking of the widgets follows the list.
    for (TWinControl* c : std::vector<TWinControl*>(FWinControls))
        c->CreateHandle();
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    // A window destroyed while the control lives on (it left its parent) is told so first,
    // before its children; in destruction, BeforeDestruction already told them.
    if (MarkDestroySent(FHandle)) SendMessage(FHandle, WM_DESTROY, 0, 0);
    for (TWinControl* c : FWinControls)
        c->DestroyHandle();
    HWND wnd = FHandle;
    FHandle = nullptr;
    if (IsWindow(wnd)) {
        // The control no longer answers for the window: nothing reaches it from here on.
        SetWindowLong(wnd, GWL_WNDPROC, reinterpret_cast<intptr_t>(FDefWndProc));
        AttachControl(wnd, nullptr);
        DestroyWindow(wnd);
    }
}

void TWinControl::UpdateWindowBounds(const TRect& NewBounds) {
    if (FHandle) PlaceWindow(FHandle, NewBounds);
}

void TWinControl::ApplyFont() {
    if (FHandle) SetWindowFont(FHandle, *Font());
}

// ---- Children ---------------------------------------------------------------------------------

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EListError("列表索引越界（" + IntToStr(index) + "）");
    size_t i = static_cast<size_t>(index);
    if (i < FControls.size()) return FControls[i];
    return FWinControls[i - FControls.size()];
}

void TWinControl::Insert(TControl* AControl) {
    if (auto* win = Cast<TWinControl>(AControl)) {
        FWinControls.push_back(win);
        FTabList.push_back(win);
    } else {
        FControls.push_back(AControl);
    }
    AControl->FParent = this;
}

void TWinControl::Remove(TControl* AControl) {
    // From the end: children usually go newest first, which keeps freeing many linear.
    auto drop = [AControl](auto& list) {
        auto it = std::find(list.rbegin(), list.rend(), AControl);
        if (it != list.rend()) list.erase(std::next(it).base());
    };
    drop(FControls);
    drop(FWinControls);
    drop(FTabList);
    AControl->FParent = nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
    if (AControl->Parent() == this) return;
    Insert(AControl);
    if (auto* win = Cast<TWinControl>(AControl)) {
        if (win->HandleAllocated()) {
            if (HandleAllocated()) ::SetParent(win->FHandle, FHandle);
        } else if (HandleAllocated()) {
            win->CreateHandle();
        }
    }
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    // Containers that arrange their children (tool bars, cool bars) learn of the newcomer.
    Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(AControl), 1);
    if (AControl->Align() != alNone) AlignControl(AControl);
    AControl->Invalidate();
}

void TWinControl::RemoveControl(TControl* AControl) {
    if (AControl->Parent() != this) return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(AControl), 0);
    AControl->Invalidate();
    if (auto* win = Cast<TWinControl>(AControl)) {
        if (GetCaptureControl() == win) SetCaptureControl(nullptr);
        if (TCustomForm* form = GetParentForm(this))
            if (form->ActiveControl() == win || win->ContainsControl(form->ActiveControl()))
                form->SetActiveControl(nullptr);
    }
    Remove(AControl);
    if (AControl->Align() != alNone) Realign();
}

void TWinControl::SetParent(TWinControl* AParent) {
    if (Parent() == AParent) return;
    TControl::SetParent(AParent);
    if (!HandleAllocated()) return;
    // The window follows the control into its new parent; without a parent window to live
    // in, it goes.
    if (AParent && AParent->HandleAllocated()) {
        ::SetParent(FHandle, AParent->FHandle);
        SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    } else {
        DestroyHandle();
    }
}

bool TWinControl::ContainsControl(TControl* Control) const {
    for (; Control; Control = Control->Parent())
        if (Control == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
    auto hit = [&](TControl* c) {
        return (c->Visible() || (c->ComponentState().Contains(csDesigning) &&
                                 !c->ControlStyle().Contains(csNoDesignVisible))) &&
               (c->Enabled() || AllowDisabled) && PtInRect(c->BoundsRect(), Pos);
    };
    if (AllowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hit(*it)) return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hit(*it)) return *it;
    return nullptr;
}

// ---- State ------------------------------------------------------------------------------------

bool TWinControl::Showing() const {
    return FHandle && IsWindowVisible(FHandle);
}

void TWinControl::SetEnabled(bool value) {
    TControl::SetEnabled(value);
}

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle, nullptr, true);
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::SetZOrder(bool TopMost) {
    if (!Parent()) {
        if (FHandle)
            SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    auto& list = Parent()->FWinControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    if (FHandle)
        SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE);
}

TCaption TWinControl::GetText() const {
    if (FHandle) return GetWindowText(FHandle);
    return TControl::GetText();
}

void TWinControl::SetText(const TCaption& value) {
    if (GetText() == value) return;
    if (FHandle) SetWindowText(FHandle, value);
    // The text is kept by the control too, for when the window is made again.
    TControl::SetText(value);
}

// ---- Window messages --------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& Message) {
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST &&
        Message.Msg != WM_MOUSEWHEEL) {
        TWMMouse mouse(Message);
        if (IsControlMouseMsg(mouse)) return;
    }
    TControl::WndProc(Message);
}

/// Hands a mouse message to the non-windowed child under it (or holding the capture).
bool TWinControl::IsControlMouseMsg(TWMMouse& Message) {
    TControl* target = nullptr;
    if (FHandle && GetCapture() == FHandle) {
        TControl* capture = GetCaptureControl();
        if (capture && capture != this && capture->Parent() == this) target = capture;
    } else {
        target = ControlAtPos(Message.Pos(), false);
    }
    if (!target) return false;
    TPoint p = Message.Pos();
    Message.Result = target->Perform(Message.Msg, Message.Raw.WParam,
                                     MakeLong(p.X - target->Left(), p.Y - target->Top()));
    return true;
}

void TWinControl::WMWindowPosChanged(TWMWindowPosChanged& Message) {
    TControl::WMWindowPosChanged(Message);
}

void TWinControl::WMSize(TWMSize& Message) {
    TControl::WMSize(Message);
    Realign();
}

void TWinControl::WMPaint(TWMPaint& Message) {
    DefaultHandler(Message);
    PaintWindow(Message.DC());
    PaintControls();
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls() {
    if (!FHandle) return;
    for (TControl* c : std::vector<TControl*>(FControls)) {
        auto* g = Cast<TGraphicControl>(c);
        if (!g || !g->Visible() || g->Width() <= 0 || g->Height() <= 0) continue;
        BindWindowCanvas(g->Canvas(), FHandle, g->BoundsRect().TopLeft(), g->BoundsRect());
        try {
            g->Perform(WM_PAINT, 0, 0);
        } catch (...) {
            UnbindWindowCanvas(g->Canvas());
            throw;
        }
        UnbindWindowCanvas(g->Canvas());
    }
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& Message) {
    if (HDC dc = Message.DC()) {
        TRect r = ClientRect();
        FillRect(dc, &r, FBrush->Handle());
    }
    Message.Result = 1;
}

void TWinControl::WMSetFocus(TWMSetFocus& Message) {
    DefaultHandler(Message);
    if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TWMKillFocus& Message) {
    DefaultHandler(Message);
}

void TWinControl::WMSetCursor(TWMSetCursor& Message) {
    if (Message.HitTest == HTCLIENT && FHandle) {
        TCursor cursor = Screen->Cursor();
        if (cursor == crDefault) {
            TPoint p;
            GetCursorPos(p);
            TControl* child = ControlAtPos(ScreenToClient(p), false);
            cursor = child && child->Cursor() != crDefault ? child->Cursor() : Cursor();
        }
        SetWindowCursor(FHandle, cursor);
        if (cursor != crDefault) {
            Message.Result = 1;
            return;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMDestroy(TMessage& Message) {
    DefaultHandler(Message);
}

void TWinControl::CMVisibleChanged(TMessage& Message) {
    if (FHandle) ShowWindow(FHandle, Visible() ? SW_SHOW : SW_HIDE);
    TControl::CMVisibleChanged(Message);
}

void TWinControl::CMEnabledChanged(TMessage& Message) {
    if (FHandle) EnableWindow(FHandle, Enabled());
    DefaultHandler(Message);
}

void TWinControl::CMColorChanged(TMessage& Message) {
    FBrush->SetColor(Color());
    for (TControl* c : std::vector<TControl*>(FControls))
        c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    for (TWinControl* c : std::vector<TWinControl*>(FWinControls))
        c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    Invalidate();
    DefaultHandler(Message);
}

void TWinControl::CMFontChanged(TMessage& Message) {
    ApplyFont();
    for (TControl* c : std::vector<TControl*>(FControls))
        c->Perform(CM_PARENTFONTCHANGED, 0, 0);
    for (TWinControl* c : std::vector<TWinControl*>(FWinControls))
        c->Perform(CM_PARENTFONTCHANGED, 0, 0);
    Invalidate();
    DefaultHandler(Message);
}

void TWinControl::CMCursorChanged(TMessage& Message) {
    if (FHandle) SetWindowCursor(FHandle, Cursor());
    DefaultHandler(Message);
}

void TWinControl::CMTextChanged(TMessage& Message) {
    Invalidate();
    DefaultHandler(Message);
}

void TWinControl::WMContextMenu(TMessage& Message) {
    if (Message.Result != 0) return;
    // A control without a window under the point has its say first.
    TPoint pos = PointFromLParam(Message.LParam);
    if (pos.X != -1 || pos.Y != -1)
        if (TControl* child = ControlAtPos(ScreenToClient(pos), false))
            Message.Result = child->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
    if (Message.Result == 0) TControl::WMContextMenu(Message);
}

void TWinControl::CMHintShowChanged(TMessage& Message) {
    if (FHandle) SetWindowToolTip(FHandle, ShowHint() ? Hint() : std::string());
    DefaultHandler(Message);
}
