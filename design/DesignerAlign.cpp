// Aligning and distributing the selected controls of one designer, as one undoable change.
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
    if (Align > daVAverage) return;

    std::vector<TDesignControl*> selected;
    std::vector<TRect> rects;
    for (int i = 0; i < OverlayCount(); ++i) {
        TDesignControl* overlay = Overlay(i);
        if (!overlay->GetSelected() || overlay->Deleted()) continue;
        selected.push_back(overlay);
        rects.push_back(overlay->BoundsRect());
    }
    if (selected.empty()) return;

    const TAlignGathering g = GatherAlign(rects);
    auto before = std::make_unique<TOperateRec>();
    auto after = std::make_unique<TOperateRec>();
    const bool horizontal = AlignMovesLeft(Align);
    TRect previous;
    for (size_t i = 0; i < selected.size(); ++i) {
        TDesignControl* overlay = selected[i];
        const TRect r = overlay->BoundsRect();
        before->AddHistory(otBounds, overlay->ContentBounds(), overlay);
        const TRect target = AlignedRect(Align, g, r, i == 0 ? nullptr : &previous);
        if (horizontal)
            overlay->SetLeft(target.Left);
        else
            overlay->SetTop(target.Top);
        previous = overlay->BoundsRect();
        after->AddHistory(otBounds, overlay->ContentBounds(), overlay);
    }
    if (history) {
        history->BeginChange(before.release());
        history->EndChange(after.release());
    }
    root->SetIsDirty(true);
}
