// TCustomListView and TListView: the items and columns shown on the native window, and its
// notifications.

#include "host/comctrls/ListView.h"

#include "host/qt/ListViewWindow_p.h"

ZK_ENUM_TYPEINFO(TViewStyle, "vsIcon", "vsSmallIcon", "vsList", "vsReport")

ZK_METHOD_TYPEINFO(TLVColumnClickEvent)
ZK_METHOD_TYPEINFO(TLVSelectItemEvent)
ZK_METHOD_TYPEINFO(TLVEditedEvent)

namespace {
void PublishListView(TPublisher& p) {
    p.Prop("BorderStyle", TypeInfos::TBorderStyle(), &TCustomListView::BorderStyle,
           &TCustomListView::SetBorderStyle)
        .Default(bsSingle);
    p.Prop("Columns", &TCustomListView::Columns, &TCustomListView::SetColumns);
    p.Prop("ColumnClick", &TCustomListView::ColumnClick, &TCustomListView::SetColumnClick)
        .Default(1);
    p.Prop("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines).Default(0);
    p.Prop("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection)
        .Default(1);
    p.Prop("Items", &TCustomListView::Items, &TCustomListView::SetItems);
    p.Prop("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect)
        .Default(0);
    p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(0);
    p.Prop("ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly).Default(0);
    p.Prop("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect).Default(0);
    p.Prop("ShowColumnHeaders", &TCustomListView::ShowColumnHeaders,
           &TCustomListView::SetShowColumnHeaders)
        .Default(1);
    p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(1);
    p.Prop("ViewStyle", &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle)
        .Default(vsIcon);
    p.Prop("OnColumnClick", &TCustomListView::OnColumnClick, &TCustomListView::OnColumnClick);
    p.Prop("OnEdited", &TCustomListView::OnEdited, &TCustomListView::OnEdited);
    p.Prop("OnSelectItem", &TCustomListView::OnSelectItem, &TCustomListView::OnSelectItem);
}

std::vector<std::string> TextsOf(const TListItem* item) {
    std::vector<std::string> texts{item->Caption()};
    for (int i = 0; i < item->SubItems()->Count(); ++i)
        texts.push_back(item->SubItems()->Strings(i));
    return texts;
}

const bool registered = (RegisterClass(TListView::StaticClass()), true);
} // namespace

ZK_IMPLEMENT_CLASS(TCustomListView, TWinControl, nullptr)
ZK_IMPLEMENT_CLASS(TListView, TCustomListView, PublishListView)

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner), FColumns(new TListColumns(this)), FItems(new TListItems(this)) {
    (void)registered;
    FControlStyle = {csClickEvents, csDoubleClicks, csDisplayDragImage, csReflector};
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomListView::~TCustomListView() {
    FItems->Free();
    FColumns->Free();
}

void TCustomListView::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = ListViewWindowClass();
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
    TWinControl::CreateWnd();
    SyncWindow();
    ListViewCreateHeader(Handle());
}

void TCustomListView::SetParent(TWinControl* AParent) {
    const bool moved = Parent() != AParent && HandleAllocated();
    TWinControl::SetParent(AParent);
    // Only a window that lived on in the new parent; a new window announced its header itself.
    if (moved && HandleAllocated()) PostMessage(Handle(), LVM_RECREATEHEADER, 0, 0);
}

void TCustomListView::SyncWindow() {
    if (!HandleAllocated() || FItems->FUpdateCount > 0) return;
    HWND h = Handle();
    UpdateStyle();
    ListViewSetColors(h, Color(), Font()->Color());
    ColumnsChanged();
    ListViewClear(h);
    for (int i = 0; i < FItems->Count(); ++i) {
        TListItem* item = FItems->Item(i);
        ListViewInsertItem(h, i, TextsOf(item));
        if (item->FSelected) ListViewSetSelected(h, i, true);
    }
}

void TCustomListView::UpdateStyle() {
    if (!HandleAllocated()) return;
    TLVStyle style;
    style.ViewStyle = FViewStyle;
    style.GridLines = FGridLines;
    style.RowSelect = FRowSelect;
    style.ReadOnly = FReadOnly;
    style.ShowColumnHeaders = FShowColumnHeaders;
    style.MultiSelect = FMultiSelect;
    style.HideSelection = FHideSelection;
    style.Border = FBorderStyle == bsSingle;
    ListViewSetStyle(Handle(), style);
}

void TCustomListView::ColumnsChanged() {
    if (!HandleAllocated()) return;
    std::vector<TLVColumnInfo> columns;
    for (int i = 0; i < FColumns->Count(); ++i) {
        const TListColumn* c = FColumns->Items(i);
        columns.push_back({c->FCaption, c->FWidth, c->FAlignment, c->FAutoSize});
    }
    ListViewSetColumns(Handle(), columns);
    // Texts of columns that were not there before.
    if (FItems->FUpdateCount == 0)
        for (int i = 0; i < FItems->Count(); ++i)
            ListViewSetItem(Handle(), i, TextsOf(FItems->Item(i)));
}

void TCustomListView::ItemChanged(TListItem* Item) {
    if (HandleAllocated() && FItems->FUpdateCount == 0)
        ListViewSetItem(Handle(), Item->Index(), TextsOf(Item));
}

void TCustomListView::ItemInserted(TListItem* Item) {
    if (HandleAllocated() && FItems->FUpdateCount == 0)
        ListViewInsertItem(Handle(), Item->Index(), TextsOf(Item));
}

void TCustomListView::ItemRemoved(int Index) {
    if (HandleAllocated() && FItems->FUpdateCount == 0) ListViewDeleteItem(Handle(), Index);
}

void TCustomListView::ItemsCleared() {
    if (HandleAllocated() && FItems->FUpdateCount == 0) ListViewClear(Handle());
}

void TCustomListView::EditCaption(TListItem* Item) {
    if (HandleAllocated()) ListViewEditCaption(Handle(), Item->Index());
}

void TCustomListView::ItemSelected(TListItem* Item, bool Value, bool FromWindow) {
    const bool show = !FromWindow && HandleAllocated() && FItems->FUpdateCount == 0;
    if (Item->FSelected == Value) return;
    // One selected item at a time, unless MultiSelect; the one that goes is told first.
    if (Value && !FMultiSelect) {
        for (int i = 0; i < FItems->Count(); ++i) {
            TListItem* other = FItems->Item(i);
            if (other == Item || !other->FSelected) continue;
            other->FSelected = false;
            if (show) ListViewSetSelected(Handle(), i, false);
            DoSelectItem(other, false);
        }
    }
    Item->FSelected = Value;
    if (show) ListViewSetSelected(Handle(), Item->Index(), Value);
    DoSelectItem(Item, Value);
}

TListItem* TCustomListView::Selected() const {
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Item(i)->FSelected) return FItems->Item(i);
    return nullptr;
}

void TCustomListView::SetSelected(TListItem* Value) {
    if (Value) {
        Value->SetSelected(true);
        return;
    }
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Item(i)->FSelected) ItemSelected(FItems->Item(i), false, false);
}

int TCustomListView::SelCount() const {
    int count = 0;
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Item(i)->FSelected) ++count;
    return count;
}

TListItem* TCustomListView::GetItemAt(int X, int Y) {
    if (!HandleAllocated()) return nullptr;
    const int index = ListViewItemAt(Handle(), {X, Y});
    return index >= 0 && index < FItems->Count() ? FItems->Item(index) : nullptr;
}

TRect TCustomListView::ItemRect(TListItem* Item) {
    if (!HandleAllocated() || !Item || Item->ListView() != this) return {};
    return ListViewItemRect(Handle(), Item->Index());
}

TRect TCustomListView::HeaderSectionRect(int Index) {
    return HandleAllocated() ? ListViewHeaderRect(Handle(), Index) : TRect{};
}

void TCustomListView::SetViewStyle(TViewStyle Value) {
    if (FViewStyle == Value) return;
    FViewStyle = Value;
    UpdateStyle();
}

void TCustomListView::SetGridLines(bool Value) {
    FGridLines = Value;
    UpdateStyle();
}

void TCustomListView::SetRowSelect(bool Value) {
    FRowSelect = Value;
    UpdateStyle();
}

void TCustomListView::SetReadOnly(bool Value) {
    FReadOnly = Value;
    UpdateStyle();
}

void TCustomListView::SetShowColumnHeaders(bool Value) {
    FShowColumnHeaders = Value;
    UpdateStyle();
}

void TCustomListView::SetMultiSelect(bool Value) {
    FMultiSelect = Value;
    UpdateStyle();
}

void TCustomListView::SetHideSelection(bool Value) {
    FHideSelection = Value;
    UpdateStyle();
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsSingle) Value = bsNone;
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    UpdateClientEdge(Value == bsSingle);
    UpdateStyle();
}

void TCustomListView::ColClick(TListColumn* Column) {
    OnColumnClick(this, Column);
}

void TCustomListView::DoSelectItem(TListItem* Item, bool Selected) {
    OnSelectItem(this, Item, Selected);
}

void TCustomListView::CMColorChanged(TMessage& Message) {
    TWinControl::CMColorChanged(Message);
    if (HandleAllocated()) ListViewSetColors(Handle(), Color(), Font()->Color());
}

void TCustomListView::CMFontChanged(TMessage& Message) {
    TWinControl::CMFontChanged(Message);
    if (HandleAllocated()) ListViewSetColors(Handle(), Color(), Font()->Color());
}

void TCustomListView::Dispatch(TMessage& Message) {
    if (Message.Msg == CN_NOTIFY) {
        TWMNotify notify(Message);
        CNNotify(notify);
        return;
    }
    if (Message.Msg == LVM_RECREATEHEADER) {
        if (HandleAllocated()) ListViewCreateHeader(Handle());
        return;
    }
    TWinControl::Dispatch(Message);
}

void TCustomListView::CNNotify(TWMNotify& Message) {
    const NMHDR* hdr = Message.NMHdr();
    if (!hdr) return;
    switch (hdr->code) {
    case LVN_ITEMCHANGED: {
        const auto* nm = reinterpret_cast<const NMLISTVIEW*>(hdr);
        if (nm->iItem < 0 || nm->iItem >= FItems->Count()) break;
        if ((nm->uNewState ^ nm->uOldState) & LVIS_SELECTED)
            ItemSelected(FItems->Item(nm->iItem), (nm->uNewState & LVIS_SELECTED) != 0, true);
        break;
    }
    case LVN_COLUMNCLICK: {
        const auto* nm = reinterpret_cast<const NMLISTVIEW*>(hdr);
        if (FColumnClick && nm->iSubItem >= 0 && nm->iSubItem < FColumns->Count())
            ColClick(FColumns->Items(nm->iSubItem));
        break;
    }
    case LVN_ENDLABELEDIT: {
        const auto* nm = reinterpret_cast<const NMLVENDEDIT*>(hdr);
        if (nm->iItem < 0 || nm->iItem >= FItems->Count()) break;
        TListItem* item = FItems->Item(nm->iItem);
        std::string text = nm->Text;
        OnEdited(this, item, text);
        item->FCaption.clear();
        item->SetCaption(text);
        break;
    }
    case HDN_ENDTRACK: {
        const auto* nm = reinterpret_cast<const NMHEADER*>(hdr);
        // The width the user dragged to; the window already shows it.
        if (nm->iItem >= 0 && nm->iItem < FColumns->Count())
            FColumns->Items(nm->iItem)->FWidth = nm->cxy;
        break;
    }
    default:
        break;
    }
}
