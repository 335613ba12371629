// TControl: bounds, visibility, colour and font, the message dispatch and the mouse methods.

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/menus/Menus.h"
#include "host/qt/ForeignParent_p.h"

namespace {
TControl* g_captureControl = nullptr;

/// One SetBounds in progress. A handler of its position message may place the same control
/// again (an aligned control put back by its parent's realignment); the inner placement is
/// then the control's state, and the outer one must not write its own bounds over it.
struct TBoundsCall {
    const TControl* Control;
    TBoundsCall* Outer;
    bool Superseded = false;

    explicit TBoundsCall(const TControl* control);
    ~TBoundsCall();
};

thread_local TBoundsCall* g_boundsCalls = nullptr;

TBoundsCall::TBoundsCall(const TControl* control) : Control(control), Outer(g_boundsCalls) {
    for (TBoundsCall* call = Outer; call; call = call->Outer)
        if (call->Control == control) call->Superseded = true;
    g_boundsCalls = this;
}

TBoundsCall::~TBoundsCall() {
    g_boundsCalls = Outer;
}
} // namespace

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(new TFont) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    FFont->SetChangeNotify(
        [](void* c, TObject* sender) { static_cast<TControl*>(c)->FontChanged(sender); }, this);
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
}

TControl::~TControl() {
    if (g_captureControl == this) g_captureControl = nullptr;
    if (FParent) FParent->Remove(this);
    FFont->Free();
}

void TControl::BeforeDestruction() {
    inherited::BeforeDestruction();
    if (GetCaptureControl() == this) SetCaptureControl(nullptr);
}

intptr_t TControl::Perform(uint32_t Msg, intptr_t WParam, intptr_t LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    if (WindowProc)
        WindowProc(m);
    else
        WndProc(m);
    return m.Result;
}

// ---- Parent and bounds ------------------------------------------------------------------------

void TControl::SetParent(TWinControl* AParent) {
    if (FParent == AParent) return;
    if (AParent == this) throw EInvalidOperation("控件不能以自己为父控件");
    // Inside its own children a control would hold itself: its tree would never end.
    for (TWinControl* p = AParent ? AParent->Parent() : nullptr; p; p = p->Parent())
        if (p == this) throw EInvalidOperation("控件“" + Name() + "”不能放进它自己的子控件里");
    TWinControl* old = FParent;
    if (old) old->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
    ParentChanged(old);
}

void TControl::ParentChanged(TWinControl*) {}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::clamp(AWidth, 0, MaxControlExtent);
    AHeight = std::clamp(AHeight, 0, MaxControlExtent);
    ALeft = std::clamp(ALeft, -MaxControlPosition, MaxControlPosition);
    ATop = std::clamp(ATop, -MaxControlPosition, MaxControlPosition);
    const bool sized = AWidth != FWidth || AHeight != FHeight;
    const bool moved = ALeft != FLeft || ATop != FTop;
    if (!sized && !moved) return;
    if (sized && !CanResize(AWidth, AHeight)) return;
    UpdateWindowBounds(Bounds(ALeft, ATop, AWidth, AHeight));
    TWindowPos pos{nullptr, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER};
    if (ALeft == FLeft && ATop == FTop) pos.flags |= SWP_NOMOVE;
    if (AWidth == FWidth && AHeight == FHeight) pos.flags |= SWP_NOSIZE;
    TBoundsCall call(this);
    Perform(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<intptr_t>(&pos));
    if (call.Superseded) return;
    // The bounds are the window's state, whatever a handler did with the message.
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    RequestAlign();
}

bool TControl::CanResize(int&, int&) {
    return true;
}

void TControl::UpdateWindowBounds(const TRect& NewBounds) {
    if (!FParent || !FParent->HandleAllocated()) return;
    Invalidate();
    InvalidateRect(FParent->Handle(), &NewBounds, true);
}

void TControl::SetClientSize(int width, int height) {
    TRect client = ClientRect();
    SetBounds(FLeft, FTop, FWidth - client.Width() + width, FHeight - client.Height() + height);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) {
        TPoint origin{FLeft, FTop};
        // Held by a Qt widget, the control's bounds are in that widget's client coordinates.
        if (HWND holder = ForeignParentOf(this)) ::ClientToScreen(holder, origin);
        return origin;
    }
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint point) const {
    TPoint o = ClientOrigin();
    return {point.X + o.X, point.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint point) const {
    TPoint o = ClientOrigin();
    return {point.X - o.X, point.Y - o.Y};
}

void TControl::RequestAlign() {
    if (FParent) FParent->AlignControl(this);
}

// ---- Visibility and looks ---------------------------------------------------------------------

void TControl::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0, 0);
    RequestAlign();
}

void TControl::Show() {
    SetVisible(true);
}
void TControl::Hide() {
    SetVisible(false);
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetAlign(TAlign value) {
    if (FAlign == value) return;
    FAlign = value;
    RequestAlign();
}

void TControl::SetCursor(TCursor value) {
    if (FCursor == value) return;
    FCursor = value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
    if (FParentColor == value) return;
    FParentColor = value;
    if (value && FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
    if (FParentFont == value) return;
    FParentFont = value;
    if (value && FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetHint(const std::string& value) {
    if (FHint == value) return;
    FHint = value;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value) {
    if (FShowHint == value) return;
    FShowHint = value;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* value) {
    if (FPopupMenu == value) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

TCaption TControl::GetText() const {
    return FText;
}

void TControl::SetText(const TCaption& value) {
    if (FText == value) return;
    FText = value;
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::Invalidate() {
    if (!FParent || !FParent->HandleAllocated() || !FVisible) return;
    TRect r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, true);
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool TopMost) {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

// ---- Capture ----------------------------------------------------------------------------------

bool TControl::MouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
    if (MouseCapture() == value) return;
    SetCaptureControl(value ? this : nullptr);
}

TControl* GetCaptureControl() {
    HWND capture = GetCapture();
    if (!capture) {
        g_captureControl = nullptr;
        return nullptr;
    }
    TWinControl* owner = FindControl(capture);
    if (g_captureControl && g_captureControl->Parent() == owner && owner) return g_captureControl;
    return owner;
}

void SetCaptureControl(TControl* Control) {
    g_captureControl = nullptr;
    if (!Control) {
        ReleaseCapture();
        return;
    }
    if (auto* win = Cast<TWinControl>(Control)) {
        SetCapture(win->Handle());
    } else if (Control->Parent()) {
        // A control without a window captures through its parent's window, which hands the
        // mouse messages on to it.
        SetCapture(Control->Parent()->Handle());
        g_captureControl = Control;
    }
}

// ---- Message dispatch -------------------------------------------------------------------------

void TControl::WndProc(TMessage& Message) {
    // A control that takes no double clicks sees the second click as another press.
    if (!FControlStyle.Contains(csDoubleClicks)) {
        switch (Message.Msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
            break;
        default:
            break;
        }
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& M) {
    switch (M.Msg) {
    case WM_WINDOWPOSCHANGED: {
        TWMWindowPosChanged v(M);
        WMWindowPosChanged(v);
        return;
    }
    case WM_MOVE: {
        TWMMove v(M);
        WMMove(v);
        return;
    }
    case WM_SIZE: {
        TWMSize v(M);
        WMSize(v);
        return;
    }
    case WM_MOUSEMOVE: {
        TWMMouse v(M);
        WMMouseMove(v);
        return;
    }
    case WM_LBUTTONDOWN: {
        TWMMouse v(M);
        WMLButtonDown(v);
        return;
    }
    case WM_LBUTTONUP: {
        TWMMouse v(M);
        WMLButtonUp(v);
        return;
    }
    case WM_LBUTTONDBLCLK: {
        TWMMouse v(M);
        WMLButtonDblClk(v);
        return;
    }
    case WM_RBUTTONDOWN: {
        TWMMouse v(M);
        WMRButtonDown(v);
        return;
    }
    case WM_RBUTTONUP: {
        TWMMouse v(M);
        WMRButtonUp(v);
        return;
    }
    case WM_RBUTTONDBLCLK: {
        TWMMouse v(M);
        WMRButtonDblClk(v);
        return;
    }
    case WM_MBUTTONDOWN: {
        TWMMouse v(M);
        WMMButtonDown(v);
        return;
    }
    case WM_MBUTTONUP: {
        TWMMouse v(M);
        WMMButtonUp(v);
        return;
    }
    case WM_MBUTTONDBLCLK: {
        TWMMouse v(M);
        WMMButtonDblClk(v);
        return;
    }
    case WM_CANCELMODE:
        WMCancelMode(M);
        return;
    case WM_CAPTURECHANGED:
        WMCaptureChanged(M);
        return;
    case WM_PAINT: {
        TWMPaint v(M);
        WMPaint(v);
        return;
    }
    case WM_ERASEBKGND: {
        TWMEraseBkgnd v(M);
        WMEraseBkgnd(v);
        return;
    }
    case WM_SETFOCUS: {
        TWMSetFocus v(M);
        WMSetFocus(v);
        return;
    }
    case WM_KILLFOCUS: {
        TWMKillFocus v(M);
        WMKillFocus(v);
        return;
    }
    case WM_NCHITTEST: {
        TWMNCHitTest v(M);
        WMNCHitTest(v);
        return;
    }
    case WM_SETCURSOR: {
        TWMSetCursor v(M);
        WMSetCursor(v);
        return;
    }
    case WM_KEYDOWN: {
        TWMKey v(M);
        WMKeyDown(v);
        return;
    }
    case WM_KEYUP: {
        TWMKey v(M);
        WMKeyUp(v);
        return;
    }
    case WM_CHAR: {
        TWMKey v(M);
        WMChar(v);
        return;
    }
    case WM_SYSKEYDOWN: {
        TWMKey v(M);
        WMSysKeyDown(v);
        return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
        TWMKey v(M);
        CNKeyDown(v);
        return;
    }
    case CN_CHAR: {
        TWMKey v(M);
        CNChar(v);
        return;
    }
    case WM_CLOSE:
        WMClose(M);
        return;
    case WM_DESTROY:
        WMDestroy(M);
        return;
    case WM_SHOWWINDOW:
        WMShowWindow(M);
        return;
    case WM_NEXTDLGCTL:
        WMNextDlgCtl(M);
        return;
    case WM_CONTEXTMENU:
        WMContextMenu(M);
        return;
    case WM_ACTIVATE:
        WMActivate(M);
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(M);
        return;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(M);
        return;
    case CM_COLORCHANGED:
        CMColorChanged(M);
        return;
    case CM_FONTCHANGED:
        CMFontChanged(M);
        return;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(M);
        return;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(M);
        return;
    case CM_TEXTCHANGED:
        CMTextChanged(M);
        return;
    case CM_CURSORCHANGED:
        CMCursorChanged(M);
        return;
    case CM_SHOWHINTCHANGED:
        CMHintShowChanged(M);
        return;
    case CM_MOUSEENTER:
        CMMouseEnter(M);
        return;
    case CM_MOUSELEAVE:
        CMMouseLeave(M);
        return;
    case CM_DIALOGKEY: {
        TWMKey v(M);
        CMDialogKey(v);
        return;
    }
    case CM_DIALOGCHAR: {
        TWMKey v(M);
        CMDialogChar(v);
        return;
    }
    case CM_RELEASE:
        CMRelease(M);
        return;
    default:
        DefaultHandler(M);
        return;
    }
}

void TControl::DefaultHandler(TMessage&) {}

// ---- Position and size messages ---------------------------------------------------------------

void TControl::WMWindowPosChanged(TWMWindowPosChanged& Message) {
    TWindowPos* pos = Message.WindowPos();
    if (pos) {
        const bool moved = !(pos->flags & SWP_NOMOVE);
        const bool sized = !(pos->flags & SWP_NOSIZE);
        if (moved) {
            FLeft = pos->x;
            FTop = pos->y;
            Perform(WM_MOVE, 0, MakeLong(pos->x, pos->y));
        }
        if (sized) {
            Perform(WM_SIZE, SIZE_RESTORED, MakeLong(pos->cx, pos->cy));
            FWidth = pos->cx;
            FHeight = pos->cy;
        }
    }
    DefaultHandler(Message);
}

void TControl::WMMove(TWMMove& Message) {
    DefaultHandler(Message);
}

void TControl::WMSize(TWMSize& Message) {
    FWidth = Message.Width;
    FHeight = Message.Height;
    DefaultHandler(Message);
    Resize();
}

void TControl::Resize() {
    OnResize(this);
}

// ---- Mouse ------------------------------------------------------------------------------------

void TControl::DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    MouseDown(Button, KeysToShiftState(Message.Keys) + Shift, Message.XPos, Message.YPos);
}

void TControl::DoMouseUp(TWMMouse& Message, TMouseButton Button) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    MouseUp(Button, KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    OnMouseMove(this, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::Click() {
    OnClick(this);
}
void TControl::DblClick() {
    OnDblClick(this);
}

void TControl::WMMouseMove(TWMMouse& Message) {
    DefaultHandler(Message);
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseMove(KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::WMLButtonDown(TWMMouse& Message) {
    DefaultHandler(Message);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonUp(TWMMouse& Message) {
    DefaultHandler(Message);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
        FControlState.Exclude(csClicked);
        if (PtInRect(ClientRect(), Message.Pos())) Click();
    }
    DoMouseUp(Message, mbLeft);
}

void TControl::WMLButtonDblClk(TWMMouse& Message) {
    DefaultHandler(Message);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) DblClick();
    DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMRButtonDown(TWMMouse& Message) {
    DefaultHandler(Message);
    DoMouseDown(Message, mbRight, {});
}
void TControl::WMRButtonUp(TWMMouse& Message) {
    DefaultHandler(Message);
    DoMouseUp(Message, mbRight);
}
void TControl::WMRButtonDblClk(TWMMouse& Message) {
    DefaultHandler(Message);
    DoMouseDown(Message, mbRight, {ssDouble});
}
void TControl::WMMButtonDown(TWMMouse& Message) {
    DefaultHandler(Message);
    DoMouseDown(Message, mbMiddle, {});
}
void TControl::WMMButtonUp(TWMMouse& Message) {
    DefaultHandler(Message);
    DoMouseUp(Message, mbMiddle);
}
void TControl::WMMButtonDblClk(TWMMouse& Message) {
    DefaultHandler(Message);
    DoMouseDown(Message, mbMiddle, {ssDouble});
}

void TControl::WMCancelMode(TMessage& Message) {
    DefaultHandler(Message);
    FControlState.Exclude(csClicked);
    if (MouseCapture()) SetMouseCapture(false);
}

void TControl::WMCaptureChanged(TMessage& Message) {
    DefaultHandler(Message);
}

// ---- Everything else goes on to the default handling ------------------------------------------

void TControl::WMPaint(TWMPaint& Message) {
    DefaultHandler(Message);
}
void TControl::WMEraseBkgnd(TWMEraseBkgnd& Message) {
    DefaultHandler(Message);
}
void TControl::WMSetFocus(TWMSetFocus& Message) {
    DefaultHandler(Message);
}
void TControl::WMKillFocus(TWMKillFocus& Message) {
    DefaultHandler(Message);
}
void TControl::WMNCHitTest(TWMNCHitTest& Message) {
    DefaultHandler(Message);
}
void TControl::WMSetCursor(TWMSetCursor& Message) {
    DefaultHandler(Message);
}
void TControl::WMKeyDown(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::WMKeyUp(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::WMChar(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::WMSysKeyDown(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::CNKeyDown(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::CNChar(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::WMClose(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::WMDestroy(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::WMShowWindow(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::WMNextDlgCtl(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::WMContextMenu(TMessage& Message) {
    if (Message.Result != 0) return;
    // A right click shows the control's own menu; without one, the default handling lets
    // the message go on to the parent window, as the window system does.
    if (!ComponentState().Contains(csDesigning) && FPopupMenu && FPopupMenu->AutoPopup()) {
        TPoint pos = PointFromLParam(Message.LParam);
        if (pos.X == -1 && pos.Y == -1) pos = ClientToScreen({0, 0});
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(pos.X, pos.Y);
        Message.Result = 1;
        return;
    }
    DefaultHandler(Message);
}
void TControl::WMActivate(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::CMVisibleChanged(TMessage& Message) {
    Invalidate();
    if (!FVisible && FParent && FParent->HandleAllocated()) {
        TRect r = BoundsRect();
        InvalidateRect(FParent->Handle(), &r, true);
    }
    DefaultHandler(Message);
}
void TControl::CMEnabledChanged(TMessage& Message) {
    Invalidate();
    DefaultHandler(Message);
}
void TControl::CMColorChanged(TMessage& Message) {
    Invalidate();
    DefaultHandler(Message);
}
void TControl::CMFontChanged(TMessage& Message) {
    Invalidate();
    DefaultHandler(Message);
}
void TControl::CMParentColorChanged(TMessage& Message) {
    if (FParentColor && FParent) {
        SetColor(FParent->Color());
        FParentColor = true;
    }
    DefaultHandler(Message);
}
void TControl::CMParentFontChanged(TMessage& Message) {
    // A font that is the parent's already stays as it is: no font-changed handling, no new
    // window font, no repaint, and no cascade through the children, which have it too.
    if (FParentFont && FParent && !FFont->SameAs(*FParent->Font())) {
        FFont->Assign(FParent->Font());
        FParentFont = true;
    }
    DefaultHandler(Message);
}
void TControl::CMTextChanged(TMessage& Message) {
    Invalidate();
    DefaultHandler(Message);
}
void TControl::CMCursorChanged(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::CMHintShowChanged(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::CMMouseEnter(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::CMMouseLeave(TMessage& Message) {
    DefaultHandler(Message);
}
void TControl::CMDialogKey(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::CMDialogChar(TWMKey& Message) {
    DefaultHandler(Message);
}
void TControl::CMRelease(TMessage& Message) {
    DefaultHandler(Message);
}

// ---- Free functions ---------------------------------------------------------------------------

TCustomForm* GetParentForm(TControl* Control) {
    if (!Control) return nullptr;
    while (Control->Parent())
        Control = Control->Parent();
    return Cast<TCustomForm>(Control);
}

std::string GetHotkey(const std::string& Caption) {
    std::string hotkey;
    for (size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] != '&' || i + 1 >= Caption.size()) continue;
        ++i;
        if (Caption[i] == '&') continue;
        // The whole UTF-8 sequence of the character; a later '&' may still take over.
        size_t end = i + 1;
        while (end < Caption.size() && (static_cast<unsigned char>(Caption[end]) & 0xC0) == 0x80)
            ++end;
        hotkey = Caption.substr(i, end - i);
        i = end - 1;
    }
    return hotkey;
}

bool IsAccel(uint16_t CharCode, const std::string& Caption) {
    const std::string hotkey = GetHotkey(Caption);
    if (hotkey.empty()) return false;
    // The hotkey's code point, decoded from its UTF-8.
    const auto* p = reinterpret_cast<const unsigned char*>(hotkey.data());
    uint32_t code = p[0];
    if (code >= 0xF0 && hotkey.size() >= 4)
        code = ((code & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) | (p[3] & 0x3F);
    else if (code >= 0xE0 && hotkey.size() >= 3)
        code = ((code & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    else if (code >= 0xC0 && hotkey.size() >= 2)
        code = ((code & 0x1F) << 6) | (p[1] & 0x3F);
    auto fold = [](uint32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return fold(code) == fold(CharCode);
}

TControl* FindDragTarget(TPoint Pos, bool AllowDisabled) {
    TWinControl* win = FindControl(WindowFromPoint(Pos));
    if (!win) return nullptr;
    TControl* c = win->ControlAtPos(win->ScreenToClient(Pos), AllowDisabled);
    return c ? c : win;
}
