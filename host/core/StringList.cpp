// TStringList, declared in Strings.h.

#include <algorithm>
#include <numeric>

#include "host/core/Strings.h"
#include "host/core/SysUtils.h"

ZK_IMPLEMENT_CLASS(TStringList, TStrings, nullptr)

TStringList::~TStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects)
        for (auto& item : FList)
            FreeAndNil(item.FObject);
}

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EStringListError("列表索引越界（" + std::to_string(Index) + "）");
}

void TStringList::CheckUnsorted() const {
    if (FSorted) throw EStringListError("已排序的列表不允许此操作");
}

// ---- Change reporting ---------------------------------------------------------------------

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0) OnChange(this);
}

// ---- Storage ------------------------------------------------------------------------------

std::string TStringList::Get(int Index) const {
    CheckIndex(Index);
    return FList[size_t(Index)].FString;
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return FList[size_t(Index)].FObject;
}

void TStringList::Put(int Index, const std::string& S) {
    CheckUnsorted();
    CheckIndex(Index);
    Changing();
    FList[size_t(Index)].FString = S;
    Changed();
}

// The platform does not free the object replaced here, even when the list owns its
// objects; neither do we, so that code written for it neither leaks nor double-frees.
void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    FList[size_t(Index)].FObject = AObject;
    Changed();
}

void TStringList::Insert(int Index, const std::string& S) {
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
    CheckUnsorted();
    if (Index < 0 || Index > Count())
        throw EStringListError("列表索引越界（" + std::to_string(Index) + "）");
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    TObject* obj = FList[size_t(Index)].FObject;
    FList.erase(FList.begin() + Index);
    if (FOwnsObjects) FreeAndNil(obj);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    std::vector<TStringItem> old;
    old.swap(FList);
    if (FOwnsObjects)
        for (auto& item : old)
            FreeAndNil(item.FObject);
    Changed();
}

int TStringList::Add(const std::string& S) {
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const std::string& S, TObject* AObject) {
    int index = Count();
    if (FSorted && Find(S, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError)
            throw EStringListError("字符串列表不允许重复项");
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(FList[size_t(Index1)], FList[size_t(Index2)]);
    Changed();
}

// Moves the item in place: going through Delete would free an owned object.
void TStringList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckUnsorted();
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    auto cur = FList.begin() + CurIndex, dest = FList.begin() + NewIndex;
    if (CurIndex < NewIndex)
        std::rotate(cur, cur + 1, dest + 1);
    else
        std::rotate(dest, cur, cur + 1);
    Changed();
}

// ---- Lookup and order ---------------------------------------------------------------------

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
    if (!FCaseSensitive) return CompareText(S1, S2);
    return S1.compare(S2);
}

int TStringList::IndexOf(const std::string& S) const {
    if (!FSorted) return inherited::IndexOf(S);
    int index;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;
        int c = CompareStrings(FList[size_t(mid)].FString, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                // Only a list that accepts duplicates needs the search to go on to the first.
                if (FDuplicates != dupAccept) lo = mid;
            }
        }
    }
    Index = lo;
    return found;
}

void TStringList::SortItems(const TStringListSortCompare& Compare) {
    if (Count() < 2) return;
    Changing();
    // Compare names positions in the list as it is, so sort a permutation and apply it after.
    std::vector<int> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (int i : order)
        sorted.push_back(std::move(FList[size_t(i)]));
    FList.swap(sorted);
    Changed();
}

void TStringList::Sort() {
    if (!FSorted) CustomSort(nullptr);
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    if (FSorted) return;
    if (Compare) {
        SortItems(Compare);
    } else {
        SortItems([](TStringList* list, int a, int b) {
            return list->CompareStrings(list->FList[size_t(a)].FString,
                                        list->FList[size_t(b)].FString);
        });
    }
}

void TStringList::SetSorted(bool Value) {
    if (Value == FSorted) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (Value == FCaseSensitive) return;
    FCaseSensitive = Value;
    if (FSorted) {
        FSorted = false;
        Sort();
        FSorted = true;
    }
}
