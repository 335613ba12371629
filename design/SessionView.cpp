// Writing a running design session as ending it would leave the form.

#include "design/SessionView.h"

#include <algorithm>
#include <vector>

#include "design/ControlKinds.h"
#include "design/DesignControl.h"
#include "design/FormDesigner.h"
#include "host/controls/Forms.h"
#include "host/core/TypInfo.h"
#include "inspector/ObjectInspector.h"

TSessionView::TSessionView(TZkFormDesigner* Root)
    : FDesignForm(Root->GetDesignForm()), FInspector(Cast<TControl>(Root->Inspector())) {
    // The root keeps every inner designer of its tree in one list.
    Gather(Root);
    for (int i = 0; i < Root->GetDesignerCount(); ++i) Gather(Root->GetChildDesigner(i));
}

void TSessionView::Gather(TZkFormDesigner* Designer) {
    if (!Designer->IsDesigning() || !Designer->GetDesignForm()) return;
    FDesignerOf[Designer->GetDesignForm()] = Designer;
    for (int i = 0; i < Designer->OverlayCount(); ++i) {
        TDesignControl* overlay = Designer->Overlay(i);
        if (overlay->Wrapping() && overlay->Control()) FOverlayOf[overlay->Control()] = overlay;
    }
    NumberTabOrder(Designer->GetDesignForm());
}

TDesignControl* TSessionView::OverlayOf(const TControl* Control) const {
    auto it = FOverlayOf.find(Control);
    return it == FOverlayOf.end() ? nullptr : it->second;
}

namespace {
/// What an overlay gives back at the end: its control, or nothing once it was deleted.
TControl* Returned(TDesignControl* Overlay) {
    return Overlay->Wrapping() && !Overlay->Deleted() ? Overlay->Control() : nullptr;
}
} // namespace

void TSessionView::NumberTabOrder(TWinControl* DesignForm) {
    // Each overlay's control takes the overlay's place in the tab list.
    int next = 0;
    for (TWinControl* child : TabOrderOutside(DesignForm, FInspector)) {
        auto* overlay = Cast<TDesignControl>(child);
        FTabOrder[overlay ? overlay->Control() : child] = next++;
    }
}

void TSessionView::GetChildren(TComponent* Instance, const TGetChildProc& Proc, TComponent* Root) {
    std::vector<TComponent*> listed;
    Instance->GetChildren(
        [&](TComponent* child) {
            auto* control = Cast<TControl>(child);
            TDesignControl* overlay = control ? OverlayOf(control) : nullptr;
            if (!overlay || Returned(overlay)) listed.push_back(child);
        },
        Root);
    auto designer = FDesignerOf.find(Instance);
    // A page control writes its pages only, whatever else it holds.
    if (designer == FDesignerOf.end() || ControlKinds::IsPageControl(Cast<TControl>(Instance))) {
        for (TComponent* child : listed) Proc(child);
        return;
    }
    // A control given back joins the end of its parent's controls, the windowless ones
    // before the windowed ones; components that are not controls follow them.
    std::vector<TControl*> returned;
    for (TDesignControl* overlay : designer->second->UnwrapOrder())
        if (TControl* control = Returned(overlay);
            control && control->Owner() == Root &&
            std::find(listed.begin(), listed.end(), control) == listed.end())
            returned.push_back(control);
    auto isChild = [&](TComponent* c, bool windowed) {
        auto* control = Cast<TControl>(c);
        return control && control->Parent() == Instance && (Cast<TWinControl>(control) != nullptr) == windowed;
    };
    for (bool windowed : {false, true}) {
        for (TComponent* child : listed)
            if (isChild(child, windowed)) Proc(child);
        for (TControl* control : returned)
            if ((Cast<TWinControl>(control) != nullptr) == windowed) Proc(control);
    }
    for (TComponent* child : listed)
        if (!isChild(child, false) && !isChild(child, true)) Proc(child);
}

bool TSessionView::OrdValue(TPersistent* Instance, const TPropInfo* PropInfo, int64_t& Value) {
    auto* control = Cast<TControl>(Instance);
    if (!control) return false;
    const std::string& name = PropInfo->Name;
    if (name == "TabOrder") {
        auto it = FTabOrder.find(control);
        if (it == FTabOrder.end()) return false;
        Value = it->second;
        return true;
    }
    TDesignControl* overlay = OverlayOf(control);
    if (!overlay) return false;
    const TRect r = overlay->ControlBounds();
    if (name == "Left")
        Value = r.Left;
    else if (name == "Top")
        Value = r.Top;
    else if (name == "Width")
        Value = r.Width();
    else if (name == "Height")
        Value = r.Height();
    else if (name == "Align")
        Value = overlay->AlignOutside();
    else if (name == "TabStop" && (Cast<TWinControl>(control) != nullptr))
        Value = overlay->TabStopOutside();
    else if (name == "Style" && ControlKinds::IsComboBox(control))
        Value = overlay->ComboStyleOutside();
    else
        return false;
    return true;
}

TComponent* TSessionView::Reference(TPersistent* Instance, const TPropInfo* PropInfo,
                                    TComponent* Value) {
    // A form's focus inside the design or the inspector is the session's own: ending the
    // session hides them and takes it away.
    if (PropInfo->Name == "ActiveControl" && Cast<TCustomForm>(Instance))
        for (auto* c = Cast<TControl>(Value); c; c = c->Parent())
            if (c == FInspector || c == FDesignForm) return nullptr;
    if (auto* overlay = Cast<TDesignControl>(Value)) return Returned(overlay);
    if (auto* control = Cast<TControl>(Value))
        if (TDesignControl* overlay = OverlayOf(control)) return Returned(overlay);
    return Value;
}
