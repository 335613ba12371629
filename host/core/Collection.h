#pragma once
// Collections: owned, ordered lists of items of one class that stream as a unit.

#include <string>
#include <vector>

#include "host/core/Component.h"

class TCollection;

/// One entry of a collection; its published properties are what the collection streams.
class TCollectionItem : public TPersistent {
    ZK_CLASS(TCollectionItem, TPersistent)
    TCollectionItem() = default;
    /// Creates the item and appends it to Collection (when not null).
    explicit TCollectionItem(TCollection* Collection);
    /// Leaves the collection first, so that it never holds a dangling item.
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    /// Moves the item into another collection (or out of any, with null).
    void SetCollection(TCollection* Value);
    /// Position in the collection; -1 outside one.
    int Index() const;
    /// Moves the item within its collection.
    void SetIndex(int Value);
    /// A number unique within the collection, kept while the item lives.
    int ID() const { return FID; }
    /// Text that represents the item in lists; its class name unless overridden.
    virtual std::string DisplayName() const;
    virtual void SetDisplayName(const std::string& Value);
    std::string GetNamePath() const override;

protected:
    /// Tells the collection that this item (or, with AllItems, every item) changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

/// An ordered list of items of ItemClass, which it owns and frees. Owners learn of changes
/// by overriding Update (called once per change, or once after a BeginUpdate block).
class TCollection : public TPersistent {
    ZK_CLASS(TCollection, TPersistent)
    TCollection() = default;
    /// ItemClass must descend from TCollectionItem and be creatable without arguments.
    explicit TCollection(TClass ItemClass, TPersistent* Owner = nullptr);
    ~TCollection() override;

    TClass ItemClass() const { return FItemClass; }
    TPersistent* Owner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* Items(int Index) const;
    /// Creates an item of ItemClass at the end.
    TCollectionItem* Add();
    /// Creates an item of ItemClass at Index.
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    TCollectionItem* FindItemID(int ID) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    void Assign(TPersistent* Source) override;
    std::string GetNamePath() const override;
    /// The name of the owner's property that holds this collection, for name paths.
    void SetPropName(const std::string& Value) { FPropName = Value; }

protected:
    /// Item changed (null: the collection as a whole). Called only outside update blocks.
    virtual void Update(TCollectionItem* Item) { (void)Item; }
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {
        (void)Item, (void)Action;
    }
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void ItemChanged(TCollectionItem* Item);

    TClass FItemClass = nullptr;
    TPersistent* FOwner = nullptr;
    std::vector<TCollectionItem*> FItems;
    std::string FPropName;
    int FUpdateCount = 0;
    int FNextID = 0;
};
