#pragma once
// The demo's main window: a data-entry form that the user can rearrange while it runs.

#include "demo/LinesEditor.h"
#include "design/DesignCommon.h"
#include "host/controls/Forms.h"

#include <utility>
#include <vector>

class TStatusBar;
class TToolBar;
class TToolButton;
class TObjectInspForm;
class TStringGrid;

/// A sample form with Chinese captions (labels, edits, a combo box, a memo, check and
/// radio boxes, nested containers, a list view, a grid, tab sheets) and a designer on it.
/// The tool bar starts and ends the design session, undoes and redoes (each button enabled only
/// when it can act), deletes and aligns, and shows the about box with the project's version;
/// the palette at the right picks the class to insert (or the arrow, selection); the status bar
/// shows the session, the mode, the selection count and whether the design changed.
class TDemoForm : public TForm {
    ZK_CLASS(TDemoForm, TForm)
    explicit TDemoForm(TComponent* AOwner);
    ~TDemoForm() override;

    /// Forms made while this is set are the program's next version: one more field (电话)
    /// and the check box's caption corrected. Layouts saved over the first load over it.
    static inline bool NewVersion = false;

    TZkFormDesigner* Designer() const { return FDesigner; }
    /// Starts designing and selects the control named selectName (when not empty).
    void StartDesign(const std::string& selectName = {});
    /// The about box: the program's name and the project's version.
    void ShowAbout();
    /// Insert mode for controlClass, or select mode for null (the palette's arrow).
    void SetInsertMode(TClass controlClass);
    /// Brings the tool bar's enabled buttons and the status bar up to date.
    void UpdateStatus();
    /// Asks for a file and saves the designed form into it (which ends the session); false
    /// when the user cancelled.
    bool SaveForm();
    /// Asks for a form file and loads it into this form in place of its controls.
    void OpenForm();
    /// Asks for a file and saves the user's changes to the form into it, as a layout (which
    /// ends the session); false when the user cancelled.
    bool SaveLayout();
    /// Asks for a layout file and loads it over the form (DemoLayout.cpp).
    void OpenLayout();
    /// Loads the layout in FileName over the form and answers the saved changes that no
    /// longer fit. Failures reach the caller.
    TLayoutSkips OpenLayoutFile(const std::string& FileName);
    /// The skipped changes told to the user: one line each, the control, the property and why.
    static std::string SkipReport(const TLayoutSkips& Skips);
    /// While the design has unsaved changes, asks whether to save its layout: 保存 saves,
    /// 不保存 goes on, 取消 (or a cancelled save) keeps the form open. Answers whether the form
    /// may close.
    bool AskToSave();
    /// The tool bar's or the palette's button with that caption, or null.
    TToolButton* ToolButton(const std::string& caption) const;
    TStatusBar* StatusBar() const { return FStatusBar; }
    /// Answers the lines editor instead of a person (tests); empty shows it modally.
    void SetLinesEditorRunner(TLinesEditorRunner Runner) { FLinesEditorRunner = std::move(Runner); }

protected:
    void WndProc(TMessage& Message) override;

private:
    void BuildBars();
    /// A drop-down button with the alignment commands for the selected controls.
    void BuildAlignButton();
    /// The designer whose controls are selected, or null.
    TZkFormDesigner* SelectionDesigner() const;
    void AlignSelection(TKmAlign command);
    /// The tool bar's toggles of snapping to the grid and to guides.
    void BuildSnapButtons();
    void BuildEntryFields();
    void BuildContainers();
    void BuildMorePage(TWinControl* page);
    /// The grid's headings and first row, which a load does not bring back (cells are data).
    void FillGrid(TStringGrid* grid);
    void BuildPalette();
    /// The drop-down 文件 button: the layout's 打开布局… and 保存布局…, the whole form's
    /// 打开窗体… and 保存窗体….
    void BuildFileButton();
    static std::string PaletteCaption(TClass cls);
    /// The designer's dialog button on a row of a class type: string lists get the lines editor.
    void EditProperty(const std::string& type, TObject* object);
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
    TToolButton* FInspectorButton = nullptr;
    TToolButton* FGridButton = nullptr;
    TToolButton* FGuidesButton = nullptr;
    TLinesEditorRunner FLinesEditorRunner;
};
