#pragma once
// The example's main window: a few controls of the application's own, with a designer on it.

#include <string>

#include "design/Embedding.h"

class TButton;
class TLabel;
class TPanel;
class TStream;

/// A data-entry form that its user can rearrange while it runs. The tool row at the top
/// belongs to the application, not to the form's contents: the designer leaves it alone,
/// and saving and loading pass it by.
class TEmbedForm : public TForm {
    ZK_CLASS(TEmbedForm, TForm)
    explicit TEmbedForm(TComponent* AOwner);

    TZkFormDesigner* Designer() const { return FDesigner; }
    TButton* DesignButton() const { return FDesignButton; }
    /// The file that the tool row's 保存 and 载入 write and read.
    void SetFileName(const std::string& Value) { FFileName = Value; }

    /// Starts a design session, or ends the one that runs.
    void ToggleDesign();
    /// Inserts a control of ControlClass into the running session, as a palette button does.
    TDesignControl* Insert(TClass ControlClass);
    void SaveToFile(const std::string& FileName);
    /// Replaces the form's contents with the file's; a file that cannot be read leaves the
    /// form as it was and raises the framework's error.
    void LoadFromFile(const std::string& FileName);

private:
    void BuildTools();
    void BuildContents();
    void AttachDesigner();
    void UpdateStatus();

    TZkFormDesigner* FDesigner = nullptr;
    TPanel* FTools = nullptr;
    TButton* FDesignButton = nullptr;
    TLabel* FStatus = nullptr;
    std::string FFileName = "form.zkf";
    std::string FLastClicked;
    int FInserted = 0;
};
