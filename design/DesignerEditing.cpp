// Deleting controls, and the designer's undo, redo and history dump.
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

void TZkFormDesigner::DeleteSelection() {
    TZkControlSelection* selection = GetRoolDesigner()->FSelection;
    if (!selection) return;
    std::vector<TDesignControl*> deleted;
    const int count = selection->Count();
    for (int i = 0; i < count; ++i) {
        TDesignControl* overlay = selection->Get(i);
        overlay->Delete();
        deleted.push_back(overlay);
    }
    selection->Clear();
    for (TDesignControl* overlay : deleted) overlay->ForgetSelection();
    for (int i = 0; i < OverlayCount(); ++i) {
        if (Overlay(i)->Visible()) {
            Overlay(i)->SetFocus();
            break;
        }
    }
}

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
