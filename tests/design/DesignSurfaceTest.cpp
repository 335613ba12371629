// The mouse on the design surface: rubber bands on the root and inside containers, the
// drag-move of several selected controls with its outline, and drags that lose the mouse.
#include "DesignTesting.h"

namespace {

class DesignSurface : public DesignRowTest {
protected:
    void MoveWith(TPoint p, Qt::KeyboardModifiers m) {
        QTest::mouseEvent(QTest::MouseMove, Window(), Qt::NoButton, m, QPoint(p.X, p.Y));
    }
    /// A left-button drag from one point to another through a middle point.
    void Band(TPoint from, TPoint to, Qt::KeyboardModifiers m = {}) {
        Press(from, Qt::LeftButton, m);
        MoveWith(Point((from.X + to.X) / 2, (from.Y + to.Y) / 2), m);
        MoveWith(to, m);
        Release(to, Qt::LeftButton, m);
        Process();
    }
    std::string Selected() {
        std::string names;
        for (int i = 0; i < Designer->Selection()->Count(); ++i)
            names += Designer->Selection()->Get(i)->Control()->Name();
        return names;
    }
};

TEST_F(DesignSurface, BandSelectsTheOverlaysItOverlapsInEitherDirection) {
    struct Case {
        TPoint From, To;
        const char* Expected;
    } cases[] = {
        {{60, 70}, {150, 40}, "AB"},  {{150, 70}, {60, 40}, "AB"}, // dragged up and to the left
        {{150, 70}, {216, 40}, "B"}, // touching C's left edge does not overlap it
        {{150, 70}, {217, 40}, "BC"}, {{10, 80}, {300, 60}, ""}, // below every control
    };
    Begin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Expected);
        Band(c.From, c.To);
        EXPECT_EQ(Selected(), c.Expected);
        EXPECT_FALSE(Designer->IsDragging());
        EXPECT_EQ(GetCapture(), nullptr);
        TRect clip;
        GetClipCursor(clip);
        EXPECT_EQ(clip, Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)))
            << "the cursor is free again";
    }
}

TEST_F(DesignSurface, BandFrameFollowsTheCursorAndGoesWithTheRelease) {
    Begin();
    Press({60, 70});
    Move({150, 40});
    Process();
    const TPoint a = Form->ClientToScreen(Point(60, 40)), b = Form->ClientToScreen(Point(150, 70));
    EXPECT_EQ(ScreenFramesShown(), (std::vector<TRect>{Rect(a.X, a.Y, b.X, b.Y)}));
    Release({150, 40});
    EXPECT_TRUE(ScreenFramesShown().empty());
}

TEST_F(DesignSurface, ClickOnEmptyGroundClearsEveryDesignerAndFocusesTheForm) {
    auto* panel = Add(Form, Bounds(20, 100, 200, 120), "P");
    auto* x = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "X");
    Begin();
    Click(At(x, 5, 5));
    Click(At(A, 5, 5));
    Press(At(B, 5, 5), Qt::LeftButton, Qt::ControlModifier);
    Release(At(B, 5, 5), Qt::LeftButton, Qt::ControlModifier);
    OverlayOf(x)->SetSelected(true);
    ASSERT_EQ(Designer->Selection()->Count(), 3);
    Click({300, 250});
    Process();
    EXPECT_EQ(Selected(), "");
    EXPECT_EQ(Designer->History()->Count(), 0);
    EXPECT_TRUE(Form->Focused());
}

TEST_F(DesignSurface, BandOnTheRootSelectsNoControlInsideAContainer) {
    auto* panel = Add(Form, Bounds(20, 100, 200, 120), "P");
    Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "X");
    Begin();
    Band({5, 5}, {390, 290});
    EXPECT_EQ(Selected(), "ABCP");
}

TEST_F(DesignSurface, CtrlBandInsideAContainerSelectsOnlyItsChildrenAfterClearingTheTree) {
    auto* panel = Add(Form, Bounds(20, 100, 300, 120), "P");
    auto* x = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "X");
    auto* y = Add<TTestButton>(panel, Bounds(100, 10, 60, 25), "Y");
    Add<TTestButton>(panel, Bounds(200, 10, 60, 25), "Z");
    Begin();
    Click(At(A, 5, 5));
    // A plain click inside the container selects the container and starts no band.
    Press(At(panel, 5, 80));
    EXPECT_FALSE(OverlayOf(x)->Designer()->IsDragging());
    Release(At(panel, 5, 80));
    EXPECT_EQ(Selected(), "P");
    Band(At(panel, 5, 80), At(panel, 150, 20), Qt::ControlModifier);
    EXPECT_EQ(Selected(), "XY");
    EXPECT_EQ(OverlayOf(x)->Designer()->GetSelectCount(), 2);
    EXPECT_TRUE(OverlayOf(y)->Selected());
    // The keys then move what the band selected.
    Key(Qt::Key_Right);
    Process();
    EXPECT_EQ(OverlayOf(x)->Left(), 7);
    EXPECT_EQ(OverlayOf(y)->Left(), 97);
}

TEST_F(DesignSurface, DraggingOneOfThreeSelectedMovesAllByTheCursorTravelAsOneChange) {
    Begin();
    Band({5, 5}, {390, 60});
    ASSERT_EQ(Selected(), "ABC");
    const TRect a0 = OverlayOf(A)->BoundsRect(), c0 = OverlayOf(C)->BoundsRect();
    const TPoint p = At(B, 10, 10);
    Press(p);
    Move({p.X + 1, p.Y}); // hands the drag to the designer
    Move({p.X + 10, p.Y + 4});
    Move({p.X + 20, p.Y + 8});
    Process();
    EXPECT_TRUE(Designer->IsDragging());
    // The outline is the union of the three overlays, moved by the travel so far.
    TRect outline = Rect(a0.Left, a0.Top, c0.Right, c0.Bottom);
    OffsetRect(outline, 20, 8);
    const TPoint tl = Form->ClientToScreen(Point(outline.Left, outline.Top));
    EXPECT_EQ(ScreenFramesShown(),
              (std::vector<TRect>{Bounds(tl.X, tl.Y, outline.Width(), outline.Height())}));
    EXPECT_EQ(OverlayOf(A)->BoundsRect(), a0) << "the controls move at the release only";
    Release({p.X + 20, p.Y + 8});
    Process();
    EXPECT_TRUE(ScreenFramesShown().empty());
    EXPECT_EQ(GetCapture(), nullptr);
    for (TControl* c : {A, B, C})
        EXPECT_EQ(OverlayOf(c)->Left(), c->Name() == "A" ? 36 : c->Name() == "B" ? 136 : 236);
    EXPECT_EQ(OverlayOf(A)->Top(), 24);
    EXPECT_EQ(Designer->History()->Count(), 2);
    EXPECT_EQ(Designer->History()->Record(0)->Count(), 3);
    EXPECT_TRUE(Designer->IsDirty());
    Designer->Undo();
    EXPECT_EQ(OverlayOf(A)->BoundsRect(), a0);
    EXPECT_EQ(OverlayOf(C)->BoundsRect(), c0);
    EXPECT_EQ(OverlayOf(B)->Left(), 116);
}

TEST_F(DesignSurface, ADragMoveReleasedWhereItBeganRecordsANullChange) {
    Begin();
    Band({5, 5}, {150, 60});
    const TPoint p = At(A, 10, 10);
    Press(p);
    Move({p.X + 3, p.Y});
    Move(p);
    Release(p);
    Process();
    EXPECT_EQ(Designer->History()->Count(), 2);
    const TOperateRec* before = Designer->History()->Record(0);
    const TOperateRec* after = Designer->History()->Record(1);
    ASSERT_EQ(before->Count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(before->Item(i)->Rect, after->Item(i)->Rect);
    EXPECT_TRUE(ScreenFramesShown().empty());
}

TEST_F(DesignSurface, LosingTheMouseMidDragFreesTheCursorAndMovesNothing) {
    auto* other = new TForm(nullptr);
    other->SetBounds(600, 100, 100, 100);
    enum Loss { Taken, Released, Esc, Deactivated };
    for (Loss loss : {Taken, Released, Esc, Deactivated}) {
        SCOPED_TRACE(loss);
        Begin();
        Band({5, 5}, {150, 60});
        const TRect a0 = OverlayOf(A)->BoundsRect();
        const TPoint p = At(A, 10, 10);
        Press(p);
        Move({p.X + 3, p.Y});
        Move({p.X + 30, p.Y + 10});
        Process();
        ASSERT_TRUE(Designer->IsDragging());
        ASSERT_FALSE(ScreenFramesShown().empty());
        switch (loss) {
        case Taken:
            SetCapture(OverlayOf(C)->Handle());
            break;
        case Released:
            ReleaseCapture();
            break;
        case Esc:
            Key(Qt::Key_Escape);
            break;
        case Deactivated:
            other->Show();
            other->SetFocus();
            EXPECT_TRUE(QTest::qWaitForWindowActive(WidgetOf(other->Handle())->windowHandle()));
            break;
        }
        Process();
        EXPECT_FALSE(Designer->IsDragging());
        EXPECT_TRUE(ScreenFramesShown().empty());
        TRect clip;
        GetClipCursor(clip);
        EXPECT_EQ(clip.Left, 0);
        EXPECT_EQ(clip.Right, GetSystemMetrics(SM_CXSCREEN));
        ReleaseCapture();
        if (loss == Deactivated) {
            other->Hide();
            Form->SetFocus();
            EXPECT_TRUE(QTest::qWaitForWindowActive(Window()));
        }
        Release({p.X + 30, p.Y + 10});
        Process();
        EXPECT_EQ(OverlayOf(A)->BoundsRect(), a0);
        EXPECT_EQ(Designer->History()->Count(), 0) << "a cancelled drag records nothing";
        if (loss == Esc) {
            EXPECT_EQ(Designer->GetSelectCount(), 2) << "Esc ends only the drag";
        }
        Designer->EndDesign();
    }
    other->Free();
}

TEST_F(DesignSurface, ABandThatLosesTheMouseLeavesNoFrame) {
    Begin();
    Press({60, 70});
    Move({150, 40});
    Process();
    ASSERT_EQ(ScreenFramesShown().size(), 1u);
    ReleaseCapture();
    EXPECT_FALSE(Designer->IsDragging());
    EXPECT_TRUE(ScreenFramesShown().empty());
    Release({150, 40});
    EXPECT_EQ(Selected(), "");
}

TEST_F(DesignSurface, AMoveStartedDuringABandEndsTheBandAndTheReleaseLeavesNoStaleState) {
    Begin();
    Press({60, 70});
    Move({150, 60});
    OverlayOf(A)->SetSelected(true);
    OverlayOf(B)->SetSelected(true);
    Designer->PerFormMove(); // a move asked for while the band runs
    Move({160, 70});
    Release({160, 70});
    Process();
    EXPECT_FALSE(Designer->IsDragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(ScreenFramesShown().empty());
    EXPECT_EQ(Designer->History()->Count(), 2) << "the move finished as one change";
}

TEST_F(DesignSurface, DoubleClickOnEmptyGroundStartsNothing) {
    Begin();
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, QPoint(300, 250));
    Process();
    EXPECT_FALSE(Designer->IsDragging());
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
