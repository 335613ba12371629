#include "design/FormSessions.h"

#include "design/DesignControl.h"
#include "design/FormDesigner.h"
#include "host/controls/Forms.h"

namespace {
/// The root designer of the first session found with designed controls inside Control's tree.
TZkFormDesigner* SessionIn(TControl* Control) {
    auto* parent = Cast<TWinControl>(Control);
    if (!parent) return nullptr;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (auto* overlay = Cast<TDesignControl>(child))
            return overlay->Designer()->GetRoolDesigner();
        if (TZkFormDesigner* found = SessionIn(child)) return found;
    }
    return nullptr;
}
} // namespace

void EndSessionsOn(TCustomForm* Form) {
    while (TZkFormDesigner* root = SessionIn(Form))
        root->EndDesign();
}
