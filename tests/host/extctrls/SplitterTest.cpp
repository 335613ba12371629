// The splitter: dragged with the real mouse, it resizes the aligned control beside it, within
// MinSize and the room the rest of the form keeps; feedback on the screen layer while dragging.

#include "WindowTesting.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/graphics/GdiApi.h"

namespace {
class SplitterTest : public WindowTest {
protected:
    /// A panel aligned to `align` with size 100, the splitter beside it, and a client panel.
    void Build(TAlign align) {
        Neighbour = new TTestPanel(Form);
        Neighbour->SetParent(Form);
        Neighbour->SetBounds(0, 0, 100, 100);
        Neighbour->SetAlign(align);
        Splitter = new TSplitter(Form);
        if (align == alTop || align == alBottom) Splitter->SetBounds(0, 0, 100, 3);
        Splitter->SetAlign(align);
        // Further from the edge than the neighbour, so that it is aligned after it.
        if (align == alLeft) Splitter->SetLeft(300);
        if (align == alTop) Splitter->SetTop(200);
        if (align == alRight) Splitter->SetLeft(-10);
        if (align == alBottom) Splitter->SetTop(-10);
        Splitter->SetParent(Form);
        auto* client = new TTestPanel(Form);
        client->SetParent(Form);
        client->SetAlign(alClient);
        Process();
    }
    int Size() const {
        return Neighbour->Align() == alLeft || Neighbour->Align() == alRight ? Neighbour->Width()
                                                                             : Neighbour->Height();
    }
    /// Presses in the middle of the splitter and moves the mouse by (dx, dy); answers where
    /// the mouse ended.
    TPoint DragBy(int dx, int dy, bool release = true) {
        const TPoint from = At(Splitter, Splitter->Width() / 2, Splitter->Height() / 2);
        const TPoint to{from.X + dx, from.Y + dy};
        Press(from);
        Move({from.X + dx / 2, from.Y + dy / 2});
        Move(to);
        if (release) Release(to);
        return to;
    }
    TTestPanel* Neighbour = nullptr;
    TSplitter* Splitter = nullptr;
};

TEST_F(SplitterTest, DraggingResizesTheAlignedNeighbourOnEachSide) {
    struct Case {
        TAlign align;
        int dx, dy;
    };
    // Each drag moves the splitter 30 pixels away from its neighbour.
    const Case cases[] = {{alLeft, 30, 0}, {alRight, -30, 0}, {alTop, 0, 30}, {alBottom, 0, -30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        Build(c.align);
        ASSERT_EQ(Splitter->FindResizeControl(), Neighbour);
        int moved = 0;
        Splitter->OnMoved = [&](TObject*) { ++moved; };
        DragBy(c.dx, c.dy);
        EXPECT_EQ(Size(), 130);
        EXPECT_EQ(moved, 1);
        EXPECT_FALSE(Splitter->Dragging());
        // The splitter follows its neighbour's edge.
        const TRect n = Neighbour->BoundsRect();
        const TRect s = Splitter->BoundsRect();
        if (c.align == alLeft) {
            EXPECT_EQ(s.Left, n.Right);
        }
        if (c.align == alRight) {
            EXPECT_EQ(s.Right, n.Left);
        }
        if (c.align == alTop) {
            EXPECT_EQ(s.Top, n.Bottom);
        }
        if (c.align == alBottom) {
            EXPECT_EQ(s.Bottom, n.Top);
        }
        while (Form->ComponentCount() > 0)
            Form->Components(0)->Free();
    }
}

TEST_F(SplitterTest, NeverBelowMinSizeNorSoFarThatTheClientLosesMinSize) {
    Build(alLeft);
    Splitter->SetMinSize(40);
    DragBy(-90, 0);
    EXPECT_EQ(Neighbour->Width(), 40);
    DragBy(340, 0);
    // The form is 400 wide: the splitter's 3 pixels and 40 for the client part stay.
    EXPECT_EQ(Neighbour->Width(), 400 - 3 - 40);
    EXPECT_EQ(Splitter->Left() + Splitter->Width(), 400 - 40);
}

TEST_F(SplitterTest, PatternFeedbackShowsOnTheScreenWhileDraggingAndNothingIsLeftBehind) {
    Build(alLeft);
    ASSERT_EQ(Splitter->ResizeStyle(), rsPattern);
    ClearScreenLayer();
    const TPoint end = DragBy(20, 0, false);
    EXPECT_EQ(Neighbour->Width(), 100) << "the neighbour changes only on release";
    const TPoint origin = Form->ClientToScreen({Splitter->Left() + 20, Splitter->Top()});
    std::vector<TRect> shown = ScreenFramesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], Bounds(origin.X, origin.Y, 3, Splitter->Height()));
    Release(end);
    EXPECT_TRUE(ScreenFramesShown().empty());
    EXPECT_EQ(Neighbour->Width(), 120);
}

TEST_F(SplitterTest, UpdateStyleResizesWhileTheMouseMoves) {
    Build(alTop);
    Splitter->SetResizeStyle(rsUpdate);
    ClearScreenLayer();
    const TPoint end = DragBy(0, 25, false);
    EXPECT_EQ(Neighbour->Height(), 125);
    EXPECT_TRUE(ScreenFramesShown().empty());
    Release(end);
    EXPECT_EQ(Neighbour->Height(), 125);
}

TEST_F(SplitterTest, CanResizeAdjustsOrRefusesTheNewSize) {
    Build(alLeft);
    Splitter->OnCanResize = [](TObject*, int& size, bool& accept) {
        if (size > 150) accept = false;
        size -= size % 10;
    };
    DragBy(27, 0);
    EXPECT_EQ(Neighbour->Width(), 120);
    DragBy(60, 0);
    EXPECT_EQ(Neighbour->Width(), 150) << "the last size accepted on the way";
}

TEST_F(SplitterTest, NoNeighbourNoDragAndNoMovedEvent) {
    auto* splitter = new TSplitter(Form);
    splitter->SetParent(Form);
    int moved = 0;
    splitter->OnMoved = [&](TObject*) { ++moved; };
    Press(At(splitter, 1, 10));
    EXPECT_FALSE(splitter->Dragging());
    Release(At(splitter, 40, 10));
    EXPECT_EQ(moved, 0);
    EXPECT_EQ(splitter->Cursor(), crHSplit);
    splitter->SetAlign(alTop);
    EXPECT_EQ(splitter->Cursor(), crVSplit) << "the cursor follows the direction of the drag";
}

TEST_F(SplitterTest, NewSizeStaysWithinTheLimits) {
    struct Case {
        int start, delta, expected;
    };
    const Case cases[] = {{100, 20, 120}, {100, -80, 30}, {100, 500, 250}, {30, -5, 30}};
    for (const Case& c : cases)
        EXPECT_EQ(SplitterNewSize(c.start, c.delta, {30, 250}), c.expected)
            << c.start << "+" << c.delta;
}
} // namespace
