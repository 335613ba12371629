#include "host/core/List.h"

#include <algorithm>
#include <string>

#include "host/core/SysUtils.h"

ZK_IMPLEMENT_CLASS(TList, TObject, nullptr)

namespace {
[[noreturn]] void ListError(const char* what, int value) {
    throw EListError(std::string(what) + "（" + std::to_string(value) + "）");
}
} // namespace

TList::~TList() {
    Clear();
}

void TList::BeforeDestruction() {
    Clear();
    inherited::BeforeDestruction();
}

void TList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) ListError("列表索引越界", Index);
}

int TList::Add(void* Item) {
    int index = Count();
    FItems.push_back(Item);
    if (Item) Notify(Item, lnAdded);
    return index;
}

void TList::Insert(int Index, void* Item) {
    if (Index < 0 || Index > Count()) ListError("列表索引越界", Index);
    FItems.insert(FItems.begin() + Index, Item);
    if (Item) Notify(Item, lnAdded);
}

void TList::Delete(int Index) {
    CheckIndex(Index);
    void* item = FItems[size_t(Index)];
    FItems.erase(FItems.begin() + Index);
    if (item) Notify(item, lnDeleted);
}

int TList::Remove(void* Item) {
    int index = IndexOf(Item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* Item) {
    int index = IndexOf(Item);
    if (index < 0) return nullptr;
    FItems.erase(FItems.begin() + index);
    if (Item) Notify(Item, lnExtracted);
    return Item;
}

void TList::Clear() {
    SetCount(0);
    std::vector<void*>().swap(FItems);
}

void TList::Pack() {
    std::erase(FItems, nullptr);
}

int TList::IndexOf(void* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TList::SetCount(int NewCount) {
    if (NewCount < 0) ListError("列表项数越界", NewCount);
    if (NewCount >= Count()) {
        FItems.resize(size_t(NewCount), nullptr);
        return;
    }
    // One at a time from the end, so that a Notify that looks at the list sees it
    // consistent, and an exception from it leaves the rest in place.
    while (Count() > NewCount)
        Delete(Count() - 1);
}

void* TList::Items(int Index) const {
    CheckIndex(Index);
    return FItems[size_t(Index)];
}

void TList::SetItem(int Index, void* Item) {
    CheckIndex(Index);
    void* old = FItems[size_t(Index)];
    if (old == Item) return;
    FItems[size_t(Index)] = Item;
    if (old) Notify(old, lnDeleted);
    if (Item) Notify(Item, lnAdded);
}

void TList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FItems[size_t(Index1)], FItems[size_t(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    auto cur = FItems.begin() + CurIndex, dest = FItems.begin() + NewIndex;
    if (CurIndex < NewIndex)
        std::rotate(cur, cur + 1, dest + 1);
    else
        std::rotate(dest, cur, cur + 1);
}

void TList::SetCapacity(int NewCapacity) {
    if (NewCapacity < Count()) ListError("列表容量越界", NewCapacity);
    if (size_t(NewCapacity) > FItems.capacity()) {
        FItems.reserve(size_t(NewCapacity));
    } else if (size_t(NewCapacity) < FItems.capacity()) {
        std::vector<void*> shrunk;
        shrunk.reserve(size_t(NewCapacity));
        shrunk.assign(FItems.begin(), FItems.end());
        FItems.swap(shrunk);
    }
}

void TList::Sort(const TListSortCompare& Compare) {
    // Stable, so that items comparing equal keep their order whatever the library.
    std::stable_sort(FItems.begin(), FItems.end(),
                     [&](void* a, void* b) { return Compare(a, b) < 0; });
}

void TList::Assign(const TList* Source) {
    if (Source == this) return;
    Clear();
    if (!Source) return;
    SetCapacity(Source->Count());
    for (void* item : Source->FItems)
        Add(item);
}

void TList::Notify(void* Ptr, TListNotification Action) {
    (void)Ptr;
    (void)Action;
}
