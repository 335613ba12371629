// The overlay's routing of its control's messages, and its own window's handlers: selection,
// moving and resizing through the window system's loop, recording, keys.
#include "design/ControlKinds.h"
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "host/containers/ScrollBox.h"
#include "host/controls/Forms.h"

namespace {
/// Posted to an overlay whose control left the place the overlay gave it.
constexpr uint32_t DM_FITCONTROL = WM_USER + 0x5A1;

bool CtrlHeld(const TMessage& m) {
    return (m.WParam & MK_CONTROL) != 0;
}
bool LeftHeld(const TMessage& m) {
    return (m.WParam & MK_LBUTTON) != 0;
}

/// The cursor of a handle of the move and size loop.
TCursor HandleCursor(uint32_t code) {
    switch (code) {
    case hcLeft:
    case hcRight:
        return crSizeWE;
    case hcTop:
    case hcBottom:
        return crSizeNS;
    case hcTopLeft:
    case hcBottomRight:
        return crSizeNWSE;
    case hcTopRight:
    case hcBottomLeft:
        return crSizeNESW;
    default:
        return crDefault;
    }
}
} // namespace

template <class F> void TDesignControl::UserBoundsChange(F action, bool keyStep) {
    // One change from the bounds before the action to those after it, whatever order the
    // framework's position and size messages come in; nothing at all when the action ends
    // where it began (a drag cancelled with Esc).
    const TRect start = ContentBounds();
    FRootDesigner->FBoundsChanging = false;
    FRootDesigner->FBoundsAfterItem = nullptr;
    FInUserBoundsChange = true;
    action();
    FInUserBoundsChange = false;
    const TRect end = ContentBounds();
    if (end != start) RecordBoundsChange(start, end, keyStep);
    // Cleared so that no later bounds change that the user did not start (an undo's, say)
    // is taken for this action.
    FRootDesigner->FBoundsAfterItem = nullptr;
}

void TDesignControl::CallOldWindowProc(TMessage& Message) {
    if (FOldWindowProc) FOldWindowProc(Message);
}

void TDesignControl::WinProc(TMessage& Message) {
    if (FLockUpdate || FDesigner->GetLockUpdate()) return;
    TDesignerScope scope(FRootDesigner);
    const uint32_t msg = Message.Msg;
    if (msg == WM_SETCURSOR && !ControlKinds::IsGrid(FControl)) {
        // The design's cursor shows over the control without becoming its Cursor, which
        // stays the user's value.
        if (const TCursor cursor = DesignCursor(); cursor != crDefault) {
            ::SetCursor(LoadStandardCursor(cursor));
            Message.Result = 1;
            return;
        }
    }
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSEWHEEL) {
        if (ControlKinds::IsGrid(FControl)) CallOldWindowProc(Message);
        switch (msg) {
        case WM_MOUSEMOVE:
            DoMouseMove(Message);
            break;
        case WM_LBUTTONDOWN:
            DoLButtonDown(Message);
            break;
        case WM_LBUTTONUP:
            DoLButtonUp(Message);
            break;
        case WM_LBUTTONDBLCLK:
            DoLButtonDBClick(Message);
            break;
        case WM_RBUTTONDOWN:
            DoRButtonDown(Message);
            break;
        case WM_RBUTTONUP:
            DoRButtonUp(Message);
            break;
        default:
            break;
        }
        // A page control still switches pages when its tabs are clicked.
        if (ControlKinds::IsPageControl(FControl)) CallOldWindowProc(Message);
        return;
    }
    if ((msg >= WM_KEYDOWN && msg <= 0x108) || (msg >= CN_KEYDOWN && msg <= CN_KEYDOWN + 6)) {
        if (msg == CN_KEYDOWN) DoInnerKeyDown(Message);
        return;
    }
    // The right press showed the designer's menu; the control's own stays shut.
    if (msg == WM_CONTEXTMENU) return;
    // A designed control's accelerator does nothing during the session; the live controls
    // around it still answer theirs.
    if (msg == CM_DIALOGCHAR) return;
    if (msg == WM_SETFOCUS && !ControlKinds::IsGrid(FControl)) {
        SetFocus();
        return;
    }
    if (msg == WM_PARENTNOTIFY && !(FHeader && FHeader->Wnd) &&
        ControlKinds::IsListView(FControl) && LoWord(Message.WParam) == WM_CREATE) {
        // Made here, for the one kind of control that has a header, not for every overlay.
        if (!FHeader) {
            FHeader = std::make_unique<THeaderHook>();
            FHeader->Instance = MakeObjectInstance([this](TMessage& m) { HeaderWndProc(m); });
        }
        FHeader->Wnd = reinterpret_cast<HWND>(Message.LParam);
        FHeader->OldProc = reinterpret_cast<WNDPROC>(GetWindowLong(FHeader->Wnd, GWL_WNDPROC));
        SetWindowLong(FHeader->Wnd, GWL_WNDPROC, reinterpret_cast<intptr_t>(FHeader->Instance));
    }
    CallOldWindowProc(Message);
    if (msg == CM_VISIBLECHANGED) FollowControlVisibility();
    // The control went elsewhere than the overlay put it (it sizes itself, or refused the
    // size): the overlay follows once the change that moved it is over.
    if (msg == WM_WINDOWPOSCHANGED && !FFitPosted && !FFitting && HandleAllocated() &&
        !ControlKinds::IsTabSheet(FControl) &&
        FControl->BoundsRect() != InnerRect(Width(), Height()))
        FFitPosted = PostMessage(Handle(), DM_FITCONTROL, 0, 0);
}

void TDesignControl::Dispatch(TMessage& Message) {
    if (Message.Msg == DM_RELEASE_OVERLAY) {
        FRootDesigner->OverlayReleased(this);
        return;
    }
    if (Message.Msg != DM_FITCONTROL) {
        inherited::Dispatch(Message);
        return;
    }
    FFitPosted = false;
    FitToControl();
}

void TDesignControl::FitToControl() {
    if (!FControl || FFitting || FLockUpdate || ControlKinds::IsTabSheet(FControl)) return;
    const TRect r = FControl->BoundsRect();
    if (r == InnerRect(Width(), Height())) return;
    FFitting = true;
    try {
        SetBounds(Left() + r.Left - HandleSize, Top() + r.Top - HandleSize,
                  r.Width() + 2 * HandleSize, r.Height() + 2 * HandleSize);
        // An overlay that only moved has no size to fit its control from.
        const TRect inner = InnerRect(Width(), Height());
        if (FControl->BoundsRect() != inner) FControl->SetBoundsRect(inner);
    } catch (...) {
        FFitting = false;
        throw;
    }
    FFitting = false;
}

void TDesignControl::FollowControlVisibility() {
    if (!FControl) return;
    SetVisible(FControl->Visible());
    if (auto* winControl = Cast<TWinControl>(FControl)) {
        const int show = Visible() ? SW_SHOW : SW_HIDE;
        ShowWindow(Handle(), show);
        ShowWindow(winControl->Handle(), show);
    }
}

void TDesignControl::HeaderWndProc(TMessage& Message) {
    if (Message.Msg == WM_LBUTTONDOWN) DoLButtonDown(Message);
    Message.Result = CallWindowProc(FHeader->OldProc, FHeader->Wnd, Message.Msg, Message.WParam,
                                    Message.LParam);
}

// ---- Mouse over the control ---------------------------------------------------------------

void TDesignControl::DoLButtonDown(TMessage& Message) {
    if (FDesigner->GetLockUpdate() || !FControl) return;
    if (ControlKinds::IsGridBusy(FControl)) return;
    // A control of a deleted container waits hidden for an undo, as the container does.
    if (DeletedInTree()) return;
    // In insert mode the user's press (not a pick in the object list, which sends one with
    // no button held) draws a new control: inside a container, its own designer does that;
    // over any other control, the designer around it does, from this point.
    if (FRootDesigner->DesignState() == dsInsert && LeftHeld(Message)) {
        if (!FInnerDesigner)
            FDesigner->BeginInsertAt(FControl->ClientToScreen(PointFromLParam(Message.LParam)));
        return;
    }
    // In the tab-order mode a click numbers the control and selects nothing.
    if (FDesigner->InTabOrderMode()) {
        if (LeftHeld(Message)) FDesigner->TabOrderClick(this);
        return;
    }
    FRootDesigner->NotePress(FControl->ClientToScreen(PointFromLParam(Message.LParam)));
    if (FSelected) {
        if (CtrlHeld(Message)) {
            SetSelected(false);
            return;
        }
        // The keys go where the user clicked last, also when the focus had gone elsewhere
        // (to the inspector) since this control was selected.
        if (!Focused() && CanFocus()) SetFocus();
        NotePress(hcCaption, PointFromLParam(Message.LParam), FControl);
        return;
    }
    // A handler of the events raised here may end the session: nothing more is done then.
    ClearDesignerSelections(FRootDesigner, CtrlHeld(Message) ? FDesigner : nullptr);
    if (!Wrapping()) return;
    SetSelected(true);
    if (!Wrapping()) return;
    if (CanFocus()) SetFocus();
    if (!Wrapping()) return;
    if (FRootDesigner->OnObjectClicked) FRootDesigner->OnObjectClicked(this);
    if (Wrapping() && FSelected) NotePress(hcCaption, PointFromLParam(Message.LParam), FControl);
}

bool TDesignControl::DeletedInTree() const {
    for (const TDesignControl* overlay = this; overlay;) {
        if (overlay->FDeleted) return true;
        TWinControl* container = overlay->FDesigner ? overlay->FDesigner->GetDesignForm() : nullptr;
        overlay = container && overlay->FDesigner->IsInner()
                      ? Cast<TDesignControl>(container->Parent())
                      : nullptr;
    }
    return false;
}

TCursor TDesignControl::DesignCursor() const {
    if (FRootDesigner->DesignState() == dsInsert) return crCross;
    return FSelected && !Locked() ? crSizeAll : crDefault;
}

void TDesignControl::NotePress(uint32_t Code, TPoint ClientPos, TControl* Where) {
    FPressCode = static_cast<uint8_t>(Code);
    FPressPoint = Where->ClientToScreen(ClientPos);
    FPressed = true;
    // The control keeps the mouse until the release, as a control that captures the mouse
    // does, so that a quick first step off it still reaches it.
    if (Where == FControl && !FControl->MouseCapture()) FControl->SetMouseCapture(true);
}

void TDesignControl::DoLButtonUp(TMessage& Message) {
    (void)Message;
    FPressed = false;
    if (FControl && FControl->MouseCapture()) FControl->SetMouseCapture(false);
    if (ControlKinds::IsGridBusy(FControl)) return;
}

void TDesignControl::DoRButtonUp(TMessage& Message) {
    (void)Message;
}
void TDesignControl::DoLButtonDBClick(TMessage& Message) {
    (void)Message;
}

void TDesignControl::DoMouseMove(TMessage& Message) {
    if (ControlKinds::IsGridBusy(FControl) || !FControl) return;
    if (FRootDesigner->DesignState() == dsInsert) return;
    if (FSelected && !CtrlHeld(Message) && !FDesigner->FMoving && LeftHeld(Message)) {
        if (FDesigner->GetSelectCount() == 1 && Locked()) return;
        ReleaseCapture();
        if (FDesigner->GetSelectCount() == 1) {
            // The loop starts from the press, so that the first step counts too.
            const intptr_t from = TakePressPoint();
            UserBoundsChange([&] { Perform(WM_NCLBUTTONDOWN, HTCAPTION, from); });
        } else {
            FDesigner->PerFormMove();
        }
    }
}

// ---- The overlay's own window -------------------------------------------------------------

void TDesignControl::WndProc(TMessage& Message) {
    TDesignerScope scope(FRootDesigner);
    switch (Message.Msg) {
    case WM_MOVING:
    case WM_SIZING:
        SnapLoopRect(Message);
        return;
    case WM_ENTERSIZEMOVE:
        FDesigner->BeginSnapDrag({this});
        break;
    case WM_EXITSIZEMOVE:
        FDesigner->EndSnapDrag();
        break;
    default:
        break;
    }
    inherited::WndProc(Message);
}

void TDesignControl::WMSetCursor(TWMSetCursor& Message) {
    if (Message.HitTest == HTCLIENT && !FLockUpdate) {
        TPoint p;
        GetCursorPos(p);
        p = ScreenToClient(p);
        // Over the handles their sizing cursors; over a control without a window of its own
        // (whose cursor this window shows) the design's cursor.
        TCursor cursor = FSelected && !Locked() ? HandleCursor(HitTest(p)) : crDefault;
        if (cursor == crDefault && PtInRect(InnerRect(Width(), Height()), p)) cursor = DesignCursor();
        if (FRootDesigner->DesignState() == dsInsert) cursor = crCross;
        if (cursor != crDefault) {
            ::SetCursor(LoadStandardCursor(cursor));
            Message.Result = 1;
            return;
        }
    }
    inherited::WMSetCursor(Message);
}

void TDesignControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && FRootDesigner->DesignState() == dsInsert) {
        FDesigner->BeginInsertAt(ClientToScreen(Point(X, Y)));
        return;
    }
    // The handle is the one under the press, not under the first step after it.
    if (Button == mbLeft && FSelected) NotePress(HitTest(Point(X, Y)), Point(X, Y), this);
}

intptr_t TDesignControl::TakePressPoint() {
    // 0 lets the loop start from where the mouse is now.
    const intptr_t from = FPressed ? MakeLong(FPressPoint.X, FPressPoint.Y) : 0;
    FPressed = false;
    return from;
}

void TDesignControl::MouseMove(TShiftState Shift, int X, int Y) {
    inherited::MouseMove(Shift, X, Y);
    if (!FSelected || FRootDesigner->DesignState() == dsInsert) return;
    // A locked control's handles grab nothing.
    const bool dragging = Shift.Contains(ssLeft) && FPressed && !Locked();
    const uint32_t code = Locked() ? hcCaption : dragging ? FPressCode : HitTest(Point(X, Y));
    // The overlay's own cursor (its Cursor is no user's value): the window of its control,
    // which shows its parent's cursor where it has none of its own, is told apart in
    // WM_SETCURSOR.
    SetCursor(HandleCursor(code));
    if (dragging) {
        ReleaseCapture();
        const intptr_t from = TakePressPoint();
        UserBoundsChange([&] { Perform(WM_NCLBUTTONDOWN, static_cast<intptr_t>(code), from); });
    }
}

void TDesignControl::WMSize(TWMSize& Message) {
    const TRect before = ContentBounds();
    inherited::WMSize(Message);
    if (ControlKinds::IsTabSheet(FControl) || FLockUpdate || !FControl) return;
    FControl->SetBounds(HandleSize, HandleSize, Width() - 2 * HandleSize,
                        Height() - 2 * HandleSize);
    // A control that keeps a size of its own (a list box of whole rows) may refuse this one
    // without moving at all: the overlay follows it once the change is over.
    if (!FFitPosted && !FFitting && FControl->BoundsRect() != InnerRect(Width(), Height()))
        FFitPosted = PostMessage(Handle(), DM_FITCONTROL, 0, 0);
    ResetRgn();
    // Inside a position change the left and top may already be new while the size is not:
    // the position handler around it notes the whole change.
    if (!FInPosChanged) NoteBoundsChange(before);
}

void TDesignControl::WMWindowPosChanged(TWMWindowPosChanged& Message) {
    const TRect before = ContentBounds();
    FInPosChanged = true;
    try {
        inherited::WMWindowPosChanged(Message);
    } catch (...) {
        FInPosChanged = false;
        throw;
    }
    FInPosChanged = false;
    const TAlign align = Align();
    SetAlign(alNone);
    SetAlign(align);
    NoteBoundsChange(before);
}

void TDesignControl::NoteBoundsChange(const TRect& before) {
    // In content bounds, so that a scroll of the parent is no change.
    const TRect after = ContentBounds();
    if (after == before) return;
    FRootDesigner->InspectedBoundsChanged(FControl);
    if (FInUserBoundsChange) return;
    if (FRootDesigner->FBoundsChanging) {
        FRootDesigner->FBoundsChanging = false;
        RecordBoundsChange(before, after);
    } else if (TOperateItem* item = FRootDesigner->FBoundsAfterItem;
               item && item->Control == this) {
        item->Rect = after;
    }
}

void TDesignControl::RecordBoundsChange(const TRect& before, const TRect& after, bool keyStep) {
    TOperateHistory* history = FRootDesigner->FHistory;
    if (!history) return;
    auto* from = new TOperateRec();
    from->AddHistory(otBounds, before, this);
    auto* to = new TOperateRec();
    to->AddHistory(otBounds, after, this);
    if (keyStep) {
        FRootDesigner->FBoundsAfterItem = history->AddKeyStep(from, to)->Item(0);
        return;
    }
    history->BeginChange(from);
    FRootDesigner->FBoundsAfterItem = to->Item(0);
    history->EndChange(to);
}

void TDesignControl::WMSetFocus(TWMSetFocus& Message) {
    // The form learns its active control however the focus arrived, so that Tab and the
    // arrows walk on from here.
    inherited::WMSetFocus(Message);
    if (FDesigner->GetLockUpdate() || !Wrapping()) return;
    // In the tab-order mode a click numbers the control; the focus it brings selects nothing.
    if (FDesigner->InTabOrderMode()) return;
    SetSelected(true);
    if (Wrapping()) FRootDesigner->InspectControl(FControl);
}

void TDesignControl::CNKeyDown(TWMKey& Message) {
    DoInnerKeyDown(Message);
}

void TDesignControl::DoInnerKeyDown(TMessage& Message) {
    // Keys act on the designer's selection; an overlay that is not selected (Ctrl+click
    // took it out and left it the focus) never acts on its own control.
    if (FDesigner->GetSelectCount() >= 2 || !FSelected) {
        FDesigner->InnerKeyDown(Message);
        return;
    }
    TWMKey key(Message);
    const uint16_t code = key.CharCode;
    if (code == VK_ESCAPE &&
        (CancelDesignerDrags(FRootDesigner) || EndTabOrderModes(FRootDesigner)))
        return;
    const TShiftState shift = KeyDataToShiftState(key.KeyData);
    TOperateHistory* history = FRootDesigner->FHistory;
    auto boundsChange = [this](auto change) { UserBoundsChange(change, true); };
    if (FDesigner->ClipboardKey(code, shift)) return;
    if (code == 'Z') {
        if (!shift.Contains(ssCtrl) || !history) return;
        if (shift.Contains(ssShift))
            history->Next();
        else
            history->Previous();
        return;
    }
    if (code == VK_DELETE) {
        FRootDesigner->DeleteSelection();
        return;
    }
    // A key that moves the focus or the control ends a drag first, as Esc does.
    CancelDesignerDrags(FRootDesigner);
    const bool arrow = code >= VK_LEFT && code <= VK_DOWN;
    // The keys that move or size leave a locked control where it is.
    if (arrow && Locked() && (shift.Contains(ssCtrl) || shift.Contains(ssShift))) return;
    if (shift.Contains(ssCtrl)) {
        if (code == 'A') FDesigner->SelectAll();
        if (!arrow) return;
        static constexpr int dx[] = {-1, 0, 1, 0}, dy[] = {0, -1, 0, 1};
        boundsChange([&] { Move(dx[code - VK_LEFT], dy[code - VK_LEFT]); });
        return;
    }
    if (shift.Contains(ssShift)) {
        if (code == VK_LEFT || code == VK_RIGHT)
            boundsChange([&] { SetWidth(Width() + (code == VK_LEFT ? -1 : 1)); });
        else if ((code == VK_UP || code == VK_DOWN) && !ControlKinds::IsCustomCombo(FControl))
            boundsChange([&] { SetHeight(Height() + (code == VK_UP ? -1 : 1)); });
        return;
    }
    TCustomForm* form = GetParentForm(this);
    switch (code) {
    case VK_ESCAPE:
        SetSelected(false);
        break;
    case VK_LEFT:
    case VK_UP:
        SetSelected(false);
        if (form) form->Perform(WM_NEXTDLGCTL, 1, 0);
        break;
    case VK_RIGHT:
    case VK_DOWN:
    case VK_TAB:
        SetSelected(false);
        if (form) form->Perform(WM_NEXTDLGCTL, 0, 0);
        break;
    default:
        break;
    }
}

// ---- Operations ---------------------------------------------------------------------------

void TDesignControl::SetSelected(bool Value) {
    if (ControlKinds::IsTabSheet(FControl)) {
        FSelected = false;
        return;
    }
    if (Value == FSelected || (Value && !Wrapping())) return;
    TDesignerScope scope(FRootDesigner);
    FDesigner->SetLockUpdate(true);
    TZkControlSelection* selection = FRootDesigner->Selection();
    if (selection) {
        if (Value)
            selection->Add(this);
        else
            selection->Remove(this);
    }
    FDesigner->SetLockUpdate(false);
    // A handler of OnSelectionChange ended the session: the overlay is no longer shown.
    if (!Wrapping()) return;
    FSelected = Value;
    // Without handles there is nothing to size: the cursor of the last one goes with them.
    if (!Value) SetCursor(crDefault);
    ResetRgn();
    FRootDesigner->SelectionChanged();
}

void TDesignControl::SetRect(const TRect& ARect) {
    SetBoundsRect(ARect);
    FRootDesigner->SetIsDirty(true);
}

namespace {
/// How far the overlay's parent has scrolled its content; (0, 0) when it does not scroll.
TPoint ParentScroll(const TControl* Overlay) {
    auto* scrolling = Cast<TScrollingWinControl>(Overlay->Parent());
    if (!scrolling) return {0, 0};
    return {scrolling->HorzScrollBar()->Position(), scrolling->VertScrollBar()->Position()};
}
} // namespace

TRect TDesignControl::ContentBounds() const {
    TRect r = BoundsRect();
    const TPoint scroll = ParentScroll(this);
    OffsetRect(r, scroll.X, scroll.Y);
    return r;
}

void TDesignControl::SetContentBounds(const TRect& ARect) {
    TRect r = ARect;
    const TPoint scroll = ParentScroll(this);
    OffsetRect(r, -scroll.X, -scroll.Y);
    SetRect(r);
}

void TDesignControl::Move(int dx, int dy) {
    SetLockUpdate(true);
    SetLeft(Left() + dx);
    SetLockUpdate(false);
    SetTop(Top() + dy);
    FRootDesigner->SetIsDirty(true);
}
