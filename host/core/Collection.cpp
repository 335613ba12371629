#include "host/core/Collection.h"
#include "host/core/UpdateScope.h"

#include <algorithm>

ZK_IMPLEMENT_CLASS(TCollectionItem, TPersistent, nullptr)
ZK_IMPLEMENT_CLASS(TCollection, TPersistent, nullptr)

// ---- TCollectionItem ----------------------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* Collection) {
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (FCollection == Value) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    int current = Index();
    if (current < 0 || Value == current) return;
    auto& items = FCollection->FItems;
    Value = std::clamp(Value, 0, static_cast<int>(items.size()) - 1);
    items.erase(items.begin() + current);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

std::string TCollectionItem::DisplayName() const {
    return ClassName();
}

void TCollectionItem::SetDisplayName(const std::string& Value) {
    (void)Value;
    Changed(false);
}

std::string TCollectionItem::GetNamePath() const {
    if (!FCollection) return ClassName();
    return FCollection->GetNamePath() + "[" + IntToStr(Index()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
    if (FCollection) FCollection->ItemChanged(AllItems ? nullptr : this);
}

// ---- TCollection --------------------------------------------------------------------------

TCollection::TCollection(TClass ItemClass, TPersistent* Owner)
    : FItemClass(ItemClass), FOwner(Owner) {
    if (!ItemClass || !ItemClass->InheritsFrom(TCollectionItem::StaticClass()))
        throw EInvalidOperation("集合的项类必须派生自 TCollectionItem");
}

TCollection::~TCollection() {
    // Items are taken out before they are freed, so that none reports back to a
    // collection that is half destroyed.
    while (!FItems.empty()) {
        TCollectionItem* item = FItems.back();
        FItems.pop_back();
        item->FCollection = nullptr;
        item->Free();
    }
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
    TObject* obj = FItemClass ? FItemClass->Create(nullptr) : nullptr;
    auto* item = Cast<TCollectionItem>(obj);
    if (!item) {
        if (obj) obj->Free();
        throw EInvalidOperation("不能创建该集合的项");
    }
    item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int Index) {
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index) {
    TCollectionItem* item = Items(Index);
    Notify(item, cnDeleting);
    item->Free();
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty())
        Delete(Count() - 1);
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == ID) return item;
    return nullptr;
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* Item) {
    if (FUpdateCount == 0) Update(Item);
}

void TCollection::Assign(TPersistent* Source) {
    auto* other = Cast<TCollection>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    TUpdateScope update(this);
    Clear();
    for (TCollectionItem* item : other->FItems)
        Add()->Assign(item);
}

std::string TCollection::GetNamePath() const {
    if (!FOwner) return ClassName();
    std::string owner = FOwner->GetNamePath();
    return FPropName.empty() ? owner : owner + "." + FPropName;
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    Notify(Item, cnExtracting);
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it != FItems.end()) FItems.erase(it);
    Item->FCollection = nullptr;
    Changed();
}
