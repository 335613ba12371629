// Locked controls: kept by name on the root designer, so that the locks are saved with it and
// hold in every container of the tree.
#include <memory>

#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

void TZkFormDesigner::SetLockedControls(TStrings* Value) {
    if (Value)
        FLockedControls->Assign(Value);
    else
        FLockedControls->Clear();
    if (IsDesigning())
        for (int i = 0; i < OverlayCount(); ++i)
            Overlay(i)->Invalidate();
}

bool TZkFormDesigner::IsLocked(const TControl* Control) const {
    const TZkFormDesigner* root = GetRoolDesigner();
    return Control && !Control->Name().empty() && root->FLockedControls->Count() > 0 &&
           root->FLockedControls->IndexOf(Control->Name()) >= 0;
}

void TZkFormDesigner::SetLocked(TDesignControl* Overlay, bool Lock) {
    TControl* control = Overlay->Control();
    if (!control || control->Name().empty()) return;
    TStringList* locks = GetRoolDesigner()->FLockedControls;
    const int at = locks->IndexOf(control->Name());
    if (Lock && at < 0) locks->Add(control->Name());
    if (!Lock && at >= 0) locks->Delete(at);
    // The handles show the lock: hollow or filled.
    Overlay->Invalidate();
}

void TZkFormDesigner::Renamed(const std::string& Old, const std::string& New) {
    TStringList* locks = GetRoolDesigner()->FLockedControls;
    if (const int at = Old.empty() ? -1 : locks->IndexOf(Old); at >= 0) locks->SetStrings(at, New);
}

void TZkFormDesigner::LockSelection(bool Lock) {
    TZkFormDesigner* root = GetRoolDesigner();
    TDesignerScope scope(root);
    auto before = std::make_unique<TOperateRec>();
    auto after = std::make_unique<TOperateRec>();
    for (TDesignControl* overlay : SelectedOverlays()) {
        if (overlay->Locked() == Lock) continue;
        before->AddHistory(otLock, Rect(Lock ? 0 : 1, 0, 0, 0), overlay);
        SetLocked(overlay, Lock);
        after->AddHistory(otLock, Rect(Lock ? 1 : 0, 0, 0, 0), overlay);
    }
    if (before->Count() == 0) return;
    if (TOperateHistory* history = root->FHistory) {
        history->BeginChange(before.release());
        history->EndChange(after.release());
    }
    root->SetIsDirty(true);
}
