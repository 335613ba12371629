#pragma once
// The operation history: before- and after-snapshots of every change made on the design
// surface, for undo and redo, and the text dump of them.

#include <memory>
#include <string>

#include "design/DesignTypes.h"
#include "host/core/Event.h"
#include "host/core/List.h"
#include "host/core/Stream.h"
#include "host/core/Types.h"
#include "host/core/Variant.h"

class TControl;
class TPersistent;

/// One property's value kept for undo: a plain value, or a copy of the object it holds (a
/// font, a list of lines).
struct TPropertyValue {
    std::string Name;
    Variant Value;
    std::shared_ptr<TPersistent> Object;
    /// The value of Control's property Name now (its alignment is the overlay's); null when
    /// it cannot be kept.
    static std::shared_ptr<const TPropertyValue> Take(TControl* Control, const std::string& Name);
    /// Gives Control's property this value again.
    void Put(TControl* Control) const;
    bool operator==(const TPropertyValue& Other) const;
};

/// One entry of a snapshot: what to do with which overlay when the snapshot is restored.
struct TOperateItem {
    TOpType OpType = otBounds;
    /// The overlay's bounds in its parent's scrolled content (TDesignControl::ContentBounds);
    /// for otZOrder and otTabOrder, Rect.Left is the overlay's rank among its designer's.
    TRect Rect;
    TDesignControl* Control = nullptr;
    /// For otProperty: the property and its value.
    std::shared_ptr<const TPropertyValue> Property;
};

/// One snapshot (a before-record or an after-record) of the overlays a change touched.
class TOperateRec : public TObject {
    ZK_CLASS(TOperateRec, TObject)
    TOperateRec();
    ~TOperateRec() override;

    TOperateItem* AddHistory(TOpType OpType, const TRect& Rect, TDesignControl* Control);
    TOperateItem* AddHistory(TOpType OpType, TDesignControl* Control);
    /// Applies every entry, first to last. Stacking and tab-order entries are kept in rank
    /// order, so that putting each on top (or last) in turn gives the recorded order.
    void Restore();
    /// Appends one line "Name:(l,t,r,b,);" CR LF per entry.
    void SaveToStream(TMemoryStream* Stream) const;
    int Count() const { return FItems->Count(); }
    TOperateItem* Item(int Index) const { return static_cast<TOperateItem*>(FItems->Items(Index)); }

private:
    TList* FItems;
};

/// The history of one design session: pairs of records (before at an even index, after at
/// the next odd one) and the position of the newest change in effect. It owns its records.
class TOperateHistory : public TList {
    ZK_CLASS(TOperateHistory, TList)
    TOperateHistory() = default;
    ~TOperateHistory() override;
    /// Frees the records before the list lets go of them (Free clears a list first).
    void BeforeDestruction() override;

    /// Stores the before-record of a new change, discarding the changes taken back.
    void BeginChange(TOperateRec* Operate);
    /// Stores the after-record of the same change.
    void EndChange(TOperateRec* Operate);
    /// Records a keyboard step (a move or resize by one pixel). A step of the same controls
    /// right after the previous one, with nothing recorded, undone or selected between,
    /// extends that change instead of adding one: the history takes ownership of both records.
    /// Answers the after-record that holds the step.
    TOperateRec* AddKeyStep(TOperateRec* Before, TOperateRec* After);
    /// Whatever happens next is no continuation of the last keyboard step.
    void CloseKeyStep() { FKeyStepOpen = false; }
    /// The state now is the clean one (the design was saved here).
    void MarkClean() {
        FClean = FPosition;
        FKeyStepOpen = false;
    }
    /// No state of this history is clean (the design was changed before it began).
    void ForgetClean() { FClean = NoClean; }
    /// Whether undo and redo have come back to the clean state.
    bool AtClean() const { return FClean != NoClean && FClean == FPosition; }
    /// Undo: restores the before-record of the newest change in effect.
    void Previous();
    /// Redo: restores the after-record of the oldest change taken back.
    void Next();
    bool CanUndo() const { return FPosition >= 0; }
    bool CanRedo() const { return FPosition < Count() - 1; }
    int Position() const { return FPosition; }
    TOperateRec* Record(int Index) const { return static_cast<TOperateRec*>(Items(Index)); }
    void SaveToFile(const std::string& FileName) const;
    /// Makes every entry of Control inert: its overlay is going away.
    void ForgetControl(TDesignControl* Control);

    /// Raised after a change is recorded and after an undo or redo restored a record.
    TNotifyEvent OnChange;

private:
    void DiscardFrom(int Index);
    /// The after-record of the newest change in effect, or -1 when none is.
    int FPosition = -1;
    /// The newest change is a keyboard step that the next one of the same controls extends.
    bool FKeyStepOpen = false;
    static constexpr int NoClean = -1000;
    /// The position that was marked clean, or NoClean; -1 is the start.
    int FClean = -1;
};
