#include "demo/LinesEditor.h"

#include <memory>

ZK_IMPLEMENT_CLASS(TLinesEditor, TForm, nullptr)

TLinesEditor::TLinesEditor(TComponent* AOwner) : TForm(AOwner) {
    SetCaption("字符串列表编辑器");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientSize(320, 240);
    Memo = new TMemo(this);
    Memo->SetParent(this);
    Memo->SetBounds(8, 8, 304, 188);
    Memo->SetScrollBars(ssBoth);
    Memo->SetWordWrap(false);
    OkButton = new TButton(this);
    OkButton->SetParent(this);
    OkButton->SetCaption("确定");
    OkButton->SetBounds(152, 206, 75, 25);
    OkButton->SetModalResult(mrOk);
    OkButton->SetDefault(true);
    CancelButton = new TButton(this);
    CancelButton->SetParent(this);
    CancelButton->SetCaption("取消");
    CancelButton->SetBounds(237, 206, 75, 25);
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
}

bool EditLines(TStrings* Lines, const TLinesEditorRunner& Run) {
    if (!Lines) return false;
    auto editor = std::make_unique<TLinesEditor>(nullptr);
    editor->Memo->Lines()->Assign(Lines);
    const int result = Run ? Run(editor.get()) : editor->ShowModal();
    if (result != mrOk) return false;
    Lines->Assign(editor->Memo->Lines());
    return true;
}
