#pragma once
// The pointer list: an ordered array of untyped pointers that reports what enters and
// leaves it, so that descendants can own or track the items.

#include <functional>
#include <vector>

#include "host/core/Object.h"

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

/// Compares two items for Sort: negative, zero or positive as Item1 sorts before, with or
/// after Item2.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

/// An ordered list of pointers; Notify reports each non-null item added or removed.
///
/// Freed through Free(), the list clears itself in BeforeDestruction, where an override of
/// Notify still runs. Its destructor clears again for lists deleted any other way, but a
/// virtual call from the base destructor no longer reaches an override: a descendant whose
/// Notify matters must call Clear() in its own destructor.
class TList : public TObject {
    ZK_CLASS(TList, TObject)
    TList() = default;
    ~TList() override;

    /// Appends Item and returns its index.
    int Add(void* Item);
    /// Inserts Item before Index; Index may be Count() to append.
    void Insert(int Index, void* Item);
    void Delete(int Index);
    /// Deletes the first occurrence of Item; returns its former index, or -1.
    int Remove(void* Item);
    /// Removes the first occurrence of Item, reported as lnExtracted; returns Item, or null
    /// when it is not in the list.
    void* Extract(void* Item);
    /// Deletes every item, the last first.
    virtual void Clear();
    /// Removes the null items.
    void Pack();

    int IndexOf(void* Item) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    /// Grows with null items (not reported) or deletes from the end.
    void SetCount(int NewCount);
    void* Items(int Index) const;
    /// Replaces an item: the old one is reported as deleted, the new one as added.
    void SetItem(int Index, void* Item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    void Exchange(int Index1, int Index2);
    /// Moves the item at CurIndex to NewIndex; nothing enters or leaves, so nothing is reported.
    void Move(int CurIndex, int NewIndex);

    int Capacity() const { return static_cast<int>(FItems.capacity()); }
    /// Capacity below Count() raises EListError.
    void SetCapacity(int NewCapacity);

    /// Stable sort by Compare.
    void Sort(const TListSortCompare& Compare);
    /// Makes this list a copy of Source (cleared first; each copied item is reported added).
    void Assign(const TList* Source);

    void BeforeDestruction() override;

protected:
    /// Called after Ptr was added, or after it was removed; never for a null item.
    virtual void Notify(void* Ptr, TListNotification Action);

private:
    void CheckIndex(int Index) const;

    std::vector<void*> FItems;
};
