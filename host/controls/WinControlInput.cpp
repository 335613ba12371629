// TWinControl: keys, focus and the tab order.

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"

// ---- Keys -------------------------------------------------------------------------------------

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
    OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
    OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char& Key) {
    OnKeyPress(this, Key);
}

bool TWinControl::DoKeyDown(TWMKey& Message) {
    uint16_t key = Message.CharCode;
    const TShiftState shift = KeyDataToShiftState(Message.KeyData);
    // A form with KeyPreview sees its controls' keys first, and may take them.
    TWinControl* form = GetParentForm(this);
    if (form && form != this && static_cast<TCustomForm*>(form)->KeyPreview()) {
        form->KeyDown(key, shift);
        if (key == 0) {
            Message.CharCode = 0;
            return true;
        }
    }
    KeyDown(key, shift);
    Message.CharCode = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TWMKey& Message) {
    uint16_t key = Message.CharCode;
    KeyUp(key, KeyDataToShiftState(Message.KeyData));
    Message.CharCode = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TWMKey& Message) {
    const uint16_t code = Message.CharCode;
    // The event speaks single-byte characters; other characters pass by it unchanged.
    if (code >= 0x80) return false;
    char key = static_cast<char>(code);
    KeyPress(key);
    Message.CharCode = static_cast<uint8_t>(key);
    return key == 0;
}

void TWinControl::WMKeyDown(TWMKey& Message) {
    if (!DoKeyDown(Message)) TControl::WMKeyDown(Message);
}

void TWinControl::WMSysKeyDown(TWMKey& Message) {
    if (!DoKeyDown(Message)) TControl::WMSysKeyDown(Message);
}

void TWinControl::WMKeyUp(TWMKey& Message) {
    if (!DoKeyUp(Message)) TControl::WMKeyUp(Message);
}

void TWinControl::WMChar(TWMKey& Message) {
    if (!DoKeyPress(Message)) TControl::WMChar(Message);
}

void TWinControl::CNKeyDown(TWMKey& Message) {
    // Navigation keys the control does not want go to its form as dialog keys; a form that
    // acts on one answers 1, and the key goes no further.
    Message.Result = 0;
    const uint16_t key = Message.CharCode;
    TCustomForm* form = GetParentForm(this);
    // A shortcut of the form's menu runs its item, and the control never sees the key.
    if (form && form->IsShortCut(Message)) {
        Message.Result = 1;
        return;
    }
    if (WantsKey(key) || Perform(CM_WANTSPECIALKEY, key, Message.KeyData) != 0) return;
    if (form && form->Perform(CM_DIALOGKEY, key, Message.KeyData) != 0) Message.Result = 1;
}

void TWinControl::CMDialogKey(TWMKey& Message) {
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i)
        children.push_back(Controls(i));
    for (TControl* c : children) {
        if (c->Perform(CM_DIALOGKEY, Message.CharCode, Message.KeyData) != 0) {
            Message.Result = 1;
            return;
        }
    }
    TControl::CMDialogKey(Message);
}

void TWinControl::CMDialogChar(TWMKey& Message) {
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i)
        children.push_back(Controls(i));
    for (TControl* c : children) {
        if (c->Perform(CM_DIALOGCHAR, Message.CharCode, Message.KeyData) != 0) {
            Message.Result = 1;
            return;
        }
    }
    TControl::CMDialogChar(Message);
}

// ---- Focus ------------------------------------------------------------------------------------

bool TWinControl::CanFocus() const {
    TCustomForm* form = GetParentForm(const_cast<TWinControl*>(this));
    const TControl* c = this;
    for (; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return !form || form->Enabled();
}

bool TWinControl::Focused() const {
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("不能把焦点移到禁用或不可见的窗口");
    if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
    ::SetFocus(Handle());
}

// ---- Tab order --------------------------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (FControlState.Contains(csReadingState)) {
        // Siblings later in the stream are not there yet; FixupTabList applies it.
        FReadTabOrder = value;
        return;
    }
    if (!Parent()) return;
    auto& list = Parent()->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value) {
    if (FTabStop == value) return;
    FTabStop = value;
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* c : FTabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const int count = static_cast<int>(list.size());
    if (count == 0) return nullptr;
    auto it = std::find(list.begin(), list.end(), CurControl);
    // Without a current control the walk starts before the first (or after the last).
    int i = it == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
    for (int step = 0; step < count; ++step) {
        i = GoForward ? (i + 1) % count : (i - 1 + count) % count;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == CurControl) break;
        if ((!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this) &&
            c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        next->SetFocus();
}
