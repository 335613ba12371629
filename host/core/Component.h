#pragma once
// Persistent objects and components: ownership, names, state and free-notification.

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/core/Object.h"
#include "host/core/Set.h"
#include "host/core/TypInfo.h"

class TFiler;
class TReader;
class TWriter;
class TComponent;

/// Receives, one by one, the children a component lists for streaming.
using TGetChildProc = std::function<void(TComponent* Child)>;

/// An object whose published state can be assigned from another and streamed.
class TPersistent : public TObject {
    ZK_CLASS(TPersistent, TObject)
    /// Copies the state of source; EConvertError when the classes do not fit.
    virtual void Assign(TPersistent* source);
    /// Declares properties that are streamed by code rather than through type information.
    virtual void DefineProperties(TFiler* filer) { (void)filer; }
    /// "Owner.Name"-style path used in error messages and by streams.
    virtual std::string GetNamePath() const;

protected:
    virtual void AssignTo(TPersistent* dest);
};

enum TComponentStateFlag {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateFlag>;
enum TOperation { opInsert, opRemove };

/// A named, owned object: the owner frees what it owns; holders of raw pointers to a
/// component learn of its going through Notification(opRemove).
class TComponent : public TPersistent {
    ZK_CLASS(TComponent, TPersistent)
    // Its own Notification only passes an insertion on, to the components that hear it.
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TComponent)
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const;
    /// Position among the owner's components; -1 without owner.
    int ComponentIndex() const;
    void SetComponentIndex(int value);
    TComponent* FindComponent(const std::string& name) const;

    const std::string& Name() const { return FName; }
    /// Must be a valid identifier or empty, and unique among the owner's components
    /// regardless of letter case; EComponentError otherwise.
    virtual void SetName(const std::string& value);
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    /// Where a designer shows a non-visual component: left in the low 16 bits, top in the
    /// high 16 bits. Streamed as the defined properties Left and Top when not zero.
    int32_t DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(int32_t value) { FDesignInfo = value; }
    void DefineProperties(TFiler* Filer) override;

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool value, bool setChildren = true);
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();
    /// Marks this component and everything it owns as being destroyed.
    void Destroying();

    /// Asks component to tell this one, by Notification(opRemove), when it is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    /// Tells free-notification holders that this component goes, then frees what it owns.
    /// Overrides do their own work first and call the inherited method last.
    void BeforeDestruction() override;
    std::string GetNamePath() const override;

    /// Informs the component that another was inserted into or removed from its owner's
    /// list, or that a component it asked for free-notification is going. A removal is passed
    /// to every owned component; an insertion only to those whose class hears insertions
    /// (TMetaClass::HearsInsertions) and to those owning such, so that filling an owner stays
    /// linear.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    /// Called once loading from a stream has finished; clears csLoading.
    virtual void Loaded();

    void SetLoading(bool value);
    void SetReading(bool value);
    void SetWriting(bool value);
    void SetInline(bool value);

    // Streaming hooks; controls and forms override them to stream their parent-child tree.
    /// Lists, through Proc, the components written inside this one's record; Root is the
    /// root being written. Nothing by default.
    virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
    /// Owner of the components read inside this record; null means the root being read.
    virtual TComponent* GetChildOwner();
    /// Parent given to the components read inside this record.
    virtual TComponent* GetChildParent() { return this; }
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    /// Called by the reader with the component whose record contains this one's.
    virtual void SetParentComponent(TComponent* Value) { (void)Value; }
    /// Moves Child to position Order among this component's streamed children.
    virtual void SetChildOrder(TComponent* Child, int Order) { (void)Child, (void)Order; }
    /// Reads this component's record body (properties and children).
    virtual void ReadState(TReader* Reader);
    /// Writes this component's record.
    virtual void WriteState(TWriter* Writer);

protected:
    virtual void ValidateRename(TComponent* AComponent, const std::string& curName,
                                const std::string& newName);
    /// Sets the name without validating it (keeps the owner's name index current).
    void ChangeName(const std::string& newName);
    void IncludeState(TComponentStateFlag f) { FComponentState.Include(f); }
    void ExcludeState(TComponentStateFlag f) { FComponentState.Exclude(f); }

private:
    void ReleaseLinks();
    void Insert(TComponent* c);
    void Remove(TComponent* c);
    void IndexName(TComponent* c);
    void UnindexName(TComponent* c);
    void Adopt(TComponent* component, bool constructing);
    /// Sorts the components inserted while being constructed, but Newest, by their class.
    void SortUnsorted(TComponent* Newest);
    /// Whether an insertion announced to this component has anywhere to go.
    bool PassesInsertionsOn() const;
    /// Joins or leaves the owner's FInsertListeners as PassesInsertionsOn now says.
    void UpdateListening();

    // The owner's Notification broadcast reads each owned component's vtable pointer and
    // FComponents: kept next to each other, they share a cache line.
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::string FName;
    int32_t FTag = 0;
    int32_t FDesignInfo = 0;
    TComponentState FComponentState;
    /// The named components of FComponents by lower-case name, so that finding and
    /// validating a name does not scan the list (a stream may hold very many components).
    /// A multimap only because an overridden ValidateRename may let names repeat.
    std::unordered_multimap<std::string, TComponent*> FNameIndex;
    std::vector<TComponent*> FFreeNotifies;
    /// The components of FComponents an insertion is announced to (PassesInsertionsOn).
    std::vector<TComponent*> FInsertListeners;
    /// Components of FComponents inserted by their constructor: their class is known only
    /// once it has run, so they are sorted at the next insertion announced.
    std::vector<TComponent*> FUnsorted;
    /// Whether this component is in its owner's FInsertListeners.
    bool FListening = false;
};

using TComponentClass = TClass;
