// Deferred work of a designer tree: freeing what a session let go of while code still ran on
// it, and bringing the object list and the inspector in step once a command is over.
#include "design/DesignerScope.h"

#include <algorithm>
#include <vector>

#include "design/DesignControl.h"
#include "design/FormDesigner.h"

TDesignerScope::TDesignerScope(TZkFormDesigner* Root) : FRoot(Root) {
    ++FRoot->FBusy;
}

TDesignerScope::~TDesignerScope() {
    if (--FRoot->FBusy == 0) FRoot->Settle();
}

void TZkFormDesigner::Retire(TObject* Object) {
    if (!Object) return;
    TZkFormDesigner* root = GetRoolDesigner();
    if (root->FBusy > 0)
        root->Keep(Object);
    else
        Object->Free();
}

void TZkFormDesigner::Keep(TObject* Object) {
    FRetired.push_back(Object);
    // Something else may free it first (a container frees the overlays inside it): it then
    // leaves the list.
    if (auto* component = Cast<TComponent>(Object)) component->FreeNotification(this);
}

void TZkFormDesigner::ReleaseWhenPosted(TDesignControl* Overlay) {
    TZkFormDesigner* root = GetRoolDesigner();
    root->FReleasedOverlays.push_back(Overlay);
    Overlay->FreeNotification(root);
    if (Overlay->HandleAllocated()) PostMessage(Overlay->Handle(), DM_RELEASE_OVERLAY, 0, 0);
}

void TZkFormDesigner::OverlayReleased(TDesignControl* Overlay) {
    TZkFormDesigner* root = GetRoolDesigner();
    auto it = std::find(root->FReleasedOverlays.begin(), root->FReleasedOverlays.end(), Overlay);
    if (it == root->FReleasedOverlays.end()) return;
    root->FReleasedOverlays.erase(it);
    Overlay->RemoveFreeNotification(root);
    root->Retire(Overlay);
}

void TZkFormDesigner::Settle() {
    // Freeing an overlay can retire more (its inner designer), and settling can raise events
    // whose handlers start another command: each round takes what is there now.
    ++FBusy;
    while (!FRetired.empty()) {
        TObject* object = FRetired.back();
        FRetired.pop_back();
        if (auto* component = Cast<TComponent>(object)) component->RemoveFreeNotification(this);
        object->Free();
    }
    if (FObjectsStale) {
        FObjectsStale = false;
        RefreshObjectList();
    }
    if (FSelectFirstListed) {
        FSelectFirstListed = false;
        SelectFirstListed();
    }
    if (FInspectionStale) {
        FInspectionStale = false;
        InspectSelection();
    }
    --FBusy;
    if (!FRetired.empty()) Settle();
}

void TZkFormDesigner::ForgetRetired(TComponent* Component) {
    auto it = std::find(FRetired.begin(), FRetired.end(), static_cast<TObject*>(Component));
    if (it != FRetired.end()) FRetired.erase(it);
    std::erase(FReleasedOverlays, Component);
}
