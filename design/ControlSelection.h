#pragma once
// The root designer's list of selected overlays of the whole designer tree.

#include "design/DesignTypes.h"
#include "host/core/List.h"

/// Selected overlays in the order they were selected; reports every addition and removal
/// through the root designer's OnSelectionChange. It does not own its entries.
class TZkControlSelection : public TList {
    ZK_CLASS(TZkControlSelection, TList)
    explicit TZkControlSelection(TZkFormDesigner* designer = nullptr) : FDesigner(designer) {}
    ~TZkControlSelection() override { Clear(); }

    TDesignControl* Get(int Index) const { return static_cast<TDesignControl*>(Items(Index)); }
    void Put(int Index, TDesignControl* Item) { SetItem(Index, Item); }
    TZkFormDesigner* Designer() const { return FDesigner; }
    void SetDesigner(TZkFormDesigner* designer) { FDesigner = designer; }

protected:
    void Notify(void* Ptr, TListNotification Action) override;

private:
    TZkFormDesigner* FDesigner;
};
