// TListControlItems: the items of list and combo boxes, kept by the control and mirrored into
// its window through the messages of the window's class.

#include <algorithm>

#include "host/stdctrls/StdCtrls.h"

void TListControlItems::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("列表索引越界（" + std::to_string(Index) + "）");
}

std::string TListControlItems::Get(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].Text;
}

TObject* TListControlItems::GetObject(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].Object;
}

void TListControlItems::Put(int Index, const std::string& S) {
    CheckIndex(Index);
    TObject* object = FItems[static_cast<size_t>(Index)].Object;
    const int current = FControl->ItemIndex();
    Delete(Index);
    InsertObject(Index, S, object);
    FControl->SetItemIndex(current);
}

void TListControlItems::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    FItems[static_cast<size_t>(Index)].Object = AObject;
    FControl->SendToWindow(FControl->ItemMessages().SetData, Index,
                           reinterpret_cast<intptr_t>(AObject));
}

void TListControlItems::InsertItem(int Index, const std::string& S, TObject* AObject) {
    FItems.insert(FItems.begin() + Index, {S, AObject});
    const auto messages = FControl->ItemMessages();
    FControl->SendToWindow(messages.Insert, Index, reinterpret_cast<intptr_t>(S.c_str()));
    FControl->SendToWindow(messages.SetData, Index, reinterpret_cast<intptr_t>(AObject));
    FControl->ItemInserted(Index);
}

void TListControlItems::Insert(int Index, const std::string& S) {
    InsertObject(Index, S, nullptr);
}

void TListControlItems::InsertObject(int Index, const std::string& S, TObject* AObject) {
    if (Index < 0 || Index > Count())
        throw EListError("列表索引越界（" + std::to_string(Index) + "）");
    if (FControl->Sorted())
        AddObject(S, AObject);
    else
        InsertItem(Index, S, AObject);
}

int TListControlItems::AddObject(const std::string& S, TObject* AObject) {
    int index = Count();
    if (FControl->Sorted()) {
        // After the items that sort equal, so that equal items keep the order they came in.
        auto it = std::upper_bound(
            FItems.begin(), FItems.end(), S,
            [](const std::string& s, const TItem& item) { return CompareText(s, item.Text) < 0; });
        index = static_cast<int>(it - FItems.begin());
    }
    InsertItem(index, S, AObject);
    return index;
}

void TListControlItems::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    FControl->SendToWindow(FControl->ItemMessages().Delete, Index, 0);
    FControl->ItemDeleted(Index);
}

void TListControlItems::Clear() {
    FItems.clear();
    FControl->SendToWindow(FControl->ItemMessages().Reset, 0, 0);
    FControl->ItemsCleared();
}

void TListControlItems::Sort() {
    const int index = FControl->ItemIndex();
    const TItem current = index >= 0 ? FItems[static_cast<size_t>(index)] : TItem{};
    std::stable_sort(FItems.begin(), FItems.end(), [](const TItem& a, const TItem& b) {
        return CompareText(a.Text, b.Text) < 0;
    });
    FControl->ItemsCleared();
    FControl->FillWindow();
    if (index < 0) return;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].Object == current.Object && FItems[i].Text == current.Text) {
            FControl->SetItemIndex(static_cast<int>(i));
            return;
        }
    }
}
