// Aligning and distributing the selected controls of one designer, as one undoable change,
// and the dispatch of every context-menu command.
#include <algorithm>
#include <memory>
#include <vector>

#include "design/AlignGeometry.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"

void TZkFormDesigner::KMAlignControls(TKmAlign Align) {
    TZkFormDesigner* root = GetRoolDesigner();
    TDesignerScope scope(root);
    TOperateHistory* history = root->FHistory;
    if (Align == daUndo || Align == daRedo) {
        if (!history) return;
        if (Align == daUndo)
            history->Previous();
        else
            history->Next();
        return;
    }
    // The tab-order item ends the mode it began; everything else needs the command enabled.
    if (Align == daTabOrder && InTabOrderMode()) {
        EndTabOrderMode();
        return;
    }
    // The alignments run on whatever is selected, as they always have; the commands after
    // them only when they are enabled.
    if (Align > daRedo && (!IsDesigning() || !CommandEnabled(Align))) return;
    switch (Align) {
    case daSameWidth:
    case daSameHeight:
    case daSameSize:
        SizeSelection(Align);
        return;
    case daCenterHorz:
    case daCenterVert:
        CenterSelection(Align);
        return;
    case daBringToFront:
    case daSendToBack:
        StackSelection(Align == daBringToFront);
        return;
    case daSelectAll:
        SelectAll();
        return;
    case daTabOrder:
        BeginTabOrderMode();
        return;
    case daLock:
    case daUnlock:
        LockSelection(Align == daLock);
        return;
    case daCopy:
        CopySelection();
        return;
    case daCut:
        CutSelection();
        return;
    case daPaste:
        PasteFromClipboard();
        return;
    case daDuplicate:
        DuplicateSelection();
        return;
    default:
        break;
    }
    if (Align > daVAverage) return;

    std::vector<TDesignControl*> selected;
    std::vector<TRect> rects;
    for (TDesignControl* overlay : SelectedInList())
        if (!overlay->Deleted()) {
            selected.push_back(overlay);
            rects.push_back(overlay->BoundsRect());
        }
    if (selected.empty()) return;
    const bool byPlace = root->FDistributeByPosition && (Align == daHAverage || Align == daVAverage);
    const std::vector<TRect> placed =
        byPlace ? DistributeByPlace(rects, Align == daHAverage) : std::vector<TRect>{};
    const TAlignGathering g = GatherAlign(rects);
    const bool horizontal = AlignMovesLeft(Align);
    TRect previous;
    const bool recorded = RecordBounds(selected, false, [&](TDesignControl* overlay, size_t i) {
        const TRect target = byPlace ? placed[i]
                                     : AlignedRect(Align, g, overlay->BoundsRect(),
                                                   i == 0 ? nullptr : &previous);
        // A locked control takes its part in the gathering but stays where it is.
        if (overlay->Locked()) {
            previous = overlay->BoundsRect();
            return;
        }
        if (horizontal)
            overlay->SetLeft(target.Left);
        else
            overlay->SetTop(target.Top);
        previous = overlay->BoundsRect();
    });
    if (recorded) root->SetIsDirty(true);
}
