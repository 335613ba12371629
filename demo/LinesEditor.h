#pragma once
// The demo's editor of string-list properties (a list box's items, a memo's lines).

#include <functional>

#include "host/controls/Forms.h"
#include "host/stdctrls/StdCtrls.h"

/// A modal dialog with the lines in a memo, 确定 and 取消.
class TLinesEditor : public TForm {
    ZK_CLASS(TLinesEditor, TForm)
    explicit TLinesEditor(TComponent* AOwner);

    TMemo* Memo = nullptr;
    TButton* OkButton = nullptr;
    TButton* CancelButton = nullptr;
};

/// How the editor is shown: modally, unless a test answers it.
using TLinesEditorRunner = std::function<int(TLinesEditor* Editor)>;

/// Shows Lines in the editor; 确定 puts the edited lines back. Answers whether it did.
bool EditLines(TStrings* Lines, const TLinesEditorRunner& Run = {});
