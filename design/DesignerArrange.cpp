// Arranging a designer's controls beyond alignment: equal sizes, centring in the container,
// stacking, selecting all, and the tab-order mode with its numbered badges.
#include <algorithm>
#include <memory>
#include <vector>

#include "design/ControlKinds.h"
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignMarks.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

namespace {
/// An overlay that a user can select and arrange: shown, not deleted, not a page.
bool Arrangeable(const TDesignControl* overlay) {
    return overlay->Visible() && !overlay->Deleted() &&
           !ControlKinds::IsTabSheet(overlay->Control());
}

/// The size of a badge of the tab-order mode.
constexpr int BadgeWidth = 22;
constexpr int BadgeHeight = 16;
} // namespace

std::vector<TDesignControl*> TZkFormDesigner::SelectedOverlays() const {
    std::vector<TDesignControl*> out;
    const TZkControlSelection* selection = GetRoolDesigner()->FSelection;
    for (int i = 0; selection && i < selection->Count(); ++i) {
        TDesignControl* overlay = selection->Get(i);
        if (overlay->Designer() == this && !overlay->Deleted()) out.push_back(overlay);
    }
    return out;
}

bool TZkFormDesigner::CommandEnabled(TKmAlign Command) const {
    const TOperateHistory* history = GetRoolDesigner()->FHistory;
    const int selected = static_cast<int>(SelectedOverlays().size());
    auto any = [this](bool windowed) {
        for (int i = 0; i < OverlayCount(); ++i)
            if (Arrangeable(Overlay(i)) && (!windowed || Cast<TWinControl>(Overlay(i)->Control())))
                return true;
        return false;
    };
    switch (Command) {
    case daUndo:
        return history && history->CanUndo();
    case daRedo:
        return history && history->CanRedo();
    case daCenterHorz:
    case daCenterVert:
    case daBringToFront:
    case daSendToBack:
    case daCopy:
    case daCut:
    case daDuplicate:
        return IsDesigning() && selected >= 1;
    case daSelectAll:
        return IsDesigning() && any(false);
    case daTabOrder:
        return IsDesigning() && (InTabOrderMode() || any(true));
    case daPaste:
        return IsDesigning() && ClipboardHoldsForm();
    case daLock:
    case daUnlock: {
        for (TDesignControl* overlay : SelectedOverlays())
            if (overlay->Locked() == (Command == daUnlock)) return IsDesigning();
        return false;
    }
    default:
        // The alignments, distributions and equal sizes.
        return IsDesigning() && Command <= daSameSize && selected >= 2;
    }
}

void TZkFormDesigner::SizeSelection(TKmAlign Command) {
    const std::vector<TDesignControl*> selected = SelectedOverlays();
    if (selected.size() < 2) return;
    // The first control selected gives the size; the overlays differ from their controls by
    // the same margin, so their sizes are compared as they stand.
    const int width = selected.front()->Width(), height = selected.front()->Height();
    const bool wide = Command != daSameHeight, high = Command != daSameWidth;
    const bool recorded = RecordBounds(selected, false, [&](TDesignControl* overlay, size_t) {
        if (overlay->Locked()) return;
        // A combo box keeps the height of its edit line.
        const bool keepsHeight = ControlKinds::IsCustomCombo(overlay->Control());
        overlay->SetBounds(overlay->Left(), overlay->Top(), wide ? width : overlay->Width(),
                           high && !keepsHeight ? height : overlay->Height());
    });
    if (recorded) GetRoolDesigner()->SetIsDirty(true);
}

void TZkFormDesigner::CenterSelection(TKmAlign Command) {
    const std::vector<TDesignControl*> selected = SelectedOverlays();
    if (selected.empty() || !FDesignForm) return;
    TRect block = selected.front()->BoundsRect();
    for (TDesignControl* overlay : selected)
        UnionRect(block, block, overlay->BoundsRect());
    // The margins are the same on every side, so the block of overlays centres as the block
    // of controls does.
    const int dx = Command == daCenterHorz
                       ? (FDesignForm->ClientWidth() - block.Width()) / 2 - block.Left
                       : 0;
    const int dy = Command == daCenterVert
                       ? (FDesignForm->ClientHeight() - block.Height()) / 2 - block.Top
                       : 0;
    if (dx == 0 && dy == 0) return;
    if (RecordBounds(selected, false, [&](TDesignControl* overlay, size_t) {
            if (!overlay->Locked()) overlay->Move(dx, dy);
        }))
        GetRoolDesigner()->SetIsDirty(true);
}

// ---- Stacking -------------------------------------------------------------------------------

std::vector<TDesignControl*> TZkFormDesigner::Stacked() const {
    std::vector<TDesignControl*> out;
    if (!FDesignForm) return out;
    for (int i = 0; i < FDesignForm->ControlCount(); ++i)
        if (auto* overlay = Cast<TDesignControl>(FDesignForm->Controls(i));
            overlay && overlay->Designer() == this && overlay->Wrapping())
            out.push_back(overlay);
    return out;
}

namespace {
/// A record that gives back the given order: each overlay put on top (or numbered) in turn.
TOperateRec* OrderRecord(TOpType Op, const std::vector<TDesignControl*>& ordered) {
    auto* rec = new TOperateRec();
    for (size_t i = 0; i < ordered.size(); ++i)
        rec->AddHistory(Op, Rect(static_cast<int>(i), 0, 0, 0), ordered[i]);
    return rec;
}

/// Records the change of order from before to after as one change, unless nothing moved.
bool RecordOrder(TZkFormDesigner* root, TOpType Op, const std::vector<TDesignControl*>& before,
                 const std::vector<TDesignControl*>& after) {
    TOperateHistory* history = root->History();
    if (before == after || !history) return false;
    history->BeginChange(OrderRecord(Op, before));
    history->EndChange(OrderRecord(Op, after));
    return true;
}
} // namespace

void TZkFormDesigner::StackSelection(bool ToFront) {
    const std::vector<TDesignControl*> before = Stacked();
    std::vector<TDesignControl*> moving;
    for (TDesignControl* overlay : before)
        if (overlay->GetSelected() && !overlay->Deleted()) moving.push_back(overlay);
    if (moving.empty()) return;
    // In their present order, so that the moved controls keep it among themselves.
    if (ToFront) {
        for (TDesignControl* overlay : moving)
            overlay->BringToFront();
    } else {
        for (auto it = moving.rbegin(); it != moving.rend(); ++it)
            (*it)->SendToBack();
    }
    RaiseLiveControls();
    FRestacked = true;
    if (RecordOrder(GetRoolDesigner(), otZOrder, before, Stacked()))
        GetRoolDesigner()->SetIsDirty(true);
}

// ---- Select all -----------------------------------------------------------------------------

void TZkFormDesigner::SelectAll() {
    TZkFormDesigner* root = GetRoolDesigner();
    TDesignerScope scope(root);
    ClearDesignerSelections(root, this);
    for (int i = 0; i < OverlayCount() && IsDesigning(); ++i)
        if (Arrangeable(Overlay(i))) Overlay(i)->SetSelected(true);
}

// ---- The tab-order mode ---------------------------------------------------------------------

std::vector<TDesignControl*> TZkFormDesigner::TabOrdered() const {
    std::vector<TDesignControl*> out;
    for (int i = 0; i < OverlayCount(); ++i)
        if (Arrangeable(Overlay(i)) && Cast<TWinControl>(Overlay(i)->Control()))
            out.push_back(Overlay(i));
    std::stable_sort(out.begin(), out.end(), [](TDesignControl* a, TDesignControl* b) {
        return a->TabOrder() < b->TabOrder();
    });
    return out;
}

void TZkFormDesigner::BeginTabOrderMode() {
    if (InTabOrderMode() || !FDesignForm) return;
    TZkFormDesigner* root = GetRoolDesigner();
    TDesignerScope scope(root);
    CancelDesignerDrags(root);
    // A click numbers a control in this mode; nothing stays selected to be moved by a key.
    ClearDesignerSelections(root, nullptr);
    if (!IsDesigning()) return;
    FTabOrderBefore = OrderRecord(otTabOrder, TabOrdered());
    FTabOrderNext = 0;
    FTabOrderMarks = new TDesignMarks();
    ShowTabOrderMarks();
    if (FDesignForm->CanFocus()) FDesignForm->SetFocus();
}

void TZkFormDesigner::ShowTabOrderMarks() {
    if (!FTabOrderMarks) return;
    const std::vector<TDesignControl*> ordered = TabOrdered();
    for (size_t i = 0; i < ordered.size(); ++i) {
        TDesignControl* overlay = ordered[i];
        const TRect r = Bounds(overlay->Left() + HandleSize, overlay->Top() + HandleSize,
                               BadgeWidth, BadgeHeight);
        TDesignMark* badge = FTabOrderMarks->ShowAt(FDesignForm, static_cast<int>(i), r,
                                                    IntToStr(static_cast<int>(i)));
        // Numbered controls go blue, the rest stay in the guides' colour.
        badge->MarkColor = static_cast<int>(i) < FTabOrderNext ? clBlue : clFuchsia;
        badge->OnPress = [this, overlay] { TabOrderClick(overlay); };
        badge->Invalidate();
    }
    FTabOrderMarks->HideFrom(static_cast<int>(ordered.size()));
}

void TZkFormDesigner::TabOrderClick(TDesignControl* Overlay) {
    if (!InTabOrderMode() || !Overlay->Wrapping() || !Cast<TWinControl>(Overlay->Control()))
        return;
    TDesignerScope scope(GetRoolDesigner());
    std::vector<TDesignControl*> ordered = TabOrdered();
    auto it = std::find(ordered.begin(), ordered.end(), Overlay);
    if (it == ordered.end()) return;
    // A control numbered already in this mode takes the last number given.
    const bool again = it - ordered.begin() < FTabOrderNext;
    ordered.erase(it);
    const int at = std::min(again ? FTabOrderNext - 1 : FTabOrderNext,
                            static_cast<int>(ordered.size()));
    ordered.insert(ordered.begin() + at, Overlay);
    if (!again) ++FTabOrderNext;
    // Numbered from the front in turn, which leaves exactly this order.
    for (size_t i = 0; i < ordered.size(); ++i)
        ordered[i]->SetTabOrder(static_cast<int>(i));
    ShowTabOrderMarks();
}

bool TZkFormDesigner::EndTabOrderMode() {
    if (!InTabOrderMode()) return false;
    std::unique_ptr<TOperateRec> before(FTabOrderBefore);
    FTabOrderBefore = nullptr;
    std::vector<TDesignControl*> was;
    for (int i = 0; i < before->Count(); ++i)
        was.push_back(before->Item(i)->Control);
    FTabOrderMarks->Free();
    FTabOrderMarks = nullptr;
    TZkFormDesigner* root = GetRoolDesigner();
    if (RecordOrder(root, otTabOrder, was, TabOrdered())) root->SetIsDirty(true);
    return true;
}

void TZkFormDesigner::DropTabOrderMode() {
    delete FTabOrderBefore;
    FTabOrderBefore = nullptr;
    if (FTabOrderMarks) FTabOrderMarks->Free();
    FTabOrderMarks = nullptr;
}

bool EndTabOrderModes(TZkFormDesigner* Root) {
    bool ended = Root->EndTabOrderMode();
    for (int i = 0; i < Root->GetDesignerCount(); ++i)
        ended = Root->GetChildDesigner(i)->EndTabOrderMode() || ended;
    return ended;
}
