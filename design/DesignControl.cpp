// The overlay's life: wrapping and unwrapping its control, handle geometry, window region
// and painting.
#include "design/DesignControl.h"

#include <algorithm>
#include <vector>

#include "design/ControlKinds.h"
#include "design/ControlSelection.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "host/core/SysUtils.h"
#include "host/graphics/GdiApi.h"
#include "inspector/ObjectInspector.h"

ZK_IMPLEMENT_CLASS(TDesignControl, TCustomControl, nullptr)

TDesignControl::TDesignControl(TControl* AControl, TZkFormDesigner* ADesigner)
    : TCustomControl(nullptr) {
    // The erase fills the whole overlay: what lies beneath is never seen through it.
    FControlStyle.Include(csOpaque);
    FDeleted = false;
    FLockUpdate = false;
    FSelected = false;
    FDesigner = ADesigner;
    FRootDesigner = ADesigner->GetRoolDesigner();
    FControl = AControl;
    FControl->FreeNotification(this);

    TRect r = AControl->BoundsRect();
    SetParent(AControl->Parent());
    auto* winControl = Cast<TWinControl>(AControl);
    if (winControl) {
        FOldTabStop = winControl->TabStop();
        winControl->SetTabStop(false);
        SetTabOrder(winControl->TabOrder());
        winControl->SetTabOrder(-1);
    }
    SetTabStop(true);
    AControl->SetParent(this);
    FOldWindowProc = AControl->WindowProc;
    AControl->WindowProc = [this](TMessage& m) { WinProc(m); };
    InflateRect(r, HandleSize, HandleSize);
    SetBoundsRect(r);
    AControl->SetLeft(HandleSize);
    AControl->SetTop(HandleSize);
    SetVisible(true);

    if (winControl && !ControlKinds::IsGrid(AControl) &&
        winControl->ControlStyle().Contains(csAcceptsControls)) {
        FInnerDesigner = new TZkFormDesigner(winControl, ADesigner, true);
        FInnerDesigner->BeginDesign(nullptr);
    }
    FOldAlign = static_cast<uint8_t>(AControl->Align());
    if (FOldAlign != alNone && !ControlKinds::IsTabSheet(AControl)) {
        TRect kept = BoundsRect();
        AControl->SetAlign(alNone);
        SetBoundsRect(kept);
        // Two size changes that end where they began: each runs the size handler, which
        // fits the control into the inner rectangle, and the overlay keeps its size, so a
        // session does not make aligned controls grow.
        SetHeight(Height() + 1);
        SetWidth(Width() + 1);
        SetHeight(Height() - 1);
        SetWidth(Width() - 1);
        ResetRgn();
    }
    if (ControlKinds::IsTabSheet(AControl)) SetAlign(alClient);
    FAlignAtStart = static_cast<uint8_t>(Align());
    SetVisible(AControl->Visible());
    if (winControl) {
        const int show = Visible() ? SW_SHOW : SW_HIDE;
        ShowWindow(Handle(), show);
        ShowWindow(winControl->Handle(), show);
        // The size handler fits the control into the overlay; the message carries the
        // overlay's real size, which the framework's handler takes as the new size.
        if (ControlKinds::IsCustomListControl(AControl))
            Perform(WM_SIZE, SIZE_RESTORED, MakeLong(Width(), Height()));
        if (ControlKinds::IsComboBox(AControl)) {
            FOldComboStyle = ControlKinds::ComboStyle(AControl);
            ControlKinds::SetComboStyle(AControl, ControlKinds::DropDownListStyle());
        }
    }
    // A control inserted during the session gets a new window, which opens on top.
    if (ADesigner->IsDesigning()) ADesigner->RaiseLiveControls();
}

TDesignControl::~TDesignControl() {
    // Deleted without Free: BeforeDestruction did not run.
    Unwrap();
    if (FHeader) FreeObjectInstance(FHeader->Instance);
}

void TDesignControl::BeforeDestruction() {
    // The control leaves the overlay before the destroy message goes down the overlay's
    // windows: an undesigned windowed control inside a designed container lives on.
    Unwrap();
    inherited::BeforeDestruction();
}

void TDesignControl::Unwrap() {
    if (FUnwrapped) return;
    FUnwrapped = true;
    ReleaseInnerDesigner();
    if (FDesigner) FDesigner->OverlayGone(this);
    TControl* control = FControl;
    const bool listView = ControlKinds::IsListView(control);
    if (listView && Parent()) Parent()->SetVisible(true);
    if (FHeader) {
        if (FHeader->Wnd && IsWindow(FHeader->Wnd))
            SetWindowLong(FHeader->Wnd, GWL_WNDPROC, reinterpret_cast<intptr_t>(FHeader->OldProc));
        FHeader->Wnd = nullptr;
    }
    if (!control) return;
    FControl = nullptr;
    control->RemoveFreeNotification(this);
    control->WindowProc = FOldWindowProc;
    // Without a parent the overlay is being torn out of a design form that is deleted: the
    // control goes back to that form, which frees it with its other children.
    TWinControl* home = Parent() ? Parent() : FDesigner ? FDesigner->GetDesignForm() : nullptr;
    control->SetParent(home);
    control->SetBoundsRect(ControlBounds());
    if (auto* winControl = Cast<TWinControl>(control)) {
        winControl->SetTabOrder(TabOrder());
        winControl->SetTabStop(FOldTabStop);
    }
    // The overlay's alignment when something changed it during the design, otherwise
    // the alignment the control had before.
    control->SetAlign(AlignOutside());
    // The overlay may wait a while before it is freed: it takes no place in its parent's
    // alignment meanwhile.
    if (Align() != alNone) SetAlign(alNone);
    if (listView && Parent()) Parent()->SetVisible(false);
    if (ControlKinds::IsComboBox(control)) ControlKinds::SetComboStyle(control, FOldComboStyle);
    // The window shows the control's own cursor again, not the last one the design showed.
    control->Perform(CM_CURSORCHANGED, 0, 0);
    if (FDeleted) control->Free();
}

std::vector<TWinControl*> TabOrderOutside(TWinControl* Parent, const TControl* Inspector) {
    std::vector<TWinControl*> list(static_cast<size_t>(Parent->ControlCount()), nullptr);
    for (int i = 0; i < Parent->ControlCount(); ++i)
        if (auto* child = Cast<TWinControl>(Parent->Controls(i)); child && child->TabOrder() >= 0)
            list[static_cast<size_t>(child->TabOrder())] = child;
    std::erase_if(list, [Inspector](TWinControl* c) {
        auto* overlay = Cast<TDesignControl>(c);
        return !c || c == Inspector ||
               (overlay && (!overlay->Wrapping() || overlay->Deleted() ||
                            !Cast<TWinControl>(overlay->Control())));
    });
    return list;
}

bool TDesignControl::KeptValue(const std::string& Name, Variant& Value, bool Write) {
    auto* windowed = Cast<TWinControl>(FControl);
    if (!FControl || FUnwrapped) return false;
    if (Name == "Align") {
        if (Write)
            SetAlign(static_cast<TAlign>(Value.AsInteger()));
        else
            Value = Variant(int32_t(AlignOutside()));
        return true;
    }
    if (Name == "TabStop" && windowed) {
        if (Write)
            FOldTabStop = Value.AsBoolean();
        else
            Value = Variant(FOldTabStop);
        return true;
    }
    if (Name == "TabOrder" && windowed && Parent()) {
        const std::vector<TWinControl*> order =
            TabOrderOutside(Parent(), FRootDesigner ? Cast<TControl>(FRootDesigner->Inspector()) : nullptr);
        if (!Write) {
            const auto at = std::find(order.begin(), order.end(), this);
            Value = Variant(int32_t(at == order.end() ? -1 : at - order.begin()));
            return true;
        }
        const int wanted = Value.IsNumeric() ? Value.AsInteger() : StrToInt(VarToStr(Value));
        // The overlay takes the place of the one that holds that number now.
        if (!order.empty())
            SetTabOrder(order[static_cast<size_t>(std::clamp(wanted, 0, int(order.size()) - 1))]
                            ->TabOrder());
        return true;
    }
    return false;
}

TRect TDesignControl::ControlBounds() const {
    TRect r = BoundsRect();
    InflateRect(r, -HandleSize, -HandleSize);
    return r;
}

void TDesignControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl) ControlGone();
}

void TDesignControl::ReleaseInnerDesigner() {
    // The inner designer may be running the command that ended the session: it ends now and
    // is freed with the command.
    if (TZkFormDesigner* inner = FInnerDesigner) {
        FInnerDesigner = nullptr;
        inner->EndDesign();
        FRootDesigner->Retire(inner);
    }
}

void TDesignControl::ControlGone() {
    // The host freed the control during the session: the overlay goes with it. The control is
    // still inside it, being destroyed, so the overlay is freed by a message it posts itself.
    TDesignerScope scope(FRootDesigner);
    TControl* control = FControl;
    FControl = nullptr;
    FUnwrapped = true;
    FLockUpdate = true;
    if (control) {
        control->RemoveFreeNotification(this);
        control->WindowProc = FOldWindowProc;
    }
    // Out of the session before anyone hears of it: a handler may end the session.
    if (FDesigner->FControls) FDesigner->FControls->Remove(this);
    FRootDesigner->ReleaseWhenPosted(this);
    ReleaseInnerDesigner();
    if (Focused() && FDesigner->GetDesignForm() && FDesigner->GetDesignForm()->CanFocus())
        FDesigner->GetDesignForm()->SetFocus();
    SetVisible(false);
    FSelected = false;
    FDesigner->OverlayGone(this);
    FDesigner->ObjectsChanged();
    FDesigner->SelectionChanged();
}

TRect TDesignControl::GetHitTestRect(uint32_t HitCode, bool Inflate) const {
    if (HitCode == hcClient) {
        TRect r = FControl ? FControl->ClientRect() : TRect{};
        if (Inflate) InflateRect(r, 2, 2);
        return r;
    }
    return HandleRect(HitCode, Width(), Height(), Inflate);
}

uint32_t TDesignControl::HitTest(TPoint P) const {
    return HitTestHandles(P, Width(), Height());
}

void TDesignControl::ResetRgn() {
    if (ControlKinds::IsTabSheet(FControl)) return;
    HRGN rgn = CreateRectRgnIndirect(InnerRect(Width(), Height()));
    if (FSelected) {
        for (uint32_t code : HandleOrder) {
            HRGN handle = CreateRectRgnIndirect(HandleRect(code, Width(), Height(), false));
            CombineRgn(rgn, rgn, handle, RGN_OR);
            DeleteObject(handle);
        }
    }
    SetWindowRgn(Handle(), rgn, true);
    // The handles are painted by the next paint of the overlay, which the region change
    // asks for: a window can only be drawn on while it paints.
    if (FSelected) Invalidate();
    // Handles that lay over a neighbour leave it to paint that part again, its own window
    // and the control inside it: not every window repaints what a region gives back.
    if (FHandlesShown && !FSelected && Showing()) {
        TWinControl* parent = Parent();
        const TRect handles = BoundsRect();
        InvalidateRect(parent->Handle(), &handles, true);
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = Cast<TDesignControl>(parent->Controls(i));
            auto* covered = sibling ? Cast<TWinControl>(sibling->Control()) : nullptr;
            TRect part;
            if (!covered || sibling == this || !covered->HandleAllocated() ||
                !IntersectRect(part, handles, sibling->BoundsRect()))
                continue;
            OffsetRect(part, -sibling->Left() - covered->Left(), -sibling->Top() - covered->Top());
            InvalidateRect(covered->Handle(), &part, true);
        }
    }
    FHandlesShown = FSelected;
}

void TDesignControl::DrawHandler(TCanvas* ACanvas) {
    ACanvas->Brush()->SetStyle(bsSolid);
    // A locked control's handles are hollow: they grab nothing.
    const bool locked = Locked();
    for (uint32_t code : HandleOrder) {
        const TRect r = HandleRect(code, Width(), Height(), false);
        ACanvas->Brush()->SetColor(locked ? clWhite : clBlack);
        ACanvas->FillRect(r);
        if (!locked) continue;
        ACanvas->Brush()->SetColor(clBlack);
        ACanvas->FrameRect(r);
    }
}

bool TDesignControl::Locked() const {
    return FControl && FRootDesigner && FRootDesigner->IsLocked(FControl);
}

void TDesignControl::Paint() {
    inherited::Paint();
    if (FSelected) DrawHandler(Canvas());
}

void TDesignControl::WMEraseBkgnd(TWMEraseBkgnd& Message) {
    // Under its control the overlay shows its parent's colour, as the parent itself would
    // at run time: what the control leaves unpainted (a panel's face, a bevel's inside) looks
    // as it does then, not like the design form's grid. The parent's brush paints it while
    // it is the same: a brush object of its own per overlay would repeat one colour a
    // thousand times over.
    TWinControl* parent = Parent();
    HDC dc = Message.DC();
    if (dc && parent && parent->Brush()->Color() == Brush()->Color() &&
        parent->Brush()->Style() == Brush()->Style()) {
        TRect r = ClientRect();
        FillRect(dc, &r, parent->Brush()->Handle());
        Message.Result = 1;
        return;
    }
    inherited::WMEraseBkgnd(Message);
}

bool TDesignControl::CanResize(int& NewWidth, int& NewHeight) {
    // A combo box keeps the height it has at run time.
    if (ControlKinds::IsCustomCombo(FControl)) NewHeight = 2 * HandleSize + FControl->Height();
    // A size the user drags or keys stops where the control can still be grabbed; a control
    // that is smaller already (a bevel line) is not made larger by it.
    if (FInUserBoundsChange) {
        constexpr int smallest = 2 * HandleSize + MinGrabSize;
        NewWidth = std::max(NewWidth, std::min(Width(), smallest));
        NewHeight = std::max(NewHeight, std::min(Height(), smallest));
    }
    // Never narrower than the margin on both sides, where the control would have no room.
    NewWidth = std::max(NewWidth, 2 * HandleSize);
    NewHeight = std::max(NewHeight, 2 * HandleSize);
    return inherited::CanResize(NewWidth, NewHeight);
}
