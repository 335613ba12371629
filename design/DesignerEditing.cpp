// The designer's undo, redo and history dump.
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

void TZkFormDesigner::Undo() {
    if (TOperateHistory* history = GetRoolDesigner()->FHistory) history->Previous();
}

void TZkFormDesigner::Redo() {
    if (TOperateHistory* history = GetRoolDesigner()->FHistory) history->Next();
}

void TZkFormDesigner::SaveOpHisToFile(const std::string& FileName) {
    // Only a root designer in a session has a history; anywhere else the dump is the one
    // of an empty history, an empty file.
    if (FHistory)
        FHistory->SaveToFile(FileName);
    else
        TOperateHistory().SaveToFile(FileName);
}
