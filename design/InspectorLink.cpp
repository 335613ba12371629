// The root designer's object inspector: made with the designer, docked at the left of the
// designed form with a splitter beside it while a session runs, told of the control that has
// the focus, its object list kept in step with insertions and deletions.
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "host/controls/Forms.h"
#include "host/extctrls/ExtCtrls.h"
#include "inspector/ObjectInspector.h"

namespace {
/// The splitter between the docked inspector and the designed form.
constexpr int SplitterWidth = 3;

void ListOverlays(const TZkFormDesigner* designer, TStrings* List) {
    for (int i = 0; i < designer->OverlayCount(); ++i) {
        TDesignControl* overlay = designer->Overlay(i);
        TControl* control = overlay->Control();
        if (!control || overlay->DeletedInTree()) continue;
        List->AddObject(control->Name(), control);
    }
}
} // namespace

void TZkFormDesigner::CreateInspector() {
    if (FInspector) return;
    FInspector = new TObjectInspForm(nullptr);
    FInspector->FreeNotification(this);
    FInspector->OnGetObjects = [this](TStrings* List) { GetObjects(List); };
    FInspector->OnTransFieldName = [this](const std::string& FName) {
        return doTransFieldName(FName);
    };
    FInspector->OnEditProp = [this](const std::string& propname, TObject* propObject) {
        doEditProp(propname, propObject);
    };
    FInspector->OnWriting = [this](const std::vector<TObject*>& Objects,
                                   const std::string& PropName) {
        InspectorWriting(Objects, PropName);
    };
    FInspector->OnModify = [this](int) { InspectorModified(); };
    // The rows of a designed control show and write what its overlay keeps for it.
    FInspector->OnKeptValue = [](TObject* Object, const std::string& Name, Variant& Value,
                                 bool Write) {
        auto* control = Cast<TControl>(Object);
        auto* overlay = control ? Cast<TDesignControl>(control->Parent()) : nullptr;
        return overlay && overlay->KeptValue(Name, Value, Write);
    };
    // A designed control sits inside its overlay: its place on the form is the overlay's.
    FInspector->OnControlOrigin = [](TControl* control) {
        auto* overlay = Cast<TDesignControl>(control->Parent());
        return overlay ? TPoint{overlay->Left(), overlay->Top()} : TPoint{0, 0};
    };
    if (FSplitter) return;
    FSplitter = new TSplitter(nullptr);
    FSplitter->FreeNotification(this);
    FSplitter->SetWidth(SplitterWidth);
}

void TZkFormDesigner::DockInspector() {
    TCustomForm* form = GetParentForm(FDesignForm);
    if (form && FInspector->Parent() != form) {
        FInspector->SetBorderStyle(bsNone);
        FInspector->SetParent(form);
        FInspector->SetAlign(alLeft);
        FSplitter->SetParent(form);
        FSplitter->SetAlign(alLeft);
        FInspector->SetLeft(0);
    }
    if (FSplitter->Parent()) {
        FSplitter->SetLeft(FInspector->Left() + FInspector->Width());
        FSplitter->Show();
    }
    FInspector->Show();
}

void TZkFormDesigner::StartInspector() {
    CreateInspector();
    GetObjects(FInspector->CB1->Items());
    if (!FShowInspector) return;
    DockInspector();
    // The first control the user can see: a hidden one cannot take the focus.
    for (int i = 0; i < OverlayCount(); ++i)
        if (TDesignControl* first = Overlay(i); first->Visible() && first->Control()) {
            SelectAlone(first);
            return;
        }
}

void TZkFormDesigner::SelectAlone(TDesignControl* Overlay) {
    TZkFormDesigner* root = GetRoolDesigner();
    TDesignerScope scope(root);
    ClearDesignerSelections(root, nullptr);
    if (!Overlay->Wrapping()) return;
    Overlay->SetSelected(true);
    if (!Overlay->Wrapping()) return;
    if (Overlay->CanFocus()) Overlay->SetFocus();
    if (!Overlay->Wrapping()) return;
    InspectControl(Overlay->Control());
    if (root->OnObjectClicked) root->OnObjectClicked(Overlay);
}

void TZkFormDesigner::HideInspector() {
    // Undocked, not only hidden: docked, the two would keep their places in the form's tab
    // order, and the designed controls after them would save tab orders that no longer count
    // from 0 when the form is loaded again.
    TCustomForm* form = FDesignForm ? GetParentForm(FDesignForm) : nullptr;
    for (TControl* part : {static_cast<TControl*>(FInspector), static_cast<TControl*>(FSplitter)}) {
        if (!part) continue;
        part->Hide();
        if (form && part->Parent() == form && !form->ComponentState().Contains(csDestroying))
            part->SetParent(nullptr);
    }
}

void TZkFormDesigner::FreeInspector() {
    if (FInspector) FInspector->CB1->Items()->Clear();
    // A docked inspector on a form that is being destroyed goes with the form's children;
    // freeing it here would pull it from under the form's own round of its children.
    for (TControl* part : {static_cast<TControl*>(FInspector), static_cast<TControl*>(FSplitter)}) {
        if (!part) continue;
        TWinControl* parent = part->Parent();
        const bool parentGoing = parent && parent->ComponentState().Contains(csDestroying);
        if (parentGoing) continue;
        part->RemoveFreeNotification(this);
        part->Free();
        if (part == FInspector) FInspector = nullptr;
        if (part == FSplitter) FSplitter = nullptr;
    }
}

void TZkFormDesigner::InspectControl(TControl* Control) {
    if (TObjectInspForm* inspector = GetRoolDesigner()->FInspector)
        inspector->SetCurObject(Control);
}

void TZkFormDesigner::InspectedBoundsChanged(TControl* Control) {
    TObjectInspForm* inspector = GetRoolDesigner()->FInspector;
    if (inspector && inspector->CurObject() == Control) inspector->RefreshValues();
}

void TZkFormDesigner::ObjectsChanged() {
    TZkFormDesigner* root = GetRoolDesigner();
    root->FObjectsStale = true;
    if (root->FBusy == 0) root->Settle();
}

void TZkFormDesigner::SelectionChanged() {
    TZkFormDesigner* root = GetRoolDesigner();
    // Keys that move another selection begin a change of their own.
    if (root->FHistory) root->FHistory->CloseKeyStep();
    root->FInspectionStale = true;
    if (root->FBusy == 0) root->Settle();
}

void TZkFormDesigner::RefreshObjectList() {
    TObjectInspForm* inspector = FInspector;
    if (!inspector || !IsDesigning()) return;
    TStrings* items = inspector->CB1->Items();
    GetObjects(items);
    // The box names the control whose rows are shown; one no longer listed is not shown.
    const int at = inspector->CurObject() ? items->IndexOfObject(inspector->CurObject()) : -1;
    if (inspector->CurObject() && at < 0) inspector->SetCurObject(nullptr);
    inspector->CB1->SetItemIndex(at);
}

void TZkFormDesigner::InsertionTakenBack(TDesignControl* Overlay) {
    TDesignerScope scope(GetRoolDesigner());
    Overlay->SetSelected(false);
    Overlay->FShownBeforeDelete = Overlay->Visible();
    Overlay->SetVisible(false);
    Overlay->SetDeleted(true);
    GetRoolDesigner()->FSelectFirstListed = true;
}

void TZkFormDesigner::SelectFirstListed() {
    if (!FInspector || !FShowInspector || !IsDesigning()) return;
    TStrings* items = FInspector->CB1->Items();
    auto* first = items->Count() > 0 ? Cast<TControl>(items->Objects(0)) : nullptr;
    auto* overlay = first ? Cast<TDesignControl>(first->Parent()) : nullptr;
    if (overlay && overlay->Wrapping()) SelectAlone(overlay);
}

void TZkFormDesigner::InspectSelection() {
    TObjectInspForm* inspector = FInspector;
    if (!inspector || !FSelection || !IsDesigning()) return;
    auto selected = [this](TControl* control) -> TDesignControl* {
        auto* overlay = control ? Cast<TDesignControl>(control->Parent()) : nullptr;
        return overlay && overlay->Selected() && FSelection->IndexOf(overlay) >= 0 ? overlay
                                                                                   : nullptr;
    };
    TDesignControl* shown = selected(Cast<TControl>(inspector->CurObject()));
    if (auto* focused = Cast<TDesignControl>(FindControl(GetFocus()))) {
        if (focused->Selected() && FSelection->IndexOf(focused) >= 0) shown = focused;
    }
    if (!shown && FSelection->Count() > 0) shown = FSelection->Get(FSelection->Count() - 1);
    // Several selected are inspected together, the one shown so far first.
    std::vector<TObject*> inspected;
    if (shown) inspected.push_back(shown->Control());
    for (int i = 0; i < FSelection->Count(); ++i)
        if (TDesignControl* overlay = FSelection->Get(i);
            overlay != shown && overlay->Wrapping() && !overlay->Deleted())
            inspected.push_back(overlay->Control());
    if (inspector->CurObjects() != inspected) inspector->SetCurObjects(inspected);
}

void TZkFormDesigner::GetObjects(TStrings* List) {
    List->Clear();
    ListOverlays(this, List);
    TZkFormDesigner* root = GetRoolDesigner();
    for (int i = 0; i < root->GetDesignerCount(); ++i)
        ListOverlays(root->GetChildDesigner(i), List);
}

std::string TZkFormDesigner::doTransFieldName(const std::string& FName) {
    return OnTransFieldName ? OnTransFieldName(FName) : FName;
}

void TZkFormDesigner::doEditProp(const std::string& propname, TObject* propObject) {
    if (OnEditProp) OnEditProp(propname, propObject);
}

void TZkFormDesigner::SetShowInspector(bool Value) {
    if (Value == FShowInspector) return;
    FShowInspector = Value;
    if (!FInspector) return;
    if (FRunState == TRunState::rsDesigning && Value)
        FInspector->Show();
    else
        FInspector->Hide();
}
