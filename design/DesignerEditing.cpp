// The designer's undo, redo and history dump.
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

void TZkFormDesigner::Undo() {
    TDesignerScope scope(GetRoolDesigner());
    if (TOperateHistory* history = GetRoolDesigner()->FHistory) history->Previous();
}

void TZkFormDesigner::Redo() {
    TDesignerScope scope(GetRoolDesigner());
    if (TOperateHistory* history = GetRoolDesigner()->FHistory) history->Next();
}

void TZkFormDesigner::SaveOpHisToFile(const std::string& FileName) {
    // The tree has one history, the root's, and it exists only while a session runs; without
    // one the dump is the one of an empty history, an empty file.
    if (TOperateHistory* history = GetRoolDesigner()->FHistory)
        history->SaveToFile(FileName);
    else
        TOperateHistory().SaveToFile(FileName);
}
