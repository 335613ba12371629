// The designer's mouse on its design form: the rubber band, the insert rectangle and the
// drag-move of several selected controls, each with its exclusive-or frame.
#include "design/DesignControl.h"
#include "design/DragGeometry.h"
#include "design/FormDesigner.h"
#include "design/SelectionRect.h"
#include "design/SnapGeometry.h"
#include "design/XorFrame.h"
#include "host/controls/Forms.h"
#include "host/extctrls/ExtCtrls.h"

namespace {
bool Held(const TMessage& m, intptr_t flag) {
    return (m.WParam & flag) != 0;
}

/// Whether a press at p (the design form's client coordinates) is on the splitter of the
/// inspector docked on that form: the splitter's own drag then, which a band would swallow.
bool OnInspectorSplitter(TSplitter* splitter, TWinControl* designForm, TPoint p) {
    return splitter && splitter->Parent() == designForm && splitter->Visible() &&
           PtInRect(splitter->BoundsRect(), p);
}

/// Gives the container itself the keyboard focus. A form would hand it on to its active
/// control (an overlay focused earlier), so a form forgets that control first.
void FocusContainer(TWinControl* container) {
    if (auto* form = Cast<TCustomForm>(container)) form->SetActiveControl(nullptr);
    if (container->CanFocus()) container->SetFocus();
}
} // namespace

void TZkFormDesigner::CaptureMouse() {
    SetCapture(FDesignForm->Handle());
    const TRect clip = ScreenClientRect(FDesignForm);
    ClipCursor(&clip);
}

void TZkFormDesigner::ReleaseMouse() {
    // The drag flags are down already, so the capture-changed notice this sends is not
    // taken for a capture lost mid-drag.
    if (FDesignForm->HandleAllocated() && GetCapture() == FDesignForm->Handle()) ReleaseCapture();
    ClipCursor(nullptr);
}

void TZkFormDesigner::DrawBand() {
    TXorFrame().Draw(FBandRect);
}

TRect TZkFormDesigner::BandRect() {
    const TRect band = SpannedRect(FDragFrom, FDragTo);
    if (GetRoolDesigner()->FDesignState != dsInsert || !FSnapping) return band;
    TDraggedEdges edges;
    edges.Whole = false;
    const TPoint topLeft = FDesignForm->ScreenToClient(Point(band.Left, band.Top));
    const TRect snapped = SnapDrag(
        Rect(topLeft.X, topLeft.Y, topLeft.X + band.Width(), topLeft.Y + band.Height()), edges);
    const TPoint screen = FDesignForm->ClientToScreen(Point(snapped.Left, snapped.Top));
    return Bounds(screen.X, screen.Y, snapped.Width(), snapped.Height());
}

void TZkFormDesigner::StartBand(TPoint ScreenPos) {
    CancelDrag();
    CaptureMouse();
    FRubberBanding = true;
    FDragFrom = FDragTo = ScreenPos;
    if (GetRoolDesigner()->FDesignState == dsInsert) BeginSnapDrag({});
    FBandRect = BandRect();
}

void TZkFormDesigner::DoLButtonDown(TMessage& Message) {
    TZkFormDesigner* root = GetRoolDesigner();
    if (OnInspectorSplitter(root->InspectorSplitter(), FDesignForm,
                            PointFromLParam(Message.LParam))) {
        CallOldWindowProc(Message);
        return;
    }
    root->FPressKnown = false;
    CloseKeyStep();
    if (!FIsInner) {
        FocusContainer(FDesignForm);
        ClearDesignerSelections(root, nullptr);
        // A handler of OnSelectionChange ended the session.
        if (!IsDesigning()) return;
    }
    if (Held(Message, MK_CONTROL) || !FIsInner || root->FDesignState == dsInsert)
        StartBand(FDesignForm->ClientToScreen(PointFromLParam(Message.LParam)));
    CallOldWindowProc(Message);
}

void TZkFormDesigner::SetDesignState(TDesignState value) {
    if (value == FDesignState) return;
    FDesignState = value;
    if (!IsDesigning()) return;
    ResetCursors();
    for (int i = 0; i < GetDesignerCount(); ++i)
        GetChildDesigner(i)->ResetCursors();
}

void TZkFormDesigner::ResetCursors() {
    if (FDesignForm) FDesignForm->Perform(CM_CURSORCHANGED, 0, 0);
    for (int i = 0; i < OverlayCount(); ++i) {
        TDesignControl* overlay = Overlay(i);
        overlay->Perform(CM_CURSORCHANGED, 0, 0);
        if (TControl* control = overlay->Control()) control->Perform(CM_CURSORCHANGED, 0, 0);
    }
}

void TZkFormDesigner::BeginInsertAt(TPoint ScreenPos) {
    StartBand(ScreenPos);
}

void TZkFormDesigner::DoMouseMove(TMessage& Message) {
    const TPoint p = FDesignForm->ClientToScreen(PointFromLParam(Message.LParam));
    const bool left = Held(Message, MK_LBUTTON);
    if (FMoving) {
        if (!left) {
            CallOldWindowProc(Message);
            return;
        }
        TXorFrame frame(FDesignForm);
        if (FMoveRectShown) frame.Draw(FMoveRect);
        FDragFrom = FDragTo;
        FDragTo = p;
        const TPoint shift = MoveShift(p);
        OffsetRect(FMoveRect, shift.X - FMoveShift.X, shift.Y - FMoveShift.Y);
        FMoveShift = shift;
        frame.Draw(FMoveRect);
        FMoveRectShown = true;
        return;
    }
    const bool insert = GetRoolDesigner()->FDesignState == dsInsert;
    const bool ctrl = Held(Message, MK_CONTROL);
    if (FRubberBanding && ((left && (!FIsInner || ctrl)) || insert)) {
        DrawBand();
        FDragTo = p;
        FBandRect = BandRect();
        DrawBand();
        return;
    }
    CallOldWindowProc(Message);
}

void TZkFormDesigner::DoLButtonUp(TMessage& Message) {
    const TPoint p = FDesignForm->ClientToScreen(PointFromLParam(Message.LParam));
    if (FMoving) {
        FRubberBanding = false;
        FinishMove(p);
        return;
    }
    if (FRubberBanding) {
        FinishBand(p);
        return;
    }
    CallOldWindowProc(Message);
}

void TZkFormDesigner::FinishBand(TPoint releasePos) {
    FRubberBanding = false;
    ReleaseMouse();
    DrawBand();
    FDragTo = releasePos;
    const TRect drawn = BandRect();
    EndSnapDrag();
    TZkFormDesigner* root = GetRoolDesigner();
    ClearDesignerSelections(root, nullptr);
    if (!IsDesigning()) return;
    // Insert mode without a class to insert selects as a band does, so no press is lost.
    if (root->FDesignState == dsInsert && root->FInsertClass) {
        const TRect r = SpannedRect(FDesignForm->ScreenToClient(Point(drawn.Left, drawn.Top)),
                                    FDesignForm->ScreenToClient(Point(drawn.Right, drawn.Bottom)));
        // The new control is selected alone and inspected, as a click on it would do.
        TDesignControl* inserted = AddControlToDesign(root->FInsertClass, r);
        if (IsDesigning() && inserted->Wrapping()) SelectAlone(inserted);
        return;
    }
    const TRect band = SpannedRect(FDragFrom, FDragTo);
    for (int i = 0; i < OverlayCount(); ++i) {
        TDesignControl* overlay = Overlay(i);
        // Deleted controls are hidden and stay out of every selection.
        if (!overlay->Visible()) continue;
        const TRect r = overlay->BoundsRect();
        const TRect screen = SpannedRect(FDesignForm->ClientToScreen(Point(r.Left, r.Top)),
                                         FDesignForm->ClientToScreen(Point(r.Right, r.Bottom)));
        if (RectsOverlap(screen, band)) overlay->SetSelected(true);
        if (!IsDesigning()) return;
    }
    // Inside a container the press left the focus on the container, whose keys would act on
    // the designer around it: the keys go to the controls just selected instead.
    if (FIsInner)
        for (int i = 0; i < OverlayCount(); ++i)
            if (Overlay(i)->GetSelected() && Overlay(i)->CanFocus()) {
                Overlay(i)->SetFocus();
                break;
            }
}

void TZkFormDesigner::FinishMove(TPoint releasePos) {
    FMoving = false;
    ReleaseMouse();
    if (FMoveRectShown) TXorFrame(FDesignForm).Draw(FMoveRect);
    FMoveRectShown = false;
    FDragTo = releasePos;
    const TPoint shift = MoveShift(releasePos);
    EndSnapDrag();
    MoveSelection(shift.X, shift.Y);
}

TPoint TZkFormDesigner::MoveShift(TPoint screenPos) {
    const TPoint raw{screenPos.X - FMoveOrigin.X, screenPos.Y - FMoveOrigin.Y};
    TRect r = FMoveStart;
    OffsetRect(r, raw.X, raw.Y);
    const TRect snapped = SnapDrag(r, TDraggedEdges{});
    return {snapped.Left - FMoveStart.Left, snapped.Top - FMoveStart.Top};
}

void TZkFormDesigner::DoLButtonDBClick(TMessage& Message) {
    (void)Message;
    // The double-click takes the place of a second press: whatever band the first press
    // began has ended, and none begins.
    if (FRubberBanding && !FMoving) CancelDrag();
    FRubberBanding = false;
}

void TZkFormDesigner::PerFormMove() {
    // A band in progress ends here, frame and all: the two drags share the drag points and
    // the capture, and the release finishes only the move.
    if (FRubberBanding) {
        FRubberBanding = false;
        DrawBand();
    }
    TRect r;
    bool started = false;
    std::vector<TDesignControl*> moving;
    // Locked controls stay where they are; the others move.
    for (TDesignControl* overlay : SelectedInList(true)) {
        r = MergeSelectionRect(r, overlay->BoundsRect(), started);
        moving.push_back(overlay);
    }
    if (moving.empty()) return;
    FMoveRect = SpannedRect(FDesignForm->ClientToScreen(Point(r.Left, r.Top)),
                            FDesignForm->ClientToScreen(Point(r.Right, r.Bottom)));
    // The controls' union, without the overlays' margin, is what snaps.
    FMoveStart = r;
    InflateRect(FMoveStart, -HandleSize, -HandleSize);
    FMoveShift = {0, 0};
    BeginSnapDrag(moving);
    FMoving = true;
    FMoveRectShown = false;
    // From the press that began the drag: the step that handed it over counts too.
    TZkFormDesigner* root = GetRoolDesigner();
    TPoint from;
    if (root->FPressKnown)
        from = root->FPressPos;
    else
        GetCursorPos(from);
    root->FPressKnown = false;
    FDragFrom = FDragTo = FMoveOrigin = from;
    CaptureMouse();
}

bool TZkFormDesigner::CancelDrag() {
    const bool band = FRubberBanding, move = FMoving;
    if (!band && !move) return false;
    FRubberBanding = false;
    FMoving = false;
    EndSnapDrag();
    if (FDesignForm) ReleaseMouse();
    if (band) DrawBand();
    if (move && FMoveRectShown && FDesignForm) TXorFrame(FDesignForm).Draw(FMoveRect);
    FMoveRectShown = false;
    return true;
}

bool CancelDesignerDrags(TZkFormDesigner* Root) {
    bool cancelled = Root->CancelDrag();
    for (int i = 0; i < Root->GetDesignerCount(); ++i)
        cancelled = Root->GetChildDesigner(i)->CancelDrag() || cancelled;
    return cancelled;
}
