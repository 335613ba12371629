#include "design/ControlSelection.h"

#include "design/FormDesigner.h"

ZK_IMPLEMENT_CLASS(TZkControlSelection, TList, nullptr)

void TZkControlSelection::Notify(void* Ptr, TListNotification Action) {
    inherited::Notify(Ptr, Action);
    if (!FDesigner || !FDesigner->OnSelectionChange) return;
    auto* overlay = static_cast<TDesignControl*>(Ptr);
    if (Action == lnAdded)
        FDesigner->OnSelectionChange(overlay, ctSelected);
    else if (Action == lnDeleted)
        FDesigner->OnSelectionChange(overlay, ctNotSelected);
}
