// TPageScroller: one control longer than the scroller, moved by the arrow buttons at its ends
// and clipped (by its window region) to the room between them.

#include "host/comctrls/ComCtrls.h"
#include "host/graphics/GdiApi.h"
#include "host/qt/StyledPaint_p.h"

TPageScroller::TPageScroller(TComponent* AOwner) : TWinControl(AOwner), FCanvas(new TCanvas) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 45);
}

TPageScroller::~TPageScroller() {
    FCanvas->Free();
}

void TPageScroller::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = "SysPager";
}

void TPageScroller::SetControl(TWinControl* Value) {
    if (FControl == Value) return;
    if (FControl) {
        FControl->RemoveFreeNotification(this);
        if (FControl->HandleAllocated()) SetWindowRgn(FControl->Handle(), nullptr, true);
    }
    FControl = Value;
    FPosition = 0;
    if (Value) {
        Value->FreeNotification(this);
        if (Value->Parent() != this) Value->SetParent(this);
    }
    PlaceControl();
    Invalidate();
}

void TPageScroller::SetOrientation(TPageScrollerOrientation Value) {
    if (FOrientation == Value) return;
    FOrientation = Value;
    FPosition = 0;
    PlaceControl();
    Invalidate();
}

void TPageScroller::SetButtonSize(int Value) {
    Value = std::max(Value, 1);
    if (FButtonSize == Value) return;
    FButtonSize = Value;
    PlaceControl();
    Invalidate();
}

int TPageScroller::MaxPosition() const {
    if (!FControl) return 0;
    const int length = Horizontal() ? FControl->Width() : FControl->Height();
    const int room = Horizontal() ? ClientWidth() : ClientHeight();
    return std::max(length - room, 0);
}

void TPageScroller::SetPosition(int Value) {
    Value = std::clamp(Value, 0, MaxPosition());
    if (FPosition == Value) return;
    FPosition = Value;
    PlaceControl();
    Invalidate();
    OnScroll(this);
}

bool TPageScroller::ButtonVisible(TPageScrollerButton Button) const {
    return Button == sbFirst ? FPosition > 0 : FPosition < MaxPosition();
}

TRect TPageScroller::ButtonRect(TPageScrollerButton Button) const {
    if (!ButtonVisible(Button)) return {};
    const int w = ClientWidth();
    const int h = ClientHeight();
    const int size = std::min(FButtonSize, Horizontal() ? w / 2 : h / 2);
    if (Horizontal()) return Button == sbFirst ? Rect(0, 0, size, h) : Rect(w - size, 0, w, h);
    return Button == sbFirst ? Rect(0, 0, w, size) : Rect(0, h - size, w, h);
}

void TPageScroller::PlaceControl() {
    if (!FControl || FPlacing || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying))
        return;
    FPlacing = true;
    try {
        FPosition = std::clamp(FPosition, 0, MaxPosition());
        // The control fills the scroller across the scrolling direction and is shifted along it.
        if (Horizontal())
            FControl->SetBounds(-FPosition, 0, FControl->Width(), ClientHeight());
        else
            FControl->SetBounds(0, -FPosition, ClientWidth(), FControl->Height());
        if (FControl->HandleAllocated()) {
            // The control shows only between the arrow buttons that show.
            TRect room = ClientRect();
            const TRect first = ButtonRect(sbFirst);
            const TRect last = ButtonRect(sbLast);
            if (Horizontal()) {
                room.Left = std::max(room.Left, first.Right);
                if (!IsRectEmpty(last)) room.Right = last.Left;
            } else {
                room.Top = std::max(room.Top, first.Bottom);
                if (!IsRectEmpty(last)) room.Bottom = last.Top;
            }
            OffsetRect(room, -FControl->Left(), -FControl->Top());
            SetWindowRgn(FControl->Handle(), CreateRectRgnIndirect(room), true);
        }
    } catch (...) {
        FPlacing = false;
        throw;
    }
    FPlacing = false;
}

void TPageScroller::AlignControls(TControl* AControl, TRect& Rect) {
    TWinControl::AlignControls(AControl, Rect);
    PlaceControl();
}

namespace {
/// Posted to the scroller once its control's window exists, to clip the window.
constexpr uint32_t CM_PLACECONTROL = CM_BASE + 0x60;
} // namespace

void TPageScroller::WndProc(TMessage& Message) {
    if (Message.Msg == CM_PLACECONTROL) {
        PlaceControl();
        return;
    }
    if (Message.Msg == WM_PARENTNOTIFY && LoWord(Message.WParam) == WM_CREATE && HandleAllocated())
        PostMessage(Handle(), CM_PLACECONTROL, 0, 0);
    if (Message.Msg == CM_CONTROLCHANGE) {
        auto* control = Cast<TWinControl>(reinterpret_cast<TObject*>(Message.WParam));
        // The first windowed control put in becomes the one scrolled.
        if (control && Message.LParam && !FControl)
            SetControl(control);
        else if (control && !Message.LParam && control == FControl)
            SetControl(nullptr);
    }
    TWinControl::WndProc(Message);
}

void TPageScroller::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

void TPageScroller::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWinControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    for (TPageScrollerButton b : {sbFirst, sbLast}) {
        if (!PtInRect(ButtonRect(b), {X, Y})) continue;
        FPressed = b;
        SetPosition(FPosition + (b == sbFirst ? -FIncrement : FIncrement));
        Invalidate();
        return;
    }
}

void TPageScroller::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWinControl::MouseUp(Button, Shift, X, Y);
    if (FPressed < 0) return;
    FPressed = -1;
    Invalidate();
}

void TPageScroller::PaintWindow(HDC) {
    for (TPageScrollerButton b : {sbFirst, sbLast}) {
        const TRect r = ButtonRect(b);
        if (IsRectEmpty(r)) continue;
        TArrow arrow = Horizontal() ? (b == sbFirst ? TArrow::Left : TArrow::Right)
                                    : (b == sbFirst ? TArrow::Up : TArrow::Down);
        DrawArrowButton(FCanvas, r, arrow, FPressed == b, Enabled());
    }
}
