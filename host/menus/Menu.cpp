// TMenu, TMainMenu and TPopupMenu: the root of an item tree, the form's menu bar, popup menus.

#include "host/controls/Forms.h"
#include "host/menus/Menus.h"
#include "host/qt/Menus_p.h"

namespace {
TPopupMenuRunner& CurrentPopupRunner() {
    static TPopupMenuRunner runner;
    return runner;
}

TMenuItem* FindShortCutIn(const TMenuItem* parent, TShortCut value) {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible() || !item->Enabled()) continue;
        if (item->ShortCut() == value && item->Count() == 0) return item;
        if (TMenuItem* found = FindShortCutIn(item, value)) return found;
    }
    return nullptr;
}
} // namespace

// ---- TMenu ------------------------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    // Deleted without Free: the items go now.
    if (FItems) {
        FItems->FMenu = nullptr;
        FItems->Free();
    }
}

void TMenu::BeforeDestruction() {
    // The items go while the menu is whole, and without telling it of every one of them.
    TMenuItem* items = FItems;
    FItems = nullptr;
    items->FMenu = nullptr;
    items->Free();
    inherited::BeforeDestruction();
}

TMenuItem* TMenu::FindShortCut(TShortCut Value) const {
    if (Value == scNone || !FItems) return nullptr;
    return FindShortCutIn(FItems, Value);
}

bool TMenu::IsShortCut(TShortCut Value) {
    TMenuItem* item = FindShortCut(Value);
    if (!item) return false;
    item->Click();
    return true;
}

void TMenu::MenuChanged(TMenuItem* Source, bool Rebuild) {
    OnChange(this, Source, Rebuild);
}

void TMenu::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    if (FItems) FItems->GetChildren(Proc, Root);
}

void TMenu::SetChildOrder(TComponent* Child, int Order) {
    if (FItems) FItems->SetChildOrder(Child, Order);
}

// ---- TMainMenu --------------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TMainMenu::BeforeDestruction() {
    // The form showing the menu forgets it, even when the form is going too (its links to
    // what it owns are already cut then).
    if (auto* form = Cast<TCustomForm>(FindControl(FWindowHandle)))
        if (form->Menu() == this) form->SetMenu(nullptr);
    SetWindowHandle(nullptr);
    inherited::BeforeDestruction();
}

void TMainMenu::SetWindowHandle(HWND Value) {
    if (FWindowHandle == Value) return;
    if (FWindowHandle) UpdateMenuBar(FWindowHandle, nullptr);
    FWindowHandle = Value;
    if (Value) UpdateMenuBar(Value, this);
}

void TMainMenu::MenuChanged(TMenuItem* Source, bool Rebuild) {
    if (FWindowHandle && !ComponentState().Contains(csLoading)) {
        if (IsWindow(FWindowHandle))
            UpdateMenuBar(FWindowHandle, this);
        else
            FWindowHandle = nullptr;
    }
    inherited::MenuChanged(Source, Rebuild);
}

// ---- TPopupMenu -------------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (FPopupComponent == Value) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender) {
    OnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y) {
    FPopupPoint = {X, Y};
    // OnPopup prepares the items (enabling, checking, hiding), so it runs before they are read.
    DoPopup(this);
    const TPopupMenuRunner& runner = CurrentPopupRunner();
    TMenuItem* chosen = runner ? runner(this, FPopupPoint) : RunPopupMenu(this, FPopupPoint);
    OnClose(this);
    if (chosen) chosen->Click();
}

TPopupMenuRunner SetPopupMenuRunner(TPopupMenuRunner Runner) {
    TPopupMenuRunner previous = std::move(CurrentPopupRunner());
    CurrentPopupRunner() = std::move(Runner);
    return previous;
}
