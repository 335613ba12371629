// The columns and items of list views.

#include "host/comctrls/ListView.h"
#include "host/core/UpdateScope.h"

namespace {
void PublishListColumn(TPublisher& p) {
    p.Prop("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment).Default(taLeftJustify);
    p.Prop("AutoSize", &TListColumn::AutoSize, &TListColumn::SetAutoSize).Default(0);
    p.Prop("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
    p.Prop("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex).Default(-1);
    p.Prop("Tag", &TListColumn::Tag, &TListColumn::SetTag).Default(0);
    p.Prop("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
}
} // namespace

ZK_IMPLEMENT_CLASS(TListColumn, TCollectionItem, PublishListColumn)
ZK_IMPLEMENT_CLASS(TListColumns, TCollection, nullptr)
ZK_IMPLEMENT_CLASS(TListItem, TPersistent, nullptr)
ZK_IMPLEMENT_CLASS(TListItems, TPersistent, nullptr)

// ---- TListColumn --------------------------------------------------------------------------

void TListColumn::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed(false);
}

void TListColumn::SetWidth(int Value) {
    Value = std::max(Value, 0);
    if (FWidth == Value) return;
    FWidth = Value;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Changed(false);
}

void TListColumn::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    Changed(false);
}

std::string TListColumn::DisplayName() const {
    return FCaption.empty() ? TCollectionItem::DisplayName() : FCaption;
}

void TListColumn::Assign(TPersistent* Source) {
    auto* other = Cast<TListColumn>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    FCaption = other->FCaption;
    FWidth = other->FWidth;
    FAlignment = other->FAlignment;
    FAutoSize = other->FAutoSize;
    FImageIndex = other->FImageIndex;
    FTag = other->FTag;
    Changed(false);
}

// ---- TListColumns -------------------------------------------------------------------------

TListColumns::TListColumns(TCustomListView* AOwner)
    : TCollection(TListColumn::StaticClass(), AOwner), FListView(AOwner) {
    SetPropName("Columns");
}

void TListColumns::Update(TCollectionItem*) {
    if (FListView) FListView->ColumnsChanged();
}

// ---- TListItem ----------------------------------------------------------------------------

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(new TStringList) {
    FSubItems->OnChange = TNotifyEvent(this, &TListItem::SubItemsChanged);
}

TListItem::~TListItem() {
    FSubItems->Free();
}

TCustomListView* TListItem::ListView() const {
    return FOwner ? FOwner->Owner() : nullptr;
}

int TListItem::Index() const {
    return FOwner ? FOwner->IndexOf(this) : -1;
}

void TListItem::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    if (TCustomListView* view = ListView()) view->ItemChanged(this);
}

void TListItem::SubItemsChanged(TObject*) {
    if (TCustomListView* view = ListView()) view->ItemChanged(this);
}

void TListItem::SetSelected(bool Value) {
    if (TCustomListView* view = ListView())
        view->ItemSelected(this, Value, false);
    else
        FSelected = Value;
}

void TListItem::Delete() {
    if (FOwner)
        FOwner->Delete(Index());
    else
        Free();
}

void TListItem::EditCaption() {
    if (TCustomListView* view = ListView()) view->EditCaption(this);
}

void TListItem::Assign(TPersistent* Source) {
    auto* other = Cast<TListItem>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FCaption = other->FCaption;
    FData = other->FData;
    FImageIndex = other->FImageIndex;
    FStateIndex = other->FStateIndex;
    // The sub-items report the change to the view, with the caption already in place.
    FSubItems->Assign(other->FSubItems);
    if (TCustomListView* view = ListView()) view->ItemChanged(this);
}

// ---- TListItems ---------------------------------------------------------------------------

TListItems::TListItems(TCustomListView* AOwner) : FOwner(AOwner) {}

TListItems::~TListItems() {
    for (TListItem* item : FItems) {
        item->FOwner = nullptr;
        item->Free();
    }
}

TListItem* TListItems::Item(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    return FItems[static_cast<size_t>(Index)];
}

int TListItems::IndexOf(const TListItem* Value) const {
    auto it = std::find(FItems.begin(), FItems.end(), Value);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TListItem* TListItems::Add() {
    return Insert(Count());
}

TListItem* TListItems::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    auto* item = new TListItem(this);
    FItems.insert(FItems.begin() + Index, item);
    FOwner->ItemInserted(item);
    return item;
}

void TListItems::Delete(int Index) {
    TListItem* item = Item(Index);
    Remove(item);
    item->Free();
}

void TListItems::Remove(TListItem* Item) {
    const int index = IndexOf(Item);
    if (index < 0) return;
    FItems.erase(FItems.begin() + index);
    Item->FOwner = nullptr;
    FOwner->ItemRemoved(index);
}

void TListItems::Clear() {
    if (FItems.empty()) return;
    std::vector<TListItem*> items;
    items.swap(FItems);
    for (TListItem* item : items) {
        item->FOwner = nullptr;
        item->Free();
    }
    FOwner->ItemsCleared();
}

void TListItems::BeginUpdate() {
    ++FUpdateCount;
}

void TListItems::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) FOwner->SyncWindow();
}

void TListItems::Assign(TPersistent* Source) {
    auto* other = Cast<TListItems>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    TUpdateScope update(this);
    Clear();
    for (TListItem* item : other->FItems)
        Add()->Assign(item);
}
