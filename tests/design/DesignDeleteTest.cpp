// Deleting the selected controls: hidden, one change each in selection order, the focus and
// selection moved on, restored by Undo, destroyed with the session's end when not restored.

#include <array>

#include "DesignTesting.h"

namespace {

class DesignDelete : public DesignTest {
protected:
    void CtrlClick(TPoint p) {
        Press(p, Qt::LeftButton, Qt::ControlModifier);
        Release(p, Qt::LeftButton, Qt::ControlModifier);
    }
    TOperateHistory* History() const { return Designer->History(); }
    /// Buttons A, B and C side by side, in this order.
    std::array<TControl*, 3> AddRow() {
        return {Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A"),
                Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B"),
                Add<TTestButton>(Form, Bounds(200, 10, 60, 25), "C")};
    }
    bool AnyVisibleOverlayFocused() const {
        for (int i = 0; i < Designer->OverlayCount(); ++i)
            if (Designer->Overlay(i)->Visible() && Designer->Overlay(i)->Focused()) return true;
        return false;
    }
};

TEST_F(DesignDelete, DeletingTwoOfThreeLeavesTheThirdSelectedAloneAndUndoBringsThemBack) {
    auto [a, b, c] = AddRow();
    Begin();
    Click(At(b, 5, 5));
    CtrlClick(At(a, 5, 5));
    Designer->DeleteSelection();
    Process();
    for (TControl* gone : {a, b}) {
        EXPECT_FALSE(OverlayOf(gone)->Visible()) << gone->Name();
        EXPECT_FALSE(OverlayOf(gone)->Selected()) << gone->Name();
        EXPECT_TRUE(OverlayOf(gone)->Deleted()) << gone->Name();
    }
    EXPECT_TRUE(OverlayOf(c)->Focused());
    EXPECT_TRUE(OverlayOf(c)->Selected());
    EXPECT_EQ(Designer->GetSelectCount(), 1);
    EXPECT_EQ(Designer->Selection()->Count(), 1);
    // One change for the one Delete, the controls in selection order.
    ASSERT_EQ(History()->Count(), 2);
    ASSERT_EQ(History()->Record(0)->Count(), 2);
    EXPECT_EQ(History()->Record(0)->Item(0)->Control, OverlayOf(b));
    EXPECT_EQ(History()->Record(0)->Item(0)->OpType, otDeleted);
    EXPECT_EQ(History()->Record(1)->Item(0)->OpType, otInsert);
    EXPECT_EQ(History()->Record(0)->Item(1)->Control, OverlayOf(a));

    // The third is the one selected control: Ctrl+Right moves it alone.
    const TRect aBounds = OverlayOf(a)->BoundsRect(), bBounds = OverlayOf(b)->BoundsRect();
    Key(Qt::Key_Right, Qt::ControlModifier);
    Process();
    EXPECT_EQ(OverlayOf(c)->Left(), 197);
    EXPECT_EQ(OverlayOf(a)->BoundsRect(), aBounds);
    EXPECT_EQ(OverlayOf(b)->BoundsRect(), bBounds);
    Designer->Undo();
    EXPECT_EQ(OverlayOf(c)->Left(), 196);

    Designer->Undo();
    for (TControl* back : {a, b}) {
        EXPECT_TRUE(OverlayOf(back)->Visible()) << back->Name();
        EXPECT_FALSE(OverlayOf(back)->Deleted()) << back->Name();
        EXPECT_FALSE(OverlayOf(back)->Selected()) << back->Name();
        TDesignControl* o = OverlayOf(back);
        const TRect inner = InnerRect(o->Width(), o->Height());
        EXPECT_EQ(
            WidgetOf(o->Handle())->mask(),
            QRegion(inner.Left, inner.Top, inner.Right - inner.Left, inner.Bottom - inner.Top))
            << back->Name() << " shows no handles";
    }
    Designer->EndDesign();
    EXPECT_EQ(Form->ControlCount(), 3);
    EXPECT_EQ(b->BoundsRect(), Bounds(100, 10, 60, 25));
}

TEST_F(DesignDelete, TheSessionsEndDestroysWhatStayedDeletedAndGivesBackWhatCameBack) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* panel = Add<TTestPanel>(Form, Bounds(10, 60, 200, 100), "Panel1");
    Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "Inner1");
    auto* c = Add<TTestButton>(Form, Bounds(300, 10, 60, 25), "C");
    Begin();
    OverlayOf(a)->SetSelected(true);
    OverlayOf(panel)->SetSelected(true);
    Designer->DeleteSelection();
    OverlayOf(c)->SetSelected(true);
    Designer->DeleteSelection();
    Designer->Undo(); // c comes back
    Designer->EndDesign();
    EXPECT_EQ(Form->FindComponent("A"), nullptr);
    EXPECT_EQ(Form->FindComponent("Panel1"), nullptr);
    EXPECT_EQ(Form->FindComponent("Inner1"), nullptr) << "freed with its container";
    EXPECT_EQ(Form->FindComponent("C"), c);
    EXPECT_EQ(c->Parent(), Form);
    EXPECT_EQ(Form->ControlCount(), 1);
}

TEST_F(DesignDelete, AFirstVisibleOverlayThatHadTheFocusIsSelectedToo) {
    auto [a, b, c] = AddRow();
    Begin();
    Click(At(c, 5, 5));
    ASSERT_TRUE(OverlayOf(c)->Focused());
    // A and B are selected by a band, which leaves the focus where it was.
    OverlayOf(c)->SetSelected(false);
    OverlayOf(a)->SetSelected(true);
    OverlayOf(b)->SetSelected(true);
    Designer->DeleteSelection();
    Process();
    EXPECT_TRUE(OverlayOf(c)->Focused());
    EXPECT_TRUE(OverlayOf(c)->Selected());
    EXPECT_EQ(Designer->GetSelectCount(), 1);
    Designer->EndDesign();
}

TEST_F(DesignDelete, WithNothingSelectedOnlyTheFocusMovesToTheFirstVisible) {
    auto* hidden = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "Hidden");
    hidden->SetVisible(false);
    auto* b = Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B");
    Begin();
    Designer->DeleteSelection();
    Process();
    EXPECT_EQ(History()->Count(), 0);
    EXPECT_TRUE(OverlayOf(b)->Focused()) << "the hidden first overlay is passed over";
    EXPECT_EQ(Designer->GetSelectCount(), 1);

    Designer->DeleteSelection();
    Process();
    EXPECT_FALSE(AnyVisibleOverlayFocused()) << "nothing visible is left to focus";
    EXPECT_EQ(Designer->GetSelectCount(), 0);
    EXPECT_EQ(History()->Count(), 2);
    Designer->EndDesign();
    EXPECT_EQ(Form->FindComponent("B"), nullptr);
    EXPECT_EQ(Form->FindComponent("Hidden"), hidden);
}

TEST_F(DesignDelete, AnUndoneDeletionShowsAControlOnlyIfItWasShown) {
    auto [a, b, c] = AddRow();
    b->SetVisible(false);
    Begin();
    // A hidden control is selected as a pick in the object list selects it.
    OverlayOf(a)->SetSelected(true);
    OverlayOf(b)->SetSelected(true);
    Designer->DeleteSelection(); // one change for each control
    for (int round = 0; round < 2; ++round) {
        Designer->Undo();
        Designer->Undo();
        EXPECT_TRUE(OverlayOf(a)->Visible());
        EXPECT_FALSE(OverlayOf(b)->Visible()) << "it was hidden when it was deleted";
        EXPECT_FALSE(OverlayOf(b)->Deleted());
        Designer->Redo();
        Designer->Redo();
    }
    Designer->Undo();
    Designer->Undo();
    Designer->EndDesign();
    EXPECT_TRUE(a->Visible());
    EXPECT_FALSE(b->Visible());
    EXPECT_TRUE(c->Visible());
}

} // namespace
