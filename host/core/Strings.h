#pragma once
// String lists: the abstract TStrings (lookups, name=value pairs, text, streaming) and
// TStringList, which stores its items and can keep them sorted (StringList.cpp).

#include <functional>
#include <string>
#include <vector>

#include "host/core/Component.h"
#include "host/core/Event.h"
#include "host/core/UpdateScope.h"

class TStream;

/// A list of strings, each with an optional object. Descendants supply the storage; this
/// class builds everything else on it. Lookups ignore ASCII letter case unless a
/// descendant's CompareStrings says otherwise.
class TStrings : public TPersistent {
    ZK_CLASS(TStrings, TPersistent)
    // ---- Storage, supplied by descendants
    virtual std::string Get(int Index) const = 0;
    virtual TObject* GetObject(int Index) const = 0;
    virtual void Put(int Index, const std::string& S) = 0;
    virtual void PutObject(int Index, TObject* AObject) = 0;
    virtual int Count() const = 0;
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    // ---- Built on the storage
    /// Adds S (at the end, or at its place in a sorted list) and returns its index.
    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    virtual void InsertObject(int Index, const std::string& S, TObject* AObject);
    void Append(const std::string& S) { Add(S); }
    /// Adds every string of Strings with its object.
    virtual void AddStrings(const TStrings* Strings);
    virtual int IndexOf(const std::string& S) const;
    int IndexOfObject(const TObject* AObject) const;
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);

    std::string Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    // ---- "name=value" items
    /// Index of the first item whose name (the text before '=') matches Name, or -1.
    int IndexOfName(const std::string& Name) const;
    /// The name of item Index; "" when the item has no '='.
    std::string Names(int Index) const;
    /// The text after the first '=' of item Index; "" when the item has no '='.
    std::string ValueFromIndex(int Index) const;
    std::string Values(const std::string& Name) const;
    /// Replaces or adds "Name=Value"; an empty Value deletes the item.
    void SetValues(const std::string& Name, const std::string& Value);

    // ---- Whole-list text
    /// Every item followed by "\n", the last included.
    std::string Text() const;
    /// Replaces the items with the lines of Value, split at CR, LF or CR LF.
    virtual void SetText(const std::string& Value);
    /// Items separated by commas; items with blanks, commas or quotes are double-quoted.
    std::string CommaText() const;
    /// Splits at commas and blanks outside double quotes ("" inside quotes is one quote).
    void SetCommaText(const std::string& Value);

    /// From any TStrings: its strings and objects replace ours.
    void Assign(TPersistent* Source) override;
    /// Same count and the same strings, letter case included.
    bool Equals(const TStrings* Strings) const;
    /// Streams the items as the defined property "Strings", a list of string values
    /// (StringsStreaming.cpp).
    void DefineProperties(TFiler* Filer) override;

    /// Batches changes: a descendant reports one change for the whole batch.
    void BeginUpdate();
    void EndUpdate();

    /// Writes Text as UTF-8 from the stream's position.
    virtual void SaveToStream(TStream* Stream) const;
    /// Replaces the items with the text from the stream's position to its end (a UTF-8
    /// byte order mark is skipped).
    virtual void LoadFromStream(TStream* Stream);
    void SaveToFile(const std::string& FileName) const;
    void LoadFromFile(const std::string& FileName);

protected:
    /// Called with true when the first BeginUpdate starts a batch, false when it ends.
    virtual void SetUpdateState(bool Updating) { (void)Updating; }
    int UpdateCount() const { return FUpdateCount; }
    /// The comparison behind IndexOf and IndexOfName: ASCII case-insensitive here.
    virtual int CompareStrings(const std::string& S1, const std::string& S2) const;

private:
    int FUpdateCount = 0;
};

/// Ends a BeginUpdate batch of a string list when leaving the scope.
using TStringsUpdate = TUpdateScope<TStrings>;

/// What Add does with a string already in a sorted list. Unsorted lists accept
/// duplicates whatever this says, as the platform's do.
enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
/// Compares the items at Index1 and Index2 of List for CustomSort.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

/// A string list with its own storage: optionally sorted (then looked up by binary search),
/// reporting each change through OnChanging/OnChange, optionally owning its objects.
class TStringList : public TStrings {
    ZK_CLASS(TStringList, TStrings)
    TStringList() = default;
    /// Frees the owned objects; reports no change.
    ~TStringList() override;

    std::string Get(int Index) const override;
    TObject* GetObject(int Index) const override;
    /// EStringListError on a sorted list, where the new text could break the order.
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    int Count() const override { return static_cast<int>(FList.size()); }
    /// EStringListError on a sorted list: use Add.
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    int Add(const std::string& S) override;
    /// Appends, or in a sorted list inserts at its place, minding Duplicates.
    int AddObject(const std::string& S, TObject* AObject) override;
    void Exchange(int Index1, int Index2) override;
    /// EStringListError on a sorted list.
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const std::string& S) const override;

    /// Binary search of a sorted list: true when S is there, Index at the first match, or
    /// else where S would be inserted.
    virtual bool Find(const std::string& S, int& Index) const;
    /// Sorts an unsorted list once (a sorted list already is).
    virtual void Sort();
    /// Sorts an unsorted list by Compare; equal items keep their order.
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return FSorted; }
    /// Setting true sorts the list, and keeps it sorted from then on.
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    /// Re-sorts a sorted list under the new comparison.
    void SetCaseSensitive(bool Value);
    /// When true, Delete and Clear and the destructor free the items' objects.
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    /// Fired after each change, or once at the end of a BeginUpdate batch.
    TNotifyEvent OnChange;
    /// Fired before each change, or once at the start of a BeginUpdate batch.
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    virtual void Changing();
    virtual void Changed();
    /// Byte order when CaseSensitive, else ASCII case-insensitive.
    int CompareStrings(const std::string& S1, const std::string& S2) const override;

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };

    void CheckIndex(int Index) const;
    void CheckUnsorted() const;
    void InsertItem(int Index, const std::string& S, TObject* AObject);
    void SortItems(const TStringListSortCompare& Compare);

    std::vector<TStringItem> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
};
