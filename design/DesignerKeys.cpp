// The designer's keyboard: undo and redo, delete, deselect, moving and resizing the selected
// controls by one pixel, and the focus step through the tab order.
#include "design/ControlKinds.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "host/controls/Forms.h"
#include "host/core/Clipboard.h"

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
    if (ClipboardKey(k, shift)) return;
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
    if (k == 'A' && shift.Contains(ssCtrl)) {
        SelectAll();
        return;
    }
    if (shift.Contains(ssShift)) {
        if (IsArrow(k)) ResizeSelected(StepX[k - VK_LEFT], StepY[k - VK_LEFT], true);
    } else if (k == VK_ESCAPE) {
        // Esc during a drag ends the drag, not the selection; in tab-order mode, the mode.
        if (!CancelDesignerDrags(root) && !EndTabOrderModes(root)) ClearSelection(nullptr);
    } else if (IsArrow(k)) {
        MoveSelected(StepX[k - VK_LEFT], StepY[k - VK_LEFT], true);
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

bool TZkFormDesigner::ClipboardKey(uint16_t Key, TShiftState Shift) {
    if (!Shift.Contains(ssCtrl) || Shift.Contains(ssAlt)) return false;
    static constexpr std::pair<uint16_t, TKmAlign> keys[] = {
        {'C', daCopy}, {'X', daCut}, {'V', daPaste}, {'D', daDuplicate}};
    for (const auto& [key, command] : keys)
        if (Key == key) {
            CancelDesignerDrags(GetRoolDesigner());
            // An empty clipboard pastes nothing; text that is no form says why.
            if (command != daPaste)
                KMAlignControls(command);
            else if (IsDesigning() && Clipboard()->HasText())
                PasteFromClipboard();
            return true;
        }
    return false;
}

bool TZkFormDesigner::RecordBounds(const std::vector<TDesignControl*>& Overlays, bool KeyStep,
                                   const std::function<void(TDesignControl*, size_t)>& Change) {
    auto* before = new TOperateRec();
    auto* after = new TOperateRec();
    for (size_t i = 0; i < Overlays.size(); ++i) {
        TDesignControl* overlay = Overlays[i];
        before->AddHistory(otBounds, overlay->ContentBounds(), overlay);
        Change(overlay, i);
        after->AddHistory(otBounds, overlay->ContentBounds(), overlay);
        // A handler of OnDirty ended the session: the rest stays where it is.
        if (!IsDesigning()) break;
    }
    TOperateHistory* history = GetRoolDesigner()->History();
    if (before->Count() == 0 || !history) {
        before->Free();
        after->Free();
        return false;
    }
    if (KeyStep) {
        history->AddKeyStep(before, after);
    } else {
        history->BeginChange(before);
        history->EndChange(after);
    }
    return true;
}

void TZkFormDesigner::CloseKeyStep() {
    if (TOperateHistory* history = GetRoolDesigner()->FHistory) history->CloseKeyStep();
}

std::vector<TDesignControl*> TZkFormDesigner::SelectedInList(bool Movable) const {
    std::vector<TDesignControl*> out;
    for (int i = 0; i < OverlayCount(); ++i)
        if (Overlay(i)->GetSelected() && !(Movable && Overlay(i)->Locked()))
            out.push_back(Overlay(i));
    return out;
}

void TZkFormDesigner::MoveSelection(int DX, int DY) {
    MoveSelected(DX, DY, false);
}

void TZkFormDesigner::MoveSelected(int DX, int DY, bool KeyStep) {
    TDesignerScope scope(GetRoolDesigner());
    RecordBounds(SelectedInList(true), KeyStep, [&](TDesignControl* overlay, size_t) {
        overlay->Move(DX, DY);
    });
}

void TZkFormDesigner::ChangeSelectedControlsBounds(int DW, int DH) {
    ResizeSelected(DW, DH, false);
}

void TZkFormDesigner::ResizeSelected(int DW, int DH, bool KeyStep) {
    TDesignerScope scope(GetRoolDesigner());
    // One bounds change per overlay, so that its size handler fits the control once to the
    // new size, the width of a combo box included.
    const bool changed = RecordBounds(SelectedInList(true), KeyStep, [&](TDesignControl* overlay, size_t) {
        const int dh = ControlKinds::IsCustomCombo(overlay->Control()) ? 0 : DH;
        overlay->SetBounds(overlay->Left(), overlay->Top(), overlay->Width() + DW,
                           overlay->Height() + dh);
    });
    if (changed) GetRoolDesigner()->SetIsDirty(true);
}
