#include "design/FormDesigner.h"

#include <algorithm>

#include "design/ControlKinds.h"
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/DrawingResources.h"
#include "design/OperateHistory.h"
#include "host/controls/Forms.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/graphics/Graphics.h"
#include "host/menus/Menus.h"
#include "inspector/ObjectInspector.h"

namespace {
void PublishDesigner(TPublisher& p) {
    p.Prop("CannotDesignControls", &TZkFormDesigner::CannotDesignControls,
           &TZkFormDesigner::SetCannotDesignControls);
    // Whether the design changed is the state of a session, not of the form: a loaded form is
    // unchanged.
    p.Prop("LockedControls", &TZkFormDesigner::LockedControls,
           &TZkFormDesigner::SetLockedControls);
    p.Prop("IsDirty", &TZkFormDesigner::IsDirty, &TZkFormDesigner::SetIsDirty).Stored(false);
    p.Prop("ShowInspector", &TZkFormDesigner::ShowInspector, &TZkFormDesigner::SetShowInspector);
    // Stored only when set, so that forms saved before these existed keep their bytes.
    p.Prop("SnapToGrid", &TZkFormDesigner::SnapToGrid, &TZkFormDesigner::SetSnapToGrid).Default(0);
    p.Prop("GridSize", &TZkFormDesigner::GridSize, &TZkFormDesigner::SetGridSize).Default(8);
    p.Prop("SnapToGuides", &TZkFormDesigner::SnapToGuides, &TZkFormDesigner::SetSnapToGuides)
        .Default(0);
    p.Prop("DistributeByPosition", &TZkFormDesigner::DistributeByPosition,
           &TZkFormDesigner::SetDistributeByPosition)
        .Default(0);
    p.Prop("OnSelectionChange", &TZkFormDesigner::OnSelectionChange,
           &TZkFormDesigner::OnSelectionChange);
    p.Prop("OnBeforeDesign", &TZkFormDesigner::OnBeforeDesign, &TZkFormDesigner::OnBeforeDesign);
    p.Prop("OnEndDesign", &TZkFormDesigner::OnEndDesign, &TZkFormDesigner::OnEndDesign);
    p.Prop("OnDirty", &TZkFormDesigner::OnDirty, &TZkFormDesigner::OnDirty);
    p.Prop("OnChange", &TZkFormDesigner::OnChange, &TZkFormDesigner::OnChange);
    p.Prop("OnObjectClicked", &TZkFormDesigner::OnObjectClicked, &TZkFormDesigner::OnObjectClicked);
    p.Prop("OnTransFieldName", &TZkFormDesigner::OnTransFieldName,
           &TZkFormDesigner::OnTransFieldName);
    p.Prop("OnEditProp", &TZkFormDesigner::OnEditProp, &TZkFormDesigner::OnEditProp);
}
} // namespace

ZK_IMPLEMENT_CLASS(TZkFormDesigner, TComponent, PublishDesigner)
ZK_METHOD_TYPEINFO(TZkSelectionChangeEvent)
ZK_METHOD_TYPEINFO(TZkControlClickedEvent)
ZK_METHOD_TYPEINFO(TTransFieldNameEvent)
ZK_METHOD_TYPEINFO(TEditPropEvent)

TZkFormDesigner::TZkFormDesigner(TComponent* AOwner) : TComponent(AOwner) {
    FShowInspector = true;
    FBoundsChanging = false;
    FIsDirty = false;
    FSelection = new TZkControlSelection(this);
    FCannotDesignControls = new TStringList();
    FLockedControls = new TStringList();
    try {
        if (!ComponentState().Contains(csDesigning)) Initialize();
    } catch (...) {
        // No destructor runs for a constructor that raises.
        FreeAndNil(FSelection);
        FreeAndNil(FCannotDesignControls);
        FreeAndNil(FLockedControls);
        throw;
    }
}

TZkFormDesigner::TZkFormDesigner(TWinControl* AControl, TZkFormDesigner* AParentDesigner,
                                 bool AInner)
    : TComponent(nullptr) {
    FBoundsChanging = false;
    FShowInspector = true;
    FIsDirty = false;
    FCannotDesignControls = new TStringList();
    FLockedControls = new TStringList();
    FMoving = false;
    FIsInner = AInner;
    FRunState = TRunState::rsNone;
    FLockUpdate = false;
    FDesignForm = AControl;
    if (FDesignForm) FDesignForm->FreeNotification(this);
    FControls = new TList();
    FParentDesigner = AParentDesigner;
    if (FParentDesigner)
        FParentDesigner->GetRoolDesigner()->FChildDesigners->Add(this);
    else
        FChildDesigners = new TList();
    FRootDesigner = GetRoolDesigner();
    if (!FParentDesigner) CreatePopupMenu();
    if (!FParentDesigner && !FIsInner) CreateInspector();
    // A designer without a parent is a root: it needs a selection list of its own so that
    // its overlays have somewhere to register, even when made through this constructor.
    if (!FParentDesigner) FSelection = new TZkControlSelection(this);
}

void TZkFormDesigner::Initialize() {
    FBoundsChanging = false;
    FMoving = false;
    FIsInner = false;
    FLockUpdate = false;
    FRunState = TRunState::rsNone;
    FDesignForm = As<TWinControl>(Owner());
    if (FDesignForm) FDesignForm->FreeNotification(this);
    FControls = new TList();
    FParentDesigner = nullptr;
    FChildDesigners = new TList();
    FRootDesigner = this;
    CreatePopupMenu();
    CreateInspector();
    DesignResources::Startup();
}

TZkFormDesigner::~TZkFormDesigner() {
    EndDesign();
    // Overlays of freed controls whose message has not come: no control is inside them now.
    while (!FReleasedOverlays.empty())
        OverlayReleased(FReleasedOverlays.back());
    Settle();
    FreeInspector();
    FreeAndNil(FPopupMenu);
    delete FChildDesigners;
    FChildDesigners = nullptr;
    delete FControls;
    FControls = nullptr;
    // The root it was made for, not a walk up the parents: inner designers that a session
    // let go of are freed together, a parent possibly before its child.
    if (FParentDesigner && FRootDesigner && FRootDesigner != this && FRootDesigner->FChildDesigners)
        FRootDesigner->FChildDesigners->Remove(this);
    delete FCannotDesignControls;
    delete FLockedControls;
    delete FSelection;
}

TDesignControl* TZkFormDesigner::Overlay(int Index) const {
    return static_cast<TDesignControl*>(FControls->Items(Index));
}

TDesignControl* TZkFormDesigner::FindOverlay(const TControl* control) const {
    for (int i = 0; i < OverlayCount(); ++i)
        if (Overlay(i)->Control() == control) return Overlay(i);
    return nullptr;
}

bool TZkFormDesigner::Excluded(TControl* child) const {
    if (ControlKinds::IsBar(child)) return true;
    // The inspector and any class derived from it, known by name: the designer does not
    // depend on the inspector's code.
    for (TClass c = child->ClassType(); c; c = c->ClassParent())
        if (c->ClassName() == "TObjectInspForm") return true;
    TZkFormDesigner* root = GetRoolDesigner();
    if (root->FSplitter && child == root->FSplitter) return true;
    return !child->Name().empty() && root->FCannotDesignControls->IndexOf(child->Name()) >= 0;
}

void TZkFormDesigner::BeginDesign(TWinControl* AControl) {
    if (FRunState == TRunState::rsDesigning) return;
    if (AControl && AControl != FDesignForm) {
        if (FDesignForm) FDesignForm->RemoveFreeNotification(this);
        FDesignForm = AControl;
        FDesignForm->FreeNotification(this);
    }
    if (!FDesignForm || !FControls) return;
    if (OnBeforeDesign) OnBeforeDesign(this);
    // Hidden while the overlays are made; shown again only when it was shown before, so
    // that a container the user does not see (a page not in front) stays hidden. A form
    // that does not show on screen (the containers of a form whose own session is starting)
    // is left alone: hiding it would only send a hide to every window below it.
    FDesignFormWasVisible = FDesignForm->Visible();
    if (FDesignForm->Showing()) FDesignForm->SetVisible(false);

    std::vector<TControl*> designable;
    for (int i = 0; i < FDesignForm->ControlCount(); ++i) {
        TControl* child = FDesignForm->Controls(i);
        if (!Excluded(child)) designable.push_back(child);
    }
    for (TControl* child : designable)
        FControls->Add(new TDesignControl(child, this));
    RaiseLiveControls();

    FOldWindowProc = FDesignForm->WindowProc;
    FDesignForm->WindowProc = [this](TMessage& m) { WinProc(m); };
    FRunState = TRunState::rsDesigning;
    FDesignForm->SetVisible(FDesignFormWasVisible);
    if (FIsInner) return;

    FHistory = new TOperateHistory();
    // A design unchanged at the start is clean there: undoing everything comes back to it.
    if (FIsDirty) FHistory->ForgetClean();
    // Every recorded change, undo and redo leaves the design different from what was saved,
    // except one that comes back to the state last marked clean (saved).
    FHistory->OnChange = [this](TObject*) {
        if (FHistory && FHistory->AtClean())
            FIsDirty = false;
        else
            SetIsDirty(true);
        if (OnChange && IsDesigning()) OnChange(this);
    };
    StartInspector();
}

void TZkFormDesigner::EndDesign() {
    if (FRunState == TRunState::rsDesigning) InnerEndDesign();
}

void TZkFormDesigner::InnerEndDesign() {
    if (FRunState == TRunState::rsNone || FEnding) return;
    TZkFormDesigner* root = GetRoolDesigner();
    TDesignerScope scope(root);
    FEnding = true;
    CancelDrag();
    EndSnapDrag();
    DropTabOrderMode();
    // A design form on its way out (its destroy message or its going reached the
    // designer) is still whole, but is neither hidden nor shown any more.
    const bool formGoing =
        !FDesignForm || FDesignFormGoing || FDesignForm->ComponentState().Contains(csDestroying);
    // Shown again as the session leaves it: a page brought to the front during the session
    // stays in front, and a container hidden for another reason stays hidden.
    const bool visibleAtEnd = FDesignForm && FDesignForm->Visible();
    if (FDesignForm) {
        if (!formGoing && FDesignForm->Showing()) FDesignForm->SetVisible(false);
        if (FOldWindowProc) FDesignForm->WindowProc = FOldWindowProc;
    }
    FOldWindowProc = nullptr;
    ClearSelection(nullptr);
    const std::vector<TDesignControl*> overlays = UnwrapOrder();
    FRestacked = false;
    FControls->Clear();
    for (TDesignControl* overlay : overlays) {
        // A move or size loop of the window system that runs on the overlay ends with it.
        if (overlay->HandleAllocated() && GetCapture() == overlay->Handle()) ReleaseCapture();
        overlay->SetLockUpdate(true);
        overlay->Unwrap();
        // Inside another command the overlay outlives this call: it is no longer seen.
        if (root->FBusy > 1) overlay->SetVisible(false);
        Retire(overlay);
    }
    FRunState = TRunState::rsNone;
    // Overlays of freed controls go with the session, once their control has left them.
    for (TDesignControl* released : std::vector<TDesignControl*>(FReleasedOverlays))
        if (released->ControlCount() == 0) OverlayReleased(released);
    if (!FIsInner) {
        // What was typed goes to its control; the next session starts on its own control.
        if (FInspector) FInspector->SetCurObject(nullptr);
        HideInspector();
    }
    // The controls are back without their overlays: those that are aligned take their
    // places now, not at the next layout, so that a save right after the session holds them.
    if (!formGoing) {
        FDesignForm->Realign();
        // Its own cursor again, not the cross of insert mode.
        FDesignForm->Perform(CM_CURSORCHANGED, 0, 0);
    }
    TOperateHistory* history = FHistory;
    FHistory = nullptr;
    FBoundsAfterItem = nullptr;
    Retire(history);
    FEnding = false;
    if (OnEndDesign) OnEndDesign(this);
    if (!formGoing && FDesignForm) FDesignForm->SetVisible(visibleAtEnd);
}

std::vector<TDesignControl*> TZkFormDesigner::UnwrapOrder() const {
    // Pages keep their order whatever page came to the front: only a user's restacking counts.
    std::vector<TDesignControl*> overlays;
    if (FRestacked) overlays = Stacked();
    for (int i = 0; i < OverlayCount(); ++i)
        if (std::find(overlays.begin(), overlays.end(), Overlay(i)) == overlays.end())
            overlays.push_back(Overlay(i));
    return overlays;
}

void TZkFormDesigner::OverlayGone(TDesignControl* Overlay) {
    if (FControls) FControls->Remove(Overlay);
    TZkFormDesigner* root = GetRoolDesigner();
    if (root->FSelection) root->FSelection->Remove(Overlay);
    if (root->FHistory) root->FHistory->ForgetControl(Overlay);
    std::erase_if(root->FWritesBefore, [Overlay](const TWriteBefore& w) { return w.Overlay == Overlay; });
    if (root->FBoundsAfterItem && root->FBoundsAfterItem->Control == Overlay)
        root->FBoundsAfterItem = nullptr;
    if (FTabOrderBefore)
        for (int i = 0; i < FTabOrderBefore->Count(); ++i)
            if (FTabOrderBefore->Item(i)->Control == Overlay) FTabOrderBefore->Item(i)->Control = nullptr;
    // An overlay taken from its parent and freed without the designer: the design form is
    // being deleted (not freed) and tears down its children. The session ends now, while the
    // form is still a whole windowed control.
    if (IsDesigning() && !Overlay->LockUpdate() && !Overlay->Parent()) {
        FDesignFormGoing = true;
        InnerEndDesign();
        FDesignFormGoing = false;
    }
}

void TZkFormDesigner::RaiseLiveControls() {
    if (!FDesignForm) return;
    for (int i = 0; i < FDesignForm->ControlCount(); ++i) {
        auto* live = Cast<TWinControl>(FDesignForm->Controls(i));
        if (!live || live->Is<TDesignControl>() || !live->HandleAllocated()) continue;
        // Only the windows are restacked: the controls' order, which the form keeps and
        // saves, stays as it was.
        SetWindowPos(live->Handle(), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TZkFormDesigner::CallOldWindowProc(TMessage& Message) {
    if (FOldWindowProc) FOldWindowProc(Message);
}

void TZkFormDesigner::WinProc(TMessage& Message) {
    TDesignerScope scope(GetRoolDesigner());
    const uint32_t msg = Message.Msg;
    switch (msg) {
    case WM_MOUSEMOVE:
        DoMouseMove(Message);
        return;
    case WM_LBUTTONDOWN:
        DoLButtonDown(Message);
        return;
    case WM_LBUTTONUP:
        DoLButtonUp(Message);
        return;
    case WM_LBUTTONDBLCLK:
        DoLButtonDBClick(Message);
        return;
    case WM_RBUTTONDOWN:
        DoRButtonDown(Message);
        return;
    case WM_RBUTTONUP:
        DoRButtonUp(Message);
        return;
    case CN_KEYDOWN:
        InnerKeyDown(Message);
        return;
    case WM_SETCURSOR:
        // Insert mode shows the cross over all the design surface.
        if (GetRoolDesigner()->FDesignState == dsInsert) {
            ::SetCursor(LoadStandardCursor(crCross));
            Message.Result = 1;
            return;
        }
        break;
    // The right press shows the designer's menu; the form's own would follow it.
    case WM_CONTEXTMENU:
        return;
    case WM_DESTROY:
    case WM_CLOSE: {
        // The session ends before the form handles the message; the hook is gone by then,
        // so the message goes to the procedure that was saved when the session began.
        TWndMethod old = FOldWindowProc;
        EndDesign();
        FreeInspector();
        if (old) old(Message);
        return;
    }
    default:
        break;
    }
    // A drag whose capture went to another window (or that the system cancels) ends there,
    // without effect: no release may ever come.
    if (!IsDesigning()) return;
    if ((msg == WM_CAPTURECHANGED &&
         reinterpret_cast<HWND>(Message.LParam) != FDesignForm->Handle()) ||
        msg == WM_CANCELMODE)
        CancelDrag();
    // Right double-click, middle button and wheel; keys and the other key notifications.
    if ((msg >= WM_RBUTTONDBLCLK && msg <= WM_MOUSEWHEEL) || (msg >= WM_KEYDOWN && msg <= 0x108) ||
        (msg > CN_KEYDOWN && msg <= CN_KEYDOWN + 6))
        return;
    CallOldWindowProc(Message);
    if (msg == WM_PAINT && !FIsInner) PaintGrid();
}

void TZkFormDesigner::PaintGrid() {
    TCanvas* canvas = nullptr;
    if (auto* form = Cast<TCustomForm>(FDesignForm))
        canvas = form->Canvas();
    else if (auto* custom = Cast<TCustomControl>(FDesignForm))
        canvas = custom->Canvas();
    if (!canvas) return;
    // Only the part the paint updates, from a grid already in the screen's format and the
    // form's colours: a drag step repaints a few small rectangles, not the whole form.
    TBitmap* grid = DesignResources::GridImage(canvas->Brush()->Color(), canvas->Font()->Color(),
                                               GetRoolDesigner()->FGridSize);
    TRect part;
    if (!IntersectRect(part, canvas->ClipRect(), Rect(0, 0, grid->Width(), grid->Height()))) return;
    canvas->CopyRect(part, grid->Canvas(), part);
}

void TZkFormDesigner::SetIsDirty(bool Value) {
    // A form stored with the flag set (as older files are) loads unchanged.
    if (ComponentState().Contains(csLoading)) return;
    // The host marks the design saved: the history remembers where that was.
    if (!Value)
        if (TOperateHistory* history = GetRoolDesigner()->FHistory) history->MarkClean();
    if (Value == FIsDirty) return;
    FIsDirty = Value;
    if (Value && OnDirty) OnDirty(this);
}

void TZkFormDesigner::Notification(TComponent* AComponent, TOperation Operation) {
    // Ending the session here may let go of this very designer (an inner one): it is freed
    // only once this call is over.
    TDesignerScope scope(FRootDesigner ? FRootDesigner : this);
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && (!FRetired.empty() || !FReleasedOverlays.empty()))
        ForgetRetired(AComponent);
    if (Operation == opRemove && AComponent == FInspector) FInspector = nullptr;
    if (Operation == opRemove && AComponent == FSplitter) FSplitter = nullptr;
    if (Operation == opRemove && AComponent == FDesignForm) {
        // The design form is going but still whole: a session still running ends first.
        EndDesign();
        FDesignForm = nullptr;
    }
}
