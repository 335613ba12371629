// TSplitter: dragging the bar between aligned controls resizes the one beside it.

#include "host/extctrls/ExtCtrls.h"
#include "host/graphics/GdiApi.h"

int SplitterNewSize(int StartSize, int Delta, const TSplitLimits& Limits) {
    const int size = StartSize + Delta;
    if (size > Limits.MaxSize) return std::max(Limits.MaxSize, Limits.MinSize);
    return std::max(size, Limits.MinSize);
}

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = {csCaptureMouse};
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

TSplitter::~TSplitter() {
    HideFeedback();
}

void TSplitter::SetBeveled(bool Value) {
    if (FBeveled == Value) return;
    FBeveled = Value;
    Invalidate();
}

void TSplitter::SetMinSize(int Value) {
    FMinSize = std::max(Value, 1);
}

void TSplitter::UpdateCursor() {
    // The cursor follows the direction of the drag unless the application chose another.
    if (Cursor() != crHSplit && Cursor() != crVSplit) return;
    SetCursor(Horizontal() ? crHSplit : crVSplit);
}

void TSplitter::WMWindowPosChanged(TWMWindowPosChanged& Message) {
    TGraphicControl::WMWindowPosChanged(Message);
    UpdateCursor();
}

TControl* TSplitter::FindResizeControl() const {
    TWinControl* parent = Parent();
    if (!parent) return nullptr;
    // A point just outside the splitter, on the side where the neighbour lies.
    TPoint p;
    switch (Align()) {
    case alLeft:
        p = {Left() - 1, Top() + Height() / 2};
        break;
    case alRight:
        p = {Left() + Width(), Top() + Height() / 2};
        break;
    case alTop:
        p = {Left() + Width() / 2, Top() - 1};
        break;
    case alBottom:
        p = {Left() + Width() / 2, Top() + Height()};
        break;
    default:
        return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        TRect r = c->BoundsRect();
        // A neighbour dragged down to nothing still counts as beside the splitter.
        if (r.Width() == 0) (Align() == alLeft ? r.Left : r.Right) += Align() == alLeft ? -1 : 1;
        if (r.Height() == 0) (Align() == alTop ? r.Top : r.Bottom) += Align() == alTop ? -1 : 1;
        if (PtInRect(r, p)) return c;
    }
    return nullptr;
}

TSplitLimits TSplitter::Limits() const {
    TSplitLimits limits;
    limits.MinSize = FMinSize;
    TWinControl* parent = Parent();
    if (!parent || !FControl) return limits;
    // The neighbour may grow into what the client part leaves beyond MinSize.
    const bool horizontal = Horizontal();
    int room = (horizontal ? parent->ClientWidth() : parent->ClientHeight()) - FMinSize;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == FControl || !c->Visible()) continue;
        if (horizontal && (c->Align() == alLeft || c->Align() == alRight)) room -= c->Width();
        if (!horizontal && (c->Align() == alTop || c->Align() == alBottom)) room -= c->Height();
    }
    limits.MaxSize = std::max(room, FMinSize);
    return limits;
}

int TSplitter::DeltaTo(TPoint parentPos) const {
    switch (Align()) {
    case alLeft:
        return parentPos.X - FDownPos.X;
    case alRight:
        return FDownPos.X - parentPos.X;
    case alTop:
        return parentPos.Y - FDownPos.Y;
    default:
        return FDownPos.Y - parentPos.Y;
    }
}

// ---- The drag -----------------------------------------------------------------------------------

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || FControl) return;
    TControl* control = FindResizeControl();
    if (!control) return;
    FControl = control;
    FControl->FreeNotification(this);
    FDownPos = {Left() + X, Top() + Y};
    FStartSize = Horizontal() ? control->Width() : control->Height();
    FNewSize = FStartSize;
    if (FResizeStyle == rsLine || FResizeStyle == rsPattern) ShowFeedback(FNewSize);
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (FControl) Track({Left() + X, Top() + Y});
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FControl && Button == mbLeft) {
        Track({Left() + X, Top() + Y});
        StopDrag(true);
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSplitter::WMCancelMode(TMessage& Message) {
    StopDrag(false);
    TGraphicControl::WMCancelMode(Message);
}

void TSplitter::Track(TPoint parentPos) {
    int size = SplitterNewSize(FStartSize, DeltaTo(parentPos), Limits());
    bool accept = true;
    OnCanResize(this, size, accept);
    if (!accept || size == FNewSize) return;
    FNewSize = size;
    OnMoving(this);
    switch (FResizeStyle) {
    case rsUpdate:
        ApplySize(size);
        break;
    case rsLine:
    case rsPattern:
        HideFeedback();
        ShowFeedback(size);
        break;
    default:
        break;
    }
}

void TSplitter::ApplySize(int size) {
    if (!FControl) return;
    if (Horizontal())
        FControl->SetWidth(size);
    else
        FControl->SetHeight(size);
    // The neighbour's new size moves the splitter; the parent's window shows both now.
    if (Parent()) Parent()->Update();
}

void TSplitter::StopDrag(bool apply) {
    if (!FControl) return;
    HideFeedback();
    const bool changed = FNewSize != FStartSize;
    if (apply && changed && FResizeStyle != rsUpdate) ApplySize(FNewSize);
    if (FControl) FControl->RemoveFreeNotification(this);
    FControl = nullptr;
    if (apply && changed) OnMoved(this);
}

void TSplitter::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl) {
        HideFeedback();
        FControl = nullptr;
    }
}

// ---- Feedback ----------------------------------------------------------------------------------

TRect TSplitter::FeedbackRect(int size) const {
    const int shift = size - FStartSize;
    TRect r = BoundsRect();
    switch (Align()) {
    case alLeft:
        OffsetRect(r, shift, 0);
        break;
    case alRight:
        OffsetRect(r, -shift, 0);
        break;
    case alTop:
        OffsetRect(r, 0, shift);
        break;
    default:
        OffsetRect(r, 0, -shift);
        break;
    }
    if (!Parent()) return r;
    const TPoint origin = Parent()->ClientOrigin();
    OffsetRect(r, origin.X, origin.Y);
    return r;
}

void TSplitter::ShowFeedback(int size) {
    // An inverted bar on the screen layer where the splitter would go; drawn again, it goes.
    FFeedback = FeedbackRect(size);
    HDC dc = GetDC(nullptr);
    if (!dc) return;
    SetROP2(dc, R2_NOT);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, FFeedback.Left, FFeedback.Top, FFeedback.Right, FFeedback.Bottom);
    SelectObject(dc, oldBrush);
    ReleaseDC(nullptr, dc);
    FFeedbackShown = true;
}

void TSplitter::HideFeedback() {
    if (!FFeedbackShown) return;
    FFeedbackShown = false;
    HDC dc = GetDC(nullptr);
    if (!dc) return;
    SetROP2(dc, R2_NOT);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, FFeedback.Left, FFeedback.Top, FFeedback.Right, FFeedback.Bottom);
    SelectObject(dc, oldBrush);
    ReleaseDC(nullptr, dc);
}

// ---- Painting
// ------------------------------------------------------------------------------------

void TSplitter::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    if (FBeveled) {
        // Raised edges along the bar.
        const bool h = Horizontal();
        c->Pen()->SetColor(clBtnHighlight);
        c->MoveTo(r.Left, r.Bottom - 1);
        c->LineTo(r.Left, r.Top);
        c->LineTo(r.Right, r.Top);
        c->Pen()->SetColor(clBtnShadow);
        if (h) {
            c->MoveTo(r.Right - 1, r.Top);
            c->LineTo(r.Right - 1, r.Bottom);
        } else {
            c->MoveTo(r.Left, r.Bottom - 1);
            c->LineTo(r.Right, r.Bottom - 1);
        }
    }
    TGraphicControl::Paint();
}
