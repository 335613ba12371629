// The demo's layouts: the user's changes to the form saved apart from the form itself, so that
// they load over the program's next version of it.

#include "demo/DemoForm.h"
#include "host/dialogs/Dialogs.h"
#include "host/grids/Grids.h"

namespace {
const char* const LayoutFileFilter = "布局文件 (*.zkl)|*.zkl|所有文件 (*)|*";
const char* const LayoutFileExt = "zkl";
} // namespace

//! [save-layout]
std::string TDemoForm::SkipReport(const TLayoutSkips& Skips) {
    std::string text = "布局中的以下改动不适用于当前版本的窗体，已跳过：\n";
    for (const TLayoutSkip& s : Skips)
        text += "\n· " + s.Component + (s.Property.empty() ? "" : "." + s.Property) + "：" +
                s.Message;
    return text;
}

bool TDemoForm::SaveLayout() {
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(LayoutFileFilter);
    dialog.SetDefaultExt(LayoutFileExt);
    if (!dialog.Execute()) return false;
    // Ends the session and writes only what the user changed since the form was made.
    FDesigner->SaveLayoutToFile(dialog.FileName());
    FDesigner->SetIsDirty(false);
    UpdateStatus();
    return true;
}
//! [save-layout]

void TDemoForm::OpenLayout() {
    if (!AskToSave()) return;
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(LayoutFileFilter);
    dialog.SetDefaultExt(LayoutFileExt);
    if (!dialog.Execute()) return;
    const TLayoutSkips skips = OpenLayoutFile(dialog.FileName());
    if (skips.empty()) return;
    TMessageBoxRequest report;
    report.Caption = "打开布局";
    report.Text = SkipReport(skips);
    report.Type = mtWarning;
    ShowMessageBox(report);
}

//! [open-layout]
TLayoutSkips TDemoForm::OpenLayoutFile(const std::string& FileName) {
    TComponent* before = FindComponent("GridItems");
    const TLayoutSkips skips = TZkFormDesigner::LoadLayoutFromFile(this, FileName);
    // A grid the layout brings back is made anew, without its cells: the form fills them. The
    // grid that stayed keeps what the user typed.
    auto* grid = Cast<TStringGrid>(FindComponent("GridItems"));
    if (grid && grid != before) FillGrid(grid);
    FDesigner->SetIsDirty(false);
    UpdateStatus();
    return skips;
}
//! [open-layout]
