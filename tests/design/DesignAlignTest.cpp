// Aligning and distributing designed controls: the overlays move along one axis, their
// controls follow, and each command is one change that one Undo takes back.

#include "DesignTesting.h"

namespace {

class DesignAlign : public DesignTest {
protected:
    /// A control whose overlay will have the bounds r.
    TControl* AddAt(TRect r, const char* name, TWinControl* parent = nullptr) {
        return Add<TTestButton>(
            parent ? parent : Form,
            {r.Left + HandleSize, r.Top + HandleSize, r.Right - HandleSize, r.Bottom - HandleSize},
            name);
    }
    /// The worked example: three controls, all selected, in this list order.
    void BeginWithExample() {
        const TRect rects[] = {{10, 10, 50, 30}, {100, 40, 130, 70}, {200, 5, 260, 25}};
        const char* names[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i)
            Controls.push_back(AddAt(rects[i], names[i]));
        Begin();
        for (TControl* c : Controls)
            OverlayOf(c)->SetSelected(true);
    }
    std::vector<TRect> OverlayBounds() const {
        std::vector<TRect> v;
        for (TControl* c : Controls)
            v.push_back(OverlayOf(c)->BoundsRect());
        return v;
    }
    std::vector<int> Lefts() const {
        std::vector<int> v;
        for (const TRect& r : OverlayBounds())
            v.push_back(r.Left);
        return v;
    }
    std::vector<int> Tops() const {
        std::vector<int> v;
        for (const TRect& r : OverlayBounds())
            v.push_back(r.Top);
        return v;
    }
    TOperateHistory* History() const { return Designer->History(); }

    std::vector<TControl*> Controls;
};

TEST_F(DesignAlign, TheWorkedExampleMovesTheOverlaysAndTheirControlsFollow) {
    BeginWithExample();
    Designer->KMAlignControls(daHAverage);
    EXPECT_EQ(Lefts(), (std::vector<int>{10, 110, 200}));
    EXPECT_EQ(Tops(), (std::vector<int>{10, 40, 5}));
    Designer->KMAlignControls(daUndo);
    Designer->KMAlignControls(daVCenter);
    EXPECT_EQ(Lefts(), (std::vector<int>{115, 120, 105}));
    Designer->KMAlignControls(daUndo);
    Designer->KMAlignControls(daHCenter);
    EXPECT_EQ(Tops(), (std::vector<int>{27, 22, 27}));
    EXPECT_EQ(Lefts(), (std::vector<int>{10, 100, 200}));
    for (TControl* c : Controls) {
        EXPECT_EQ(c->Left(), HandleSize) << "the control stays inside its overlay";
        EXPECT_EQ(c->Top(), HandleSize);
    }
    EXPECT_TRUE(Designer->IsDirty());
    Designer->EndDesign();
    EXPECT_EQ(Controls[1]->BoundsRect(), (TRect{104, 26, 126, 48}));
}

TEST_F(DesignAlign, OneUndoAfterEachCommandRestoresEveryOverlayAndRedoReappliesIt) {
    BeginWithExample();
    const std::vector<TRect> start = OverlayBounds();
    for (TKmAlign align :
         {daLeft, daRight, daHCenter, daHAverage, daTop, daBottom, daVCenter, daVAverage}) {
        Designer->KMAlignControls(align);
        const std::vector<TRect> aligned = OverlayBounds();
        EXPECT_NE(aligned, start) << "command " << int(align);
        // The change undone in the round before is discarded by this one.
        ASSERT_EQ(History()->Count(), 2) << "one change for command " << int(align);
        const TOperateRec* before = History()->Record(0);
        const TOperateRec* after = History()->Record(1);
        ASSERT_EQ(before->Count(), 3);
        ASSERT_EQ(after->Count(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(before->Item(i)->Rect, start[i]);
            EXPECT_EQ(after->Item(i)->Rect, aligned[i]);
            EXPECT_EQ(after->Item(i)->Control, OverlayOf(Controls[i]));
        }
        Designer->KMAlignControls(daUndo);
        EXPECT_EQ(OverlayBounds(), start) << "undo of command " << int(align);
        Designer->KMAlignControls(daRedo);
        EXPECT_EQ(OverlayBounds(), aligned) << "redo of command " << int(align);
        Designer->Undo();
    }
    Designer->EndDesign();
}

TEST_F(DesignAlign, OneSelectedRecordsAnEqualPairAndNoneSelectedRecordsNothing) {
    BeginWithExample();
    Designer->ClearSelection(nullptr);
    Designer->SetIsDirty(false);
    for (TKmAlign align : {daLeft, daHAverage, daVCenter, daBottom}) {
        Designer->KMAlignControls(align);
        Designer->KMAlignControls(daUndo);
        Designer->KMAlignControls(daRedo);
    }
    EXPECT_EQ(History()->Count(), 0);
    EXPECT_FALSE(Designer->IsDirty());
    // A value outside the commands does nothing, even with controls selected.
    OverlayOf(Controls[0])->SetSelected(true);
    for (int value : {10, 200, 255})
        Designer->KMAlignControls(static_cast<TKmAlign>(value));
    EXPECT_EQ(History()->Count(), 0);
    OverlayOf(Controls[0])->SetSelected(false);

    OverlayOf(Controls[1])->SetSelected(true);
    Designer->KMAlignControls(daRight);
    ASSERT_EQ(History()->Count(), 2);
    EXPECT_EQ(History()->Record(0)->Item(0)->Rect, (TRect{100, 40, 130, 70}));
    EXPECT_EQ(History()->Record(1)->Item(0)->Rect, (TRect{100, 40, 130, 70}));
    EXPECT_EQ(OverlayOf(Controls[1])->BoundsRect(), (TRect{100, 40, 130, 70}));
    Designer->EndDesign();
}

TEST_F(DesignAlign, AnOverlayWhoseRightEdgeIsAtZeroWidensTheUnion) {
    Controls.push_back(AddAt({-50, 0, 0, 20}, "A"));
    Controls.push_back(AddAt({10, 30, 40, 50}, "B"));
    Begin();
    for (TControl* c : Controls)
        OverlayOf(c)->SetSelected(true);
    Designer->KMAlignControls(daLeft);
    EXPECT_EQ(Lefts(), (std::vector<int>{-50, -50}));
    Designer->KMAlignControls(daBottom);
    EXPECT_EQ(Tops(), (std::vector<int>{30, 30}));
    Designer->EndDesign();
}

TEST_F(DesignAlign, ADesignerAlignsOnlyItsOwnSelectedControls) {
    auto* panel = Add<TTestPanel>(Form, Bounds(10, 100, 300, 150), "Panel1");
    Controls.push_back(AddAt({10, 10, 50, 30}, "A", panel));
    Controls.push_back(AddAt({100, 40, 130, 70}, "B", panel));
    auto* outside = AddAt({200, 5, 260, 25}, "C");
    Begin();
    TZkFormDesigner* inner = OverlayOf(panel)->InnerDesigner();
    ASSERT_NE(inner, nullptr);
    for (TControl* c : Controls)
        OverlayOf(c)->SetSelected(true);
    Designer->KMAlignControls(daTop);
    EXPECT_EQ(History()->Count(), 0) << "the root has none of its own selected";
    inner->KMAlignControls(daTop);
    EXPECT_EQ(Tops(), (std::vector<int>{10, 10}));
    EXPECT_EQ(OverlayOf(outside)->BoundsRect(), (TRect{200, 5, 260, 25}));
    EXPECT_EQ(History()->Count(), 2) << "recorded in the root's history";
    Designer->Undo();
    EXPECT_EQ(Tops(), (std::vector<int>{10, 40}));
    Designer->EndDesign();
}

} // namespace
