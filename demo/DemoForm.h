#pragma once
// The demo's main window: a data-entry form that the user can rearrange while it runs.

#include "design/DesignCommon.h"
#include "host/controls/Forms.h"

class TStatusBar;
class TToolBar;
class TToolButton;

/// A sample form with Chinese captions (labels, edits, a combo box, a memo, check and
/// radio boxes, nested containers, a list view, a grid, tab sheets) and a designer on it.
/// The tool bar starts and ends the design session, undoes and redoes, deletes and aligns;
/// the status bar shows the selection count and whether the design changed.
class TDemoForm : public TForm {
    ZK_CLASS(TDemoForm, TForm)
    explicit TDemoForm(TComponent* AOwner);

    TZkFormDesigner* Designer() const { return FDesigner; }
    /// Starts designing and selects the control named selectName (when not empty).
    void StartDesign(const std::string& selectName = {});

private:
    void BuildBars();
    /// A drop-down button with the alignment commands for the selected controls.
    void BuildAlignButton();
    /// The designer whose controls are selected, or null.
    TZkFormDesigner* SelectionDesigner() const;
    void AlignSelection(TKmAlign command);
    void BuildEntryFields();
    void BuildContainers();
    void BuildMorePage(TWinControl* page);
    void UpdateStatus();
    TToolButton* AddToolButton(const char* caption, TNotifyEvent onClick);

    TZkFormDesigner* FDesigner = nullptr;
    TToolBar* FToolBar = nullptr;
    TStatusBar* FStatusBar = nullptr;
};
