// Selection: clicks on designed controls, the selection list's events, the overlay's region.
#include "DesignTesting.h"

namespace {

class DesignSelection : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Designer->OnSelectionChange = [this](TDesignControl* o, TChangeType t) {
            Events.push_back((t == ctSelected ? "+" : "-") + o->Control()->Name());
        };
        Designer->OnObjectClicked = [this](TDesignControl* o) { Clicked.push_back(o->Control()->Name()); };
    }
    /// A click on a control's own area, with or without Ctrl.
    void ClickOn(TControl* c, bool ctrl = false) {
        const TPoint p = At(c, 5, 5);
        Press(p, Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        Release(p, Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier);
    }
    std::vector<std::string> Events;
    std::vector<std::string> Clicked;
};

TEST_F(DesignSelection, ClickSelectsAloneAndCtrlClickAddsAndRemovesWithinOneDesigner) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B");
    auto* panel = Add(Form, Bounds(10, 60, 200, 100), "P");
    auto* inner = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "I");
    Begin();

    ClickOn(a);
    EXPECT_EQ(Events, (std::vector<std::string>{"+A"}));
    EXPECT_EQ(Clicked, (std::vector<std::string>{"A"}));
    EXPECT_TRUE(OverlayOf(a)->Focused());
    ClickOn(a); // already selected: nothing changes
    ClickOn(b, true);
    EXPECT_EQ(Events, (std::vector<std::string>{"+A", "+B"}));
    EXPECT_EQ(Designer->GetSelectCount(), 2);
    ClickOn(a, true); // Ctrl on a selected control removes it, no click event
    EXPECT_EQ(Events, (std::vector<std::string>{"+A", "+B", "-A"}));
    EXPECT_EQ(Clicked, (std::vector<std::string>{"A", "B"}));

    // Ctrl+click inside another designer clears every other designer's selection.
    Events.clear();
    ClickOn(inner, true);
    EXPECT_EQ(Events, (std::vector<std::string>{"-B", "+I"}));
    TZkFormDesigner* innerDesigner = OverlayOf(panel)->InnerDesigner();
    EXPECT_EQ(innerDesigner->GetSelectCount(), 1);
    EXPECT_EQ(Designer->GetSelectCount(), 0);
    EXPECT_EQ(Designer->Selection()->Count(), 1);

    // A plain click elsewhere selects that control alone in the whole tree.
    Events.clear();
    ClickOn(b);
    EXPECT_EQ(Events, (std::vector<std::string>{"-I", "+B"}));
    Designer->EndDesign();
}

TEST_F(DesignSelection, ClearSelectionKeepsTheExceptionWithoutANewEvent) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B");
    Begin();
    OverlayOf(a)->SetSelected(true);
    OverlayOf(b)->SetSelected(true);
    OverlayOf(b)->SetSelected(true);
    Events.clear();
    Designer->ClearSelection(OverlayOf(b));
    EXPECT_EQ(Events, (std::vector<std::string>{"-A"}));
    EXPECT_TRUE(OverlayOf(b)->Selected());
    Designer->EndDesign();
    EXPECT_EQ(Events, (std::vector<std::string>{"-A", "-B"}));
}

TEST_F(DesignSelection, SelectionRectIsTheUnionOfSelectedOverlays) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 50, 60, 25), "B");
    Begin();
    EXPECT_EQ(Designer->GetSelectionRect(), TRect{});
    OverlayOf(a)->SetSelected(true);
    EXPECT_EQ(Designer->GetSelectionRect(), Rect(6, 6, 74, 39));
    OverlayOf(b)->SetSelected(true);
    EXPECT_EQ(Designer->GetSelectionRect(), Rect(6, 6, 164, 79));
    // An overlay whose right edge lies exactly at x = 0 still counts.
    OverlayOf(a)->SetBoundsRect(Rect(-68, 6, 0, 39));
    EXPECT_EQ(Designer->GetSelectionRect(), Rect(-68, 6, 164, 79));
    Designer->EndDesign();
}

TEST_F(DesignSelection, UnselectedOverlayMarginPassesClicksAndSelectedHandlesTakeThem) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "A");
    Begin();
    TDesignControl* overlay = OverlayOf(a);
    {
        // Hooks come off in the reverse order of installation: these before the session's.
        MessageLog formLog(Form);
        MessageLog overlayLog(overlay);
        Click({7, 17}); // the top-left corner of the margin band, outside the region
        EXPECT_EQ(formLog.Count(WM_LBUTTONDOWN), 1);
        EXPECT_EQ(overlayLog.Count(WM_LBUTTONDOWN), 0);
        EXPECT_TRUE(Events.empty());

        overlay->SetSelected(true);
        formLog.Clear();
        Click({7, 17}); // now a handle square
        EXPECT_EQ(formLog.Count(WM_LBUTTONDOWN), 0);
        EXPECT_EQ(overlayLog.Count(WM_LBUTTONDOWN), 1);
        formLog.Clear();
        Click({30, 17}); // margin between handles: still cut out
        EXPECT_EQ(formLog.Count(WM_LBUTTONDOWN), 1);
    }
    Designer->EndDesign();
}

TEST_F(DesignSelection, InnerDesignerCountsOnlyItsOwnChildren) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* panel = Add(Form, Bounds(10, 60, 200, 100), "P");
    auto* i1 = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "I1");
    auto* i2 = Add<TTestButton>(panel, Bounds(100, 10, 60, 25), "I2");
    Begin();
    OverlayOf(a)->SetSelected(true);
    OverlayOf(i1)->SetSelected(true);
    OverlayOf(i2)->SetSelected(true);
    EXPECT_EQ(OverlayOf(panel)->InnerDesigner()->GetSelectCount(), 2);
    EXPECT_EQ(Designer->GetSelectCount(), 1);
    EXPECT_EQ(Designer->Selection()->Count(), 3);
    ClearDesignerSelections(Designer, OverlayOf(panel)->InnerDesigner());
    EXPECT_EQ(Designer->Selection()->Count(), 2);
    ClearDesignerSelections(Designer, nullptr);
    EXPECT_EQ(Designer->Selection()->Count(), 0);
    Designer->EndDesign();
}

TEST_F(DesignSelection, WithoutAHandlerTheListStillChanges) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    Designer->OnSelectionChange = nullptr;
    Begin();
    OverlayOf(a)->SetSelected(true);
    EXPECT_EQ(Designer->Selection()->Count(), 1);
    EXPECT_EQ(Designer->Selection()->Get(0), OverlayOf(a));
    Designer->EndDesign();
    EXPECT_EQ(Designer->Selection()->Count(), 0);
}

} // namespace
