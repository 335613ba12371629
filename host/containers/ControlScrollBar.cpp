// TControlScrollBar: range, position and scroll requests of one bar of a scrolling control.

#include "host/containers/ScrollBox.h"
#include "host/qt/ScrollBarWindow_p.h"

namespace {
void PublishControlScrollBar(TPublisher& p) {
    p.Prop("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8);
    p.Prop("Margin", &TControlScrollBar::Margin, &TControlScrollBar::SetMargin).Default(0);
    p.Prop("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0);
    p.Prop("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange)
        .Default(0)
        .Stored(&TControlScrollBar::IsRangeStored);
    p.Prop("Smooth", &TControlScrollBar::Smooth, &TControlScrollBar::SetSmooth).Default(0);
    p.Prop("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking).Default(0);
    p.Prop("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(1);
}
} // namespace

ZK_ENUM_TYPEINFO(TScrollBarKind, "sbHorizontal", "sbVertical")
ZK_IMPLEMENT_CLASS(TControlScrollBar, TPersistent, PublishControlScrollBar)

TControlScrollBar::TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind)
    : FControl(AControl), FKind(AKind) {}

void TControlScrollBar::Assign(TPersistent* Source) {
    auto* other = Cast<TControlScrollBar>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FIncrement = other->FIncrement;
    FMargin = other->FMargin;
    FSmooth = other->FSmooth;
    FTracking = other->FTracking;
    FVisible = other->FVisible;
    if (!FControl->AutoScroll()) FRange = other->FRange;
    FControl->Realign();
    SetPosition(other->FPosition);
}

std::string TControlScrollBar::GetNamePath() const {
    return FControl->GetNamePath() + (FKind == sbHorizontal ? ".HorzScrollBar" : ".VertScrollBar");
}

void TControlScrollBar::SetIncrement(TScrollBarInc Value) {
    FIncrement = std::clamp(Value, 1, 32767);
    ShowOnWindow();
}

void TControlScrollBar::SetMargin(int Value) {
    FMargin = std::max(Value, 0);
    FControl->Realign();
}

void TControlScrollBar::SetPosition(int Value) {
    // A stream holds the children already where this position puts them.
    if (FControl->ComponentState().Contains(csReading)) {
        FPosition = Value;
        return;
    }
    MoveTo(Value);
}

void TControlScrollBar::SetRange(int Value) {
    FControl->FAutoScroll = false;
    FRange = std::max(Value, 0);
    FControl->Realign();
}

void TControlScrollBar::SetTracking(bool Value) {
    FTracking = Value;
    ShowOnWindow();
}

void TControlScrollBar::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    FControl->Realign();
}

bool TControlScrollBar::IsRangeStored() const {
    return !FControl->AutoScroll();
}

int TControlScrollBar::ControlSize() const {
    const TRect client = FControl->ClientRect();
    return FKind == sbHorizontal ? client.Width() : client.Height();
}

void TControlScrollBar::MoveTo(int Value) {
    Value = FShown ? std::clamp(Value, 0, MaxPosition()) : 0;
    const int delta = FPosition - Value;
    if (delta != 0) {
        FPosition = Value;
        if (FKind == sbHorizontal)
            FControl->ScrollBy(delta, 0);
        else
            FControl->ScrollBy(0, delta);
    }
    ShowOnWindow();
}

void TControlScrollBar::ScrollMessage(TWMScroll& Message) {
    switch (Message.ScrollCode) {
    case SB_LINEUP:
        MoveTo(FPosition - FIncrement);
        break;
    case SB_LINEDOWN:
        MoveTo(FPosition + FIncrement);
        break;
    case SB_PAGEUP:
        MoveTo(FPosition - ControlSize());
        break;
    case SB_PAGEDOWN:
        MoveTo(FPosition + ControlSize());
        break;
    case SB_THUMBPOSITION:
        MoveTo(Message.Pos);
        break;
    case SB_THUMBTRACK:
        if (FTracking) MoveTo(Message.Pos);
        break;
    case SB_TOP:
        MoveTo(0);
        break;
    case SB_BOTTOM:
        MoveTo(MaxPosition());
        break;
    default:
        break;
    }
    // The bar shows where the control stands, whatever the bar itself had moved to.
    ShowOnWindow();
    Message.Result = 0;
}

void TControlScrollBar::ShowOnWindow() {
    if (!IsWindow(FWindow)) return;
    SetScrollBarInfo(FWindow, {MaxPosition(), ControlSize(), FIncrement, FPosition, FTracking});
}
