#pragma once
// The demo's main window: a data-entry form that the user can rearrange while it runs.

#include "design/DesignCommon.h"
#include "host/controls/Forms.h"

#include <utility>
#include <vector>

class TStatusBar;
class TToolBar;
class TToolButton;
class TObjectInspForm;

/// A sample form with Chinese captions (labels, edits, a combo box, a memo, check and
/// radio boxes, nested containers, a list view, a grid, tab sheets) and a designer on it.
/// The tool bar starts and ends the design session, undoes and redoes (each button enabled only
/// when it can act), deletes and aligns, and shows the about box with the project's version;
/// the palette at the right picks the class to insert (or the arrow, selection); the status bar
/// shows the session, the mode, the selection count and whether the design changed.
class TDemoForm : public TForm {
    ZK_CLASS(TDemoForm, TForm)
    explicit TDemoForm(TComponent* AOwner);

    TZkFormDesigner* Designer() const { return FDesigner; }
    /// Starts designing and selects the control named selectName (when not empty).
    void StartDesign(const std::string& selectName = {});
    /// The about box: the program's name and the project's version.
    void ShowAbout();
    /// Insert mode for controlClass, or select mode for null (the palette's arrow).
    void SetInsertMode(TClass controlClass);
    /// Brings the tool bar's enabled buttons and the status bar up to date.
    void UpdateStatus();

protected:
    void WndProc(TMessage& Message) override;

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
    void BuildPalette();
    /// Shows the object inspector, floating, on the selected control (or the focused one).
    void ShowObjectInspector();
    TToolButton* AddToolButton(TToolBar* bar, const char* caption, TNotifyEvent onClick);

    TZkFormDesigner* FDesigner = nullptr;
    TToolBar* FToolBar = nullptr;
    TToolBar* FPalette = nullptr;
    TStatusBar* FStatusBar = nullptr;
    TToolButton* FBeginButton = nullptr;
    TToolButton* FEndButton = nullptr;
    TToolButton* FUndoButton = nullptr;
    TToolButton* FRedoButton = nullptr;
    /// The palette's buttons and the class each inserts (null: the arrow).
    std::vector<std::pair<TToolButton*, TClass>> FPaletteButtons;
    TObjectInspForm* FInspector = nullptr;
};
