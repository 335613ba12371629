// Inserting a new control into the design: the control, its overlay and its history entry.
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "host/controls/Forms.h"

namespace {
/// The class name followed by the tick count; a later number when that name is taken (two
/// insertions in one millisecond), so that an insertion never fails on its own name.
std::string NewControlName(TClass cls, TComponent* owner) {
    uint32_t tick = GetTickCount();
    std::string name = cls->ClassName() + IntToStr(tick);
    while (owner && owner->FindComponent(name))
        name = cls->ClassName() + IntToStr(++tick);
    return name;
}

/// The owner of inserted controls: the form that saving writes as root, so that the saved
/// form holds them and their names are checked where they will be stored.
TComponent* InsertionOwner(TWinControl* rootDesignForm, TWinControl* designForm) {
    if (TCustomForm* form = GetParentForm(rootDesignForm)) return form;
    if (TCustomForm* form = GetParentForm(designForm)) return form;
    return designForm->Owner();
}
} // namespace

TDesignControl* TZkFormDesigner::AddControlToDesign(TClass ControlClass, const TRect& Rect) {
    if (!ControlClass) throw EInvalidOperation("没有要插入的控件类");
    // Outside a session the overlay would be wrapped again by the next one.
    if (!IsDesigning()) throw EInvalidOperation("未在设计中，不能插入控件！");
    TDesignerScope scope(GetRoolDesigner());
    TComponent* owner = InsertionOwner(GetRoolDesigner()->FDesignForm, FDesignForm);
    TObject* made = ControlClass->Create(owner);
    TControl* control = nullptr;
    try {
        control = As<TControl>(made);
        TRect r = Rect;
        if (r.Right - r.Left < 5) r.Right = r.Left + 30;
        if (r.Bottom - r.Top < 5) r.Bottom = r.Top + 20;
        control->SetBoundsRect(r);
        control->SetParent(FDesignForm);
        control->SetName(NewControlName(ControlClass, owner));
        // A control that shows its name shows it from the start (a label sizing itself to
        // it), before its overlay takes its place.
        if (control->ControlStyle().Contains(csSetCaption)) control->SetCaption(control->Name());
    } catch (...) {
        // A failed insertion leaves the form as it was.
        made->Free();
        throw;
    }
    auto* overlay = new TDesignControl(control, this);
    AddControl(overlay);
    ObjectsChanged();
    if (TOperateHistory* history = GetRoolDesigner()->FHistory) {
        auto* before = new TOperateRec();
        before->AddHistory(otInsert, overlay);
        history->BeginChange(before);
        auto* after = new TOperateRec();
        after->AddHistory(otDeleted, overlay);
        history->EndChange(after);
        GetRoolDesigner()->SetIsDirty(true);
    }
    return overlay;
}
