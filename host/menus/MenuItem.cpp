// TMenuItem: the item tree, its state, and how items stream inside their parents.

#include <algorithm>

#include "host/menus/Menus.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    // Children go with their parent, whoever owns them; each leaves the list first.
    while (!FItems.empty()) {
        TMenuItem* child = FItems.back();
        FItems.pop_back();
        child->FParent = nullptr;
        child->Free();
    }
    if (FParent) FParent->Remove(this);
}

// ---- The tree ---------------------------------------------------------------------------------

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EMenuError("菜单索引越界（" + IntToStr(Index) + "）");
    return FItems[static_cast<size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) {
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) return;
    if (Item == this || Item->FMenu) throw EMenuError("菜单项不能插入到这里");
    for (TMenuItem* p = this; p; p = p->FParent)
        if (p == Item) throw EMenuError("菜单项不能包含它自己的上级菜单项");
    if (Item->FParent) Item->FParent->Remove(Item);
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    MenuChanged(true);
}

void TMenuItem::Delete(int Index) {
    TMenuItem* item = Items(Index);
    FItems.erase(FItems.begin() + Index);
    item->FParent = nullptr;
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
    int index = IndexOf(Item);
    if (index < 0) throw EMenuError("找不到菜单项");
    Delete(index);
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        FItems.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
    const std::string wanted = StripHotkey(ACaption);
    for (TMenuItem* item : FItems)
        if (SameText(StripHotkey(item->FCaption), wanted)) return item;
    return nullptr;
}

int TMenuItem::MenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int Value) {
    if (!FParent) return;
    TMenuItem* parent = FParent;
    Value = std::clamp(Value, 0, parent->Count() - 1);
    if (Value == MenuIndex()) return;
    parent->Delete(MenuIndex());
    parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent)
        root = root->FParent;
    return root->FMenu;
}

void TMenuItem::MenuChanged(bool Rebuild) {
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, Rebuild);
}

// ---- State ------------------------------------------------------------------------------------

void TMenuItem::SetCaption(const TCaption& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    MenuChanged(true);
}

void TMenuItem::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (Value && FRadioItem) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex &&
            sibling->FChecked) {
            sibling->FChecked = false;
            sibling->MenuChanged(false);
        }
}

void TMenuItem::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    MenuChanged(true);
}

void TMenuItem::SetDefault(bool Value) {
    if (FDefault == Value) return;
    // One default item per submenu.
    if (Value && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this) sibling->FDefault = false;
    FDefault = Value;
    MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value) {
    if (FRadioItem == Value) return;
    FRadioItem = Value;
    if (Value && FChecked) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetGroupIndex(uint8_t Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    if (FRadioItem && FChecked) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetShortCut(TShortCut Value) {
    if (FShortCut == Value) return;
    FShortCut = Value;
    MenuChanged(false);
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
    OnClick(this);
}

// ---- Streaming --------------------------------------------------------------------------------

void TMenuItem::GetChildren(const TGetChildProc& Proc, TComponent*) {
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems))
        Proc(item);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (auto* menu = Cast<TMenu>(Value))
        menu->Items()->Add(this);
    else if (auto* item = Cast<TMenuItem>(Value))
        item->Add(this);
    else if (Value)
        throw EMenuError("菜单项的上级必须是菜单或菜单项");
    else if (FParent)
        FParent->Remove(this);
}

void TMenuItem::SetChildOrder(TComponent* Child, int Order) {
    if (auto* item = Cast<TMenuItem>(Child))
        if (item->FParent == this) item->SetMenuIndex(Order);
}

std::string StripHotkey(const std::string& Caption) {
    std::string out;
    for (size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == '&') {
            if (i + 1 < Caption.size() && Caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += Caption[i];
    }
    return out;
}
