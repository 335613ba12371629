// The designer's operations on the selection of its own overlays.
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/FormDesigner.h"
#include "design/SelectionRect.h"

void TZkFormDesigner::AddControl(TDesignControl* AControl) { FControls->Add(AControl); }

void TZkFormDesigner::ClearSelection(TDesignControl* ExceptControl) {
    if (!FControls) return;
    for (int i = 0; i < FControls->Count(); ++i) {
        TDesignControl* overlay = Overlay(i);
        if (overlay != ExceptControl) overlay->SetSelected(false);
    }
}

int TZkFormDesigner::GetSelectCount() const {
    int count = 0;
    for (int i = 0; i < OverlayCount(); ++i)
        if (Overlay(i)->GetSelected()) ++count;
    return count;
}

TRect TZkFormDesigner::GetSelectionRect() const {
    TRect r;
    bool started = false;
    for (int i = 0; i < OverlayCount(); ++i)
        if (Overlay(i)->GetSelected()) r = MergeSelectionRect(r, Overlay(i)->BoundsRect(), started);
    return r;
}

void ClearDesignerSelections(TZkFormDesigner* Root, TZkFormDesigner* KeepDesigner) {
    if (Root != KeepDesigner) Root->ClearSelection(nullptr);
    for (int i = 0; i < Root->GetDesignerCount(); ++i) {
        TZkFormDesigner* d = Root->GetChildDesigner(i);
        if (d != KeepDesigner) d->ClearSelection(nullptr);
    }
}
