// Snapping what the mouse drags to the grid and to the lines of the other controls, with the
// guides that hold drawn while the drag lasts.
#include <algorithm>

#include "design/DesignControl.h"
#include "design/DesignMarks.h"
#include "design/FormDesigner.h"
#include "design/SnapGeometry.h"
#include "host/containers/ScrollBox.h"

void TZkFormDesigner::SetGridSize(int Value) {
    const int size = std::clamp(Value, 4, 64);
    if (size == FGridSize) return;
    FGridSize = size;
    if (FDesignForm && IsDesigning()) FDesignForm->Invalidate();
}

TPoint TZkFormDesigner::GridOrigin() const {
    auto* scrolling = Cast<TScrollingWinControl>(FDesignForm);
    if (!scrolling) return {0, 0};
    return {-scrolling->HorzScrollBar()->Position(), -scrolling->VertScrollBar()->Position()};
}

void TZkFormDesigner::BeginSnapDrag(const std::vector<TDesignControl*>& Moving) {
    EndSnapDrag();
    FSnapping = true;
    const TZkFormDesigner* root = GetRoolDesigner();
    if (!root->FSnapToGuides || !FDesignForm) return;
    // Gathered once per drag: a step then finds its lines in log time among any number.
    FGuides = new TGuideLines();
    const int w = FDesignForm->ClientWidth(), h = FDesignForm->ClientHeight();
    FGuides->X.Add(0, 0, h);
    FGuides->X.Add(w, 0, h);
    FGuides->Y.Add(0, 0, w);
    FGuides->Y.Add(h, 0, w);
    for (int i = 0; i < OverlayCount(); ++i) {
        TDesignControl* overlay = Overlay(i);
        if (!overlay->Visible() || overlay->Deleted() ||
            std::find(Moving.begin(), Moving.end(), overlay) != Moving.end())
            continue;
        TRect r = overlay->BoundsRect();
        InflateRect(r, -HandleSize, -HandleSize);
        FGuides->AddRect(r);
    }
    FGuides->Finish();
}

TRect TZkFormDesigner::SnapDrag(const TRect& r, const TDraggedEdges& Edges) {
    const TZkFormDesigner* root = GetRoolDesigner();
    // Alt held suspends snapping for as long as it is held.
    const bool suspended = GetKeyState(VK_MENU) < 0;
    const int grid = root->FSnapToGrid ? root->FGridSize : 0;
    if (!FSnapping || suspended || (grid == 0 && !FGuides)) {
        if (FGuideMarks) FGuideMarks->HideFrom(0);
        return r;
    }
    const TSnapped snapped = SnapRect(r, Edges, FGuides, grid, GridOrigin());
    if (FGuides && FDesignForm) {
        if (!FGuideMarks) FGuideMarks = new TDesignMarks();
        FGuideMarks->ShowGuides(FDesignForm, snapped.Marks);
    }
    return snapped.Rect;
}

void TZkFormDesigner::EndSnapDrag() {
    FSnapping = false;
    delete FGuides;
    FGuides = nullptr;
    // The marks go at once, windows and all: nothing of a drag stays on the form.
    if (TDesignMarks* marks = FGuideMarks) {
        FGuideMarks = nullptr;
        marks->Free();
    }
}

// ---- The overlay's side: the window system's move and size loop -----------------------------

void TDesignControl::SnapLoopRect(TMessage& Message) {
    auto* proposed = reinterpret_cast<TRect*>(Message.LParam);
    if (!proposed || !FControl) return;
    TDraggedEdges edges;
    if (Message.Msg == WM_SIZING) {
        const intptr_t code = Message.WParam;
        edges.Whole = false;
        edges.Left = code == WMSZ_LEFT || code == WMSZ_TOPLEFT || code == WMSZ_BOTTOMLEFT;
        edges.Right = code == WMSZ_RIGHT || code == WMSZ_TOPRIGHT || code == WMSZ_BOTTOMRIGHT;
        edges.Top = code == WMSZ_TOP || code == WMSZ_TOPLEFT || code == WMSZ_TOPRIGHT;
        edges.Bottom = code == WMSZ_BOTTOM || code == WMSZ_BOTTOMLEFT || code == WMSZ_BOTTOMRIGHT;
    }
    // The control's edges snap, not the overlay's margin around them.
    TRect inner = *proposed;
    InflateRect(inner, -HandleSize, -HandleSize);
    TRect snapped = FDesigner->SnapDrag(inner, edges);
    InflateRect(snapped, HandleSize, HandleSize);
    *proposed = snapped;
}
