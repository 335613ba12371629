// Inserting controls, and the designer's undo, redo and history dump.
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

namespace {
/// ClassName followed by the tick count; a later number when that name is taken (two
/// insertions in one millisecond), so that an insertion never fails on its own name.
std::string NewControlName(TClass cls, TComponent* owner) {
    uint32_t tick = GetTickCount();
    std::string name = cls->ClassName() + IntToStr(tick);
    while (owner && owner->FindComponent(name)) name = cls->ClassName() + IntToStr(++tick);
    return name;
}
} // namespace

TDesignControl* TZkFormDesigner::AddControlToDesign(TClass ControlClass, const TRect& Rect) {
    TComponent* owner = FDesignForm->Owner();
    TControl* control = As<TControl>(ControlClass->Create(owner));
    TRect r = Rect;
    if (r.Right - r.Left < 5) r.Right = r.Left + 30;
    if (r.Bottom - r.Top < 5) r.Bottom = r.Top + 20;
    control->SetBoundsRect(r);
    control->SetParent(FDesignForm);
    control->SetName(NewControlName(ControlClass, owner));
    auto* overlay = new TDesignControl(control, this);
    AddControl(overlay);
    if (TOperateHistory* history = GetRoolDesigner()->FHistory) {
        auto* before = new TOperateRec();
        before->AddHistory(otInsert, overlay);
        history->BeginChange(before);
        auto* after = new TOperateRec();
        after->AddHistory(otDeleted, overlay);
        history->EndChange(after);
    }
    return overlay;
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
