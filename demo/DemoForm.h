#pragma once
// The demo's main window: a data-entry form that the user can rearrange while it runs.

#include "design/DesignCommon.h"
#include "host/controls/Forms.h"

class TStatusBar;
class TToolBar;
class TToolButton;
class TObjectInspForm;

/// A sample form with Chinese captions (labels, edits, a combo box, a memo, check and
/// radio boxes, nested containers, a list view, a grid, tab sheets) and a designer on it.
/// The tool bar starts and ends the design session, undoes and redoes, and shows the about
/// box with the project's version; the status bar shows the selection count and whether the
/// design changed.
class TDemoForm : public TForm {
    ZK_CLASS(TDemoForm, TForm)
    explicit TDemoForm(TComponent* AOwner);

    TZkFormDesigner* Designer() const { return FDesigner; }
    /// Starts designing and selects the control named selectName (when not empty).
    void StartDesign(const std::string& selectName = {});
    /// The about box: the program's name and the project's version.
    void ShowAbout();

private:
    void BuildBars();
    void BuildEntryFields();
    void BuildContainers();
    void BuildMorePage(TWinControl* page);
    void UpdateStatus();
    /// Shows the object inspector, floating, on the selected control (or the focused one).
    void ShowObjectInspector();
    TToolButton* AddToolButton(const char* caption, TNotifyEvent onClick);

    TZkFormDesigner* FDesigner = nullptr;
    TToolBar* FToolBar = nullptr;
    TStatusBar* FStatusBar = nullptr;
    TObjectInspForm* FInspector = nullptr;
};
