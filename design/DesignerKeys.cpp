// The designer's keyboard: undo and redo, delete, deselect, moving and resizing the selected
// controls by one pixel, and the focus step through the tab order.
#include "design/ControlKinds.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "host/controls/Forms.h"

namespace {
constexpr int StepX[] = {-1, 0, 1, 0};
constexpr int StepY[] = {0, -1, 0, 1};

bool IsArrow(uint16_t key) {
    return key >= VK_LEFT && key <= VK_DOWN;
}
} // namespace

void TZkFormDesigner::InnerKeyDown(TMessage& Message) {
    TWMKey key(Message);
    const uint16_t k = key.CharCode;
    const TShiftState shift = KeyDataToShiftState(key.KeyData);
    TZkFormDesigner* root = GetRoolDesigner();
    if (k == 'Z') {
        if (!shift.Contains(ssCtrl)) return;
        if (shift.Contains(ssShift))
            root->Redo();
        else
            root->Undo();
        return;
    }
    if (k == VK_DELETE) {
        root->DeleteSelection();
        return;
    }
    if (shift.Contains(ssShift)) {
        if (IsArrow(k)) ChangeSelectedControlsBounds(StepX[k - VK_LEFT], StepY[k - VK_LEFT]);
    } else if (k == VK_ESCAPE) {
        // Esc during a drag ends the drag, not the selection.
        if (!CancelDesignerDrags(root)) ClearSelection(nullptr);
    } else if (IsArrow(k)) {
        MoveSelection(StepX[k - VK_LEFT], StepY[k - VK_LEFT]);
    }
    // The form walks its tab order; a container inside it has none of its own. Inside a
    // container the arrows move what is selected there, and walk when nothing is.
    TWinControl* form = GetParentForm(FDesignForm);
    if (!form) form = FDesignForm;
    const bool walks = !FIsInner || (GetSelectCount() == 0 && !shift.Contains(ssShift) &&
                                     !shift.Contains(ssCtrl));
    if ((walks && IsArrow(k)) || k == VK_TAB)
        form->Perform(WM_NEXTDLGCTL, k == VK_LEFT || k == VK_UP ? 1 : 0, 0);
}

namespace {
/// Runs change on every selected overlay of the list and records the bounds before and
/// after as one change; records nothing when none is selected.
template <class F> bool ChangeSelected(TZkFormDesigner* designer, F change) {
    auto* before = new TOperateRec();
    auto* after = new TOperateRec();
    for (int i = 0; i < designer->OverlayCount(); ++i) {
        TDesignControl* overlay = designer->Overlay(i);
        if (!overlay->GetSelected()) continue;
        before->AddHistory(otBounds, overlay->ContentBounds(), overlay);
        change(overlay);
        after->AddHistory(otBounds, overlay->ContentBounds(), overlay);
        // A handler of OnDirty ended the session: the rest stays where it is.
        if (!designer->IsDesigning()) break;
    }
    TOperateHistory* history = designer->GetRoolDesigner()->History();
    if (before->Count() == 0 || !history) {
        before->Free();
        after->Free();
        return false;
    }
    history->BeginChange(before);
    history->EndChange(after);
    return true;
}
} // namespace

void TZkFormDesigner::MoveSelection(int DX, int DY) {
    TDesignerScope scope(GetRoolDesigner());
    ChangeSelected(this, [&](TDesignControl* overlay) { overlay->Move(DX, DY); });
}

void TZkFormDesigner::ChangeSelectedControlsBounds(int DW, int DH) {
    TDesignerScope scope(GetRoolDesigner());
    // One bounds change per overlay, so that its size handler fits the control once to the
    // new size, the width of a combo box included.
    const bool changed = ChangeSelected(this, [&](TDesignControl* overlay) {
        const int dh = ControlKinds::IsCustomCombo(overlay->Control()) ? 0 : DH;
        overlay->SetBounds(overlay->Left(), overlay->Top(), overlay->Width() + DW,
                           overlay->Height() + dh);
    });
    if (changed) GetRoolDesigner()->SetIsDirty(true);
}
