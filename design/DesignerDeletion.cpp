// Deleting controls: an overlay hides itself and its control, undoably, and stays alive
// until the session ends; the designer deletes its selection that way and moves the focus on.
#include <memory>
#include <vector>

#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

void TDesignControl::SetDeleted(bool value) {
    FDeleted = value;
    FDesigner->ObjectsChanged();
}

void TDesignControl::Undelete() {
    SetVisible(FShownBeforeDelete);
    SetDeleted(false);
}

void TDesignControl::Delete(TOperateRec* Before, TOperateRec* After) {
    FShownBeforeDelete = Visible();
    SetDeleted(true);
    SetVisible(false);
    if (Before && After) {
        Before->AddHistory(otDeleted, this);
        After->AddHistory(otInsert, this);
        return;
    }
    TOperateHistory* history = FRootDesigner->FHistory;
    if (!history) return;
    auto* rec = new TOperateRec();
    rec->AddHistory(otDeleted, this);
    history->BeginChange(rec);
    rec = new TOperateRec();
    rec->AddHistory(otInsert, this);
    history->EndChange(rec);
}

void TZkFormDesigner::DeleteSelection() {
    TZkFormDesigner* root = GetRoolDesigner();
    TZkControlSelection* selection = root->FSelection;
    if (!selection) return;
    TDesignerScope scope(root);
    // A drag of the selection ends first: it would move what the deletion leaves selected.
    CancelDesignerDrags(root);
    // Taken first: hiding a focused overlay can move the focus, and with it the selection.
    std::vector<TDesignControl*> deleted;
    for (int i = 0; i < selection->Count(); ++i)
        deleted.push_back(selection->Get(i));
    // One change for them all: one undo brings back everything one Delete took.
    auto before = std::make_unique<TOperateRec>();
    auto after = std::make_unique<TOperateRec>();
    for (TDesignControl* overlay : deleted) {
        overlay->Delete(before.get(), after.get());
        if (!IsDesigning()) return;
    }
    if (TOperateHistory* history = root->FHistory; history && before->Count() > 0) {
        history->BeginChange(before.release());
        history->EndChange(after.release());
    }
    selection->Clear();
    for (TDesignControl* overlay : deleted) {
        overlay->ForgetSelection();
        // Without its handles, so that an undo shows the control unselected.
        overlay->ResetRgn();
    }
    SelectionChanged();
    for (int i = 0; i < OverlayCount(); ++i) {
        TDesignControl* overlay = Overlay(i);
        if (!overlay->Visible()) continue;
        if (overlay->CanFocus()) overlay->SetFocus();
        // An overlay that had the focus already gets no focus message to select it.
        if (overlay->Wrapping()) overlay->SetSelected(true);
        break;
    }
}
