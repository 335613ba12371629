// The designer tree: root lookup, the registry of inner designers, and the names that no
// designer of the tree designs.
#include "design/FormDesigner.h"

TZkFormDesigner* TZkFormDesigner::GetRoolDesigner() const {
    const TZkFormDesigner* d = this;
    while (d->GetParenTZkFormDesigner()) d = d->GetParenTZkFormDesigner();
    return const_cast<TZkFormDesigner*>(d);
}

int TZkFormDesigner::GetDesignerCount() const {
    // Inner designers keep no registry of their own: they answer from their root's.
    const TZkFormDesigner* root = FChildDesigners ? this : GetRoolDesigner();
    return root->FChildDesigners ? root->FChildDesigners->Count() : 0;
}

TZkFormDesigner* TZkFormDesigner::GetChildDesigner(int Index) const {
    const TZkFormDesigner* root = FChildDesigners ? this : GetRoolDesigner();
    if (!root->FChildDesigners || Index < 0 || Index >= root->FChildDesigners->Count())
        return nullptr;
    return static_cast<TZkFormDesigner*>(root->FChildDesigners->Items(Index));
}

void TZkFormDesigner::SetCannotDesignControls(TStrings* Value) {
    if (FRunState == TRunState::rsDesigning) throw Exception("设计时不允许此操作，请先退出设计！");
    if (Value)
        FCannotDesignControls->Assign(Value);
    else
        FCannotDesignControls->Clear();
    FCannotDesignControls->Sort();
}
