#pragma once
// List views: items shown as icons, a list or a report with columns under a column header.

#include <memory>
#include <string>
#include <vector>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/core/Collection.h"
#include "host/core/Strings.h"

class TCustomListView;
class TListItems;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
ZK_DECLARE_TYPEINFO(TViewStyle)

/// One column of a report view: its heading, width and the alignment of its texts.
class TListColumn : public TCollectionItem {
    ZK_CLASS(TListColumn, TCollectionItem)
    TListColumn() = default;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    /// Whether the column takes the width the others leave.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t Value) { FTag = Value; }
    std::string DisplayName() const override;
    void Assign(TPersistent* Source) override;

private:
    friend class TCustomListView;
    std::string FCaption;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
    int32_t FImageIndex = -1;
    int32_t FTag = 0;
};

/// The columns of a list view; a change to any of them shows on the view.
class TListColumns : public TCollection {
    ZK_CLASS(TListColumns, TCollection)
    TListColumns() = default;
    explicit TListColumns(TCustomListView* AOwner);

    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int Index) const {
        return static_cast<TListColumn*>(TCollection::Items(Index));
    }
    TCustomListView* ListView() const { return FListView; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TCustomListView* FListView = nullptr;
};

/// One item of a list view: its caption, the texts of the further columns, the data the
/// application attaches, and whether it is selected.
class TListItem : public TPersistent {
    ZK_CLASS(TListItem, TPersistent)
    explicit TListItem(TListItems* AOwner);
    ~TListItem() override;

    TListItems* Owner() const { return FOwner; }
    TCustomListView* ListView() const;
    int Index() const;
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    /// The texts of the columns after the first.
    TStrings* SubItems() const { return FSubItems; }
    void SetSubItems(TStrings* Value) { FSubItems->Assign(Value); }
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    bool Selected() const { return FSelected; }
    void SetSelected(bool Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }
    /// The state image shown before the item (-1: none); kept and streamed with the item.
    int32_t StateIndex() const { return FStateIndex; }
    void SetStateIndex(int32_t Value) { FStateIndex = Value; }
    /// Removes the item from its list view and frees it.
    void Delete();
    /// Starts editing the caption in place (unless the view is read-only).
    void EditCaption();
    void Assign(TPersistent* Source) override;

private:
    friend class TListItems;
    friend class TCustomListView;
    void SubItemsChanged(TObject* Sender);

    TListItems* FOwner;
    std::string FCaption;
    TStringList* FSubItems;
    void* FData = nullptr;
    bool FSelected = false;
    int32_t FImageIndex = -1;
    int32_t FStateIndex = -1;
};

/// The items of a list view, in order; the list owns and frees them.
class TListItems : public TPersistent {
    ZK_CLASS(TListItems, TPersistent)
    explicit TListItems(TCustomListView* AOwner);
    ~TListItems() override;

    TCustomListView* Owner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TListItem* Item(int Index) const;
    TListItem* operator[](int Index) const { return Item(Index); }
    TListItem* Add();
    TListItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int IndexOf(const TListItem* Value) const;
    /// Changes between the two calls show on the view once, at the end.
    void BeginUpdate();
    void EndUpdate();
    void Assign(TPersistent* Source) override;
    /// The items travel in streams as the binary property Data (ListItemsStreaming.cpp).
    void DefineProperties(TFiler* Filer) override;

private:
    friend class TListItem;
    friend class TCustomListView;
    void Remove(TListItem* Item);

    TCustomListView* FOwner;
    std::vector<TListItem*> FItems;
    int FUpdateCount = 0;
};

using TLVColumnClickEvent = TEvent<void(TObject* Sender, TListColumn* Column)>;
using TLVSelectItemEvent = TEvent<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVEditedEvent = TEvent<void(TObject* Sender, TListItem* Item, std::string& S)>;
ZK_DECLARE_TYPEINFO(TLVColumnClickEvent)
ZK_DECLARE_TYPEINFO(TLVSelectItemEvent)
ZK_DECLARE_TYPEINFO(TLVEditedEvent)

/// A list view: a native item view whose column header is a child window of its own. The
/// header announces itself to the list view with WM_PARENTNOTIFY when it is made, so that it
/// can be subclassed by its window handle; its mouse input goes through its own window
/// procedure chain.
class TCustomListView : public TWinControl {
    ZK_CLASS(TCustomListView, TWinControl)
    explicit TCustomListView(TComponent* AOwner);
    ~TCustomListView() override;

    TListColumns* Columns() const { return FColumns; }
    void SetColumns(TListColumns* Value) { FColumns->Assign(Value); }
    TListColumn* Column(int Index) const { return FColumns->Items(Index); }
    TListItems* Items() const { return FItems; }
    void SetItems(TListItems* Value) { FItems->Assign(Value); }
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value);
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool Value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    /// Whether the captions cannot be edited in place.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    /// Whether a click on a column heading reports OnColumnClick.
    bool ColumnClick() const { return FColumnClick; }
    void SetColumnClick(bool Value) { FColumnClick = Value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    /// The first selected item; setting one selects it (alone, without MultiSelect), null
    /// clears the selection.
    TListItem* Selected() const;
    void SetSelected(TListItem* Value);
    int SelCount() const;
    /// The item at a client point, or null.
    TListItem* GetItemAt(int X, int Y);
    /// An item's rectangle in client coordinates; empty when it is not shown.
    TRect ItemRect(TListItem* Item);
    /// A column heading's rectangle in client coordinates (report view); empty otherwise.
    TRect HeaderSectionRect(int Index);

    void Dispatch(TMessage& Message) override;
    /// A list view that moves to another parent makes its header again once the move is over,
    /// so that whoever hooked it meanwhile hears the header announce itself.
    void SetParent(TWinControl* AParent) override;

    TLVColumnClickEvent OnColumnClick;
    TLVSelectItemEvent OnSelectItem;
    TLVEditedEvent OnEdited;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    virtual void ColClick(TListColumn* Column);
    virtual void DoSelectItem(TListItem* Item, bool Selected);
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumns;
    void CNNotify(TWMNotify& Message);
    /// Selection changed for Item: records it, enforces a single selection, reports it, and
    /// (unless it came from the window) shows it there.
    void ItemSelected(TListItem* Item, bool Value, bool FromWindow);
    void ItemChanged(TListItem* Item);
    void ItemInserted(TListItem* Item);
    void ItemRemoved(int Index);
    void ItemsCleared();
    void EditCaption(TListItem* Item);
    void ColumnsChanged();
    void UpdateStyle();
    /// Shows every column, item and setting on the window again.
    void SyncWindow();

    TListColumns* FColumns;
    TListItems* FItems;
    TViewStyle FViewStyle = vsIcon;
    bool FGridLines = false;
    bool FRowSelect = false;
    bool FReadOnly = false;
    bool FShowColumnHeaders = true;
    bool FMultiSelect = false;
    bool FHideSelection = true;
    bool FColumnClick = true;
    TBorderStyle FBorderStyle = bsSingle;
};

/// The list view of the component palette, with its properties published.
class TListView : public TCustomListView {
    ZK_CLASS(TListView, TCustomListView)
    explicit TListView(TComponent* AOwner) : TCustomListView(AOwner) {}
};
