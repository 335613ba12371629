#pragma once
// How a running design session is written: its controls as they will stand once it ends.

#include <unordered_map>

#include "host/streaming/Filer.h"

class TControl;
class TDesignControl;
class TWinControl;
class TZkFormDesigner;

/// Writes the form of a running session as ending the session would leave it, without
/// ending it: each designed control in its overlay's place, order and tab order, with the
/// settings the session lent to the overlay; deleted controls are left out.
class TSessionView : public TWriterView {
public:
    /// The view of Root's whole designer tree as it stands now; it must not change while the
    /// view is used.
    explicit TSessionView(TZkFormDesigner* Root);

    void GetChildren(TComponent* Instance, const TGetChildProc& Proc, TComponent* Root) override;
    bool OrdValue(TPersistent* Instance, const TPropInfo* PropInfo, int64_t& Value) override;
    TComponent* Reference(TPersistent* Instance, const TPropInfo* PropInfo,
                          TComponent* Value) override;

    /// The overlay that wraps Control in the session, or null.
    TDesignControl* OverlayOf(const TControl* Control) const;

private:
    void Gather(TZkFormDesigner* Designer);
    /// The tab order of the design form's windowed children once the overlays are gone.
    void NumberTabOrder(TWinControl* DesignForm);

    TWinControl* FDesignForm;
    TControl* FInspector;
    std::unordered_map<const TControl*, TDesignControl*> FOverlayOf;
    std::unordered_map<const TComponent*, TZkFormDesigner*> FDesignerOf;
    std::unordered_map<const TComponent*, int> FTabOrder;
};
