// Arranging through the context menu and the keys: equal sizes, centring, stacking, select
// all, the tab-order mode and distribution by place, each one undo step that the saved form
// keeps.
#include "DesignTesting.h"
#include "PopupMenuTesting.h"
#include "design/DesignMarks.h"
#include "design/OperateHistory.h"
#include "host/containers/PageControl.h"

namespace {

/// The row of A, B and C, a panel P holding X and Y, and a chooser of menu items.
class DesignArrange : public DesignRowTest {
protected:
    void SetUp() override {
        DesignRowTest::SetUp();
        A->SetBounds(20, 20, 60, 25);
        B->SetBounds(120, 30, 90, 40);
        C->SetBounds(240, 50, 40, 20);
        Panel = Add(Form, Bounds(20, 120, 300, 150), "P");
        X = Add<TTestButton>(Panel, Bounds(10, 10, 60, 25), "X");
        Y = Add<TTestButton>(Panel, Bounds(100, 60, 60, 25), "Y");
    }
    /// Right-clicks at p and chooses the item with this caption.
    void Choose(TPoint p, const std::string& caption) {
        RecordingRunner runner;
        runner.Choose = [caption](TPopupMenu* menu) { return menu->Items()->Find(caption); };
        Press(p, Qt::RightButton);
        Release(p, Qt::RightButton);
        Process();
    }
    void CtrlClick(TControl* c) {
        Press(At(c, 5, 5), Qt::LeftButton, Qt::ControlModifier);
        Release(At(c, 5, 5), Qt::LeftButton, Qt::ControlModifier);
    }
    /// The designed controls' bounds in their parents, as the session would give them back.
    std::vector<TRect> Places(std::initializer_list<TControl*> controls) const {
        std::vector<TRect> out;
        for (TControl* c : controls) {
            TRect r = OverlayOf(c)->BoundsRect();
            InflateRect(r, -HandleSize, -HandleSize);
            out.push_back(r);
        }
        return out;
    }
    TTestPanel* Panel = nullptr;
    TTestButton *X = nullptr, *Y = nullptr;
};

TEST_F(DesignArrange, SizesAndCentringFromTheMenuAreOneUndoStepEach) {
    Begin();
    const struct {
        const char* Caption;
        std::vector<TRect> Expected; // A, B, C after the command
    } cases[] = {
        {"相同宽度", {Bounds(20, 20, 90, 25), Bounds(120, 30, 90, 40), Bounds(240, 50, 90, 20)}},
        {"相同高度", {Bounds(20, 20, 60, 40), Bounds(120, 30, 90, 40), Bounds(240, 50, 40, 40)}},
        {"相同大小", {Bounds(20, 20, 90, 40), Bounds(120, 30, 90, 40), Bounds(240, 50, 90, 40)}},
        // The block (20..280 across, 20..70 down) centred in the 400 x 300 form's client.
        {"水平居中", {Bounds(70, 20, 60, 25), Bounds(170, 30, 90, 40), Bounds(290, 50, 40, 20)}},
        {"垂直居中", {Bounds(20, 125, 60, 25), Bounds(120, 135, 90, 40), Bounds(240, 155, 40, 20)}},
    };
    const std::vector<TRect> start = Places({A, B, C});
    ASSERT_EQ(Form->ClientWidth(), 400) << "the expected centring assumes this client";
    ASSERT_EQ(Form->ClientHeight(), 300);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Caption);
        // B first: the first control selected gives the size.
        Designer->ClearSelection(nullptr);
        Click(At(B, 5, 5));
        CtrlClick(A);
        CtrlClick(C);
        Designer->SetIsDirty(false);
        Choose(At(C, 3, 3), c.Caption);
        EXPECT_EQ(Places({A, B, C}), c.Expected);
        EXPECT_TRUE(Designer->IsDirty());
        // One change, which takes the place of the one undone before.
        EXPECT_EQ(Designer->History()->Count(), 2);
        Designer->Undo();
        EXPECT_EQ(Places({A, B, C}), start);
    }
    // Inside the panel, through the panel's own designer: X centred in P's client.
    Click(At(X, 5, 5));
    Choose(At(X, 3, 3), "水平居中");
    EXPECT_EQ(Places({X})[0].Left, (Panel->ClientWidth() - 60) / 2);
}

TEST_F(DesignArrange, StackingChangesTheOrderThatUndoRestoresAndTheFormKeeps) {
    Begin();
    // The names of the form's designed controls (or of their overlays) from the bottom.
    auto order = [this] {
        std::string names;
        for (int i = 0; i < Form->ControlCount(); ++i) {
            TControl* c = Form->Controls(i);
            if (auto* o = Cast<TDesignControl>(c)) c = o->Control();
            if (c->Name().size() == 1) names += c->Name();
        }
        return names;
    };
    ASSERT_EQ(order(), "ABCP");
    Click(At(A, 5, 5));
    CtrlClick(B);
    Choose(At(A, 3, 3), "置于顶层");
    EXPECT_EQ(order(), "CPAB") << "the two on top, in their own order";
    Designer->Undo();
    EXPECT_EQ(order(), "ABCP");
    Designer->Redo();
    Click(At(Panel, 200, 100));
    Choose(At(Panel, 200, 100), "置于底层");
    EXPECT_EQ(order(), "PCAB");
    EXPECT_EQ(Designer->History()->Count(), 4);
    Designer->EndDesign();
    EXPECT_EQ(order(), "PCAB") << "the controls come back in the new order, which is saved";
}

TEST_F(DesignArrange, SelectAllTakesTheContainerOfTheFocus) {
    Begin();
    Click(At(X, 5, 5));
    Key(Qt::Key_A, Qt::ControlModifier);
    Process();
    EXPECT_TRUE(OverlayOf(X)->Selected());
    EXPECT_TRUE(OverlayOf(Y)->Selected());
    EXPECT_FALSE(OverlayOf(A)->Selected()) << "only the panel's children";
    Click({390, 290}); // the form's own ground has the focus
    Key(Qt::Key_A, Qt::ControlModifier);
    Process();
    for (TControl* c : std::vector<TControl*>{A, B, C, Panel})
        EXPECT_TRUE(OverlayOf(c)->Selected()) << c->Name();
    EXPECT_FALSE(OverlayOf(X)->Selected());
    Designer->ClearSelection(nullptr);
    Choose({390, 290}, "全选");
    EXPECT_EQ(Designer->GetSelectCount(), 4);
    EXPECT_EQ(Designer->History()->Count(), 0) << "selecting changes nothing";
}

TEST_F(DesignArrange, TheTabOrderModeNumbersInClickOrderAsOneUndoStep) {
    // A page control takes the focus when its tab is clicked: in the mode that selects nothing.
    auto* pages = new TPageControl(Form);
    pages->SetName("Pages");
    pages->SetParent(Form);
    pages->SetBounds(330, 120, 64, 60);
    auto* sheet = new TTabSheet(Form);
    sheet->SetCaption("页");
    sheet->SetPageControl(pages);
    Begin();
    auto tabOrders = [this, pages] {
        return std::vector<int>{OverlayOf(A)->TabOrder(), OverlayOf(B)->TabOrder(),
                                OverlayOf(C)->TabOrder(), OverlayOf(Panel)->TabOrder(),
                                OverlayOf(pages)->TabOrder()};
    };
    const std::vector<int> start = tabOrders();
    Choose({390, 290}, "Tab 顺序");
    ASSERT_TRUE(Designer->InTabOrderMode());
    // A badge per control, numbered as the tab order stands.
    auto badges = [this] {
        std::vector<std::string> texts;
        for (int i = 0; i < Form->ControlCount(); ++i)
            if (auto* mark = Cast<TDesignMark>(Form->Controls(i)); mark && mark->Visible())
                texts.push_back(mark->Text);
        return texts;
    };
    EXPECT_EQ(badges(), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
    // Clear of the badges, which take clicks as well; the page control on its tab.
    for (TControl* c : std::vector<TControl*>{C, Panel, A})
        Click(At(c, c->Width() / 2, c->Height() - 3));
    Click(At(pages, 40, 8));
    EXPECT_EQ(Designer->GetSelectCount(), 0) << "a click in the mode selects nothing";
    Key(Qt::Key_Escape);
    Process();
    EXPECT_FALSE(Designer->InTabOrderMode());
    EXPECT_TRUE(badges().empty()) << "the badges go with the mode";
    EXPECT_EQ(tabOrders(), (std::vector<int>{2, 4, 0, 1, 3}));
    EXPECT_EQ(Designer->History()->Count(), 2) << "the whole mode is one change";
    EXPECT_EQ(Designer->GetSelectCount(), 0) << "a click in the mode selects nothing";
    Designer->Undo();
    EXPECT_EQ(tabOrders(), start);
    Designer->Redo();
    Designer->EndDesign();
    EXPECT_EQ(C->TabOrder(), 0);
    EXPECT_EQ(Panel->TabOrder(), 1);
    EXPECT_EQ(A->TabOrder(), 2);
    EXPECT_EQ(pages->TabOrder(), 3);
    EXPECT_EQ(B->TabOrder(), 4);
}

TEST_F(DesignArrange, DistributionByPlaceKeepsTheEndsAndSpacesTheRest) {
    A->SetBounds(20, 20, 60, 25);
    B->SetBounds(300, 20, 40, 25);
    C->SetBounds(100, 20, 20, 25);
    Begin();
    for (bool byPlace : {false, true}) {
        SCOPED_TRACE(byPlace ? "by place" : "in selection order");
        Designer->SetDistributeByPosition(byPlace);
        Designer->ClearSelection(nullptr);
        Click(At(A, 5, 5));
        CtrlClick(B);
        CtrlClick(C);
        Choose(At(A, 3, 3), "水平等距对齐");
        const std::vector<TRect> r = Places({A, B, C});
        if (byPlace) {
            // A (20..80) and B (300..340) stay; C goes halfway: gaps of 100 either side.
            EXPECT_EQ(r[0].Left, 20);
            EXPECT_EQ(r[1].Left, 300);
            EXPECT_EQ(r[2].Left, 180);
        } else {
            EXPECT_LT(r[2].Left, r[1].Left + 1000) << "the list order puts C after B";
            EXPECT_GT(r[2].Left, r[1].Left);
        }
        Designer->Undo();
    }
}

} // namespace

namespace {

TEST_F(DesignArrange, ALockedControlStaysPutUnderTheMouseTheKeysAndTheAlignments) {
    Begin();
    Click(At(A, 5, 5));
    Choose(At(A, 3, 3), "锁定");
    ASSERT_TRUE(OverlayOf(A)->Locked());
    EXPECT_EQ(Designer->LockedControls()->Text(), "A\n");
    TDesignControl* overlay = OverlayOf(A);
    const TRect start = overlay->BoundsRect();
    const TRect handle = overlay->GetHitTestRect(hcBottomRight, false);
    const TPoint grip = At(overlay, (handle.Left + handle.Right) / 2, (handle.Top + handle.Bottom) / 2);
    // Its handles are hollow: white inside a black frame.
    Process();
    const QImage shown = WidgetOf(overlay->Handle())->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel((handle.Left + handle.Right) / 2, (handle.Top + handle.Bottom) / 2)),
              QColor(Qt::white));
    const struct {
        const char* What;
        std::function<void()> Try;
    } attempts[] = {
        {"a drag", [&] {
             Press(At(A, 10, 10));
             Move(At(A, 20, 15));
             Move(At(A, 40, 30));
             Release(At(A, 40, 30));
         }},
        {"a handle", [&] {
             Press(grip);
             Move({grip.X + 10, grip.Y + 10});
             Release({grip.X + 10, grip.Y + 10});
         }},
        {"Ctrl+Right", [&] { Key(Qt::Key_Right, Qt::ControlModifier); }},
        {"Shift+Down", [&] { Key(Qt::Key_Down, Qt::ShiftModifier); }},
        {"an alignment with B", [&] {
             CtrlClick(B);
             Choose(At(B, 3, 3), "顶对齐");
         }},
    };
    for (const auto& a : attempts) {
        SCOPED_TRACE(a.What);
        a.Try();
        Process();
        EXPECT_EQ(overlay->BoundsRect(), start);
    }
    EXPECT_EQ(Places({B})[0].Top, Places({A})[0].Top) << "B aligns to the locked A";
    // Undo takes back the alignment, then the lock.
    Designer->Undo();
    Designer->Undo();
    EXPECT_FALSE(overlay->Locked());
    Designer->Redo();
    EXPECT_TRUE(overlay->Locked());
    Designer->ClearSelection(nullptr);
    Click(At(A, 5, 5));
    Choose(At(A, 3, 3), "解锁");
    EXPECT_FALSE(overlay->Locked());
    Key(Qt::Key_Right, Qt::ControlModifier);
    Process();
    EXPECT_EQ(overlay->Left(), start.Left + 1) << "unlocked, it moves again";
}

} // namespace
