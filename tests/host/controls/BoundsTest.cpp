// Bounds, alignment and visibility: the messages SetBounds delivers and the layout of aligned
// children.

#include "WindowTesting.h"
#include "host/containers/Panels.h"

namespace {
class BoundsTest : public WindowTest {};

TEST_F(BoundsTest, SetBoundsDeliversPositionThenSizeWithOldValuesBeforeTheInheritedHandling) {
    for (bool visible : {true, false}) {
        auto* panel = new TTestPanel(Form);
        panel->SetVisible(visible);
        panel->SetParent(Form);
        panel->SetBounds(10, 10, 50, 50);
        {
            MessageLog log(panel);
            panel->SetBounds(20, 30, 80, 90);
            EXPECT_EQ(log.Messages({WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
                      (std::vector<uint32_t>{WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}))
                << "visible " << visible;
            for (const auto& e : log.Entries()) {
                if (e.Msg == WM_WINDOWPOSCHANGED) {
                    EXPECT_EQ(e.Before, Bounds(10, 10, 50, 50));
                    EXPECT_EQ(e.After, Bounds(20, 30, 80, 90));
                }
                if (e.Msg == WM_SIZE) {
                    EXPECT_EQ(e.Before.Width(), 50);
                    EXPECT_EQ(e.After.Width(), 80);
                    EXPECT_EQ(LoWord(e.LParam), 80);
                    EXPECT_EQ(HiWord(e.LParam), 90);
                }
            }
            EXPECT_EQ(WidgetOf(panel->Handle())->geometry(), QRect(20, 30, 80, 90));
            log.Clear();
            panel->SetBounds(25, 30, 80, 90);
            EXPECT_EQ(log.Count(WM_WINDOWPOSCHANGED), 1);
            EXPECT_EQ(log.Count(WM_SIZE), 0) << "a move alone sends no WM_SIZE";
        }
        panel->Free();
    }
}

class StubbornPanel : public TTestPanel {
public:
    using TTestPanel::TTestPanel;
    int MaxWidth = 100;
    bool CanResize(int& w, int&) override {
        if (w > MaxWidth * 2) return false;
        w = std::min(w, MaxWidth);
        return true;
    }
};

TEST_F(BoundsTest, CanResizeMayAdjustOrRefuseTheNewSize) {
    auto* panel = new StubbornPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 50, 50);
    panel->SetWidth(150);
    EXPECT_EQ(panel->Width(), 100);
    MessageLog log(panel);
    panel->SetWidth(500);
    EXPECT_EQ(panel->Width(), 100);
    EXPECT_EQ(log.Count(WM_WINDOWPOSCHANGED), 0);
}

TEST_F(BoundsTest, AbsurdBoundsAreKeptWhereTheMessagesCanCarryThem) {
    // WM_SIZE carries 16-bit sizes: a width of a billion once reached the size handlers cut
    // to its low 16 bits, and a control inside a design overlay took that cut size.
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    struct Size {
        int width, height;
    };
    std::vector<Size> seen;
    panel->OnResize = [&](TObject*) { seen.push_back({panel->Width(), panel->Height()}); };
    panel->SetBounds(INT32_MAX, INT32_MIN, 1000000000, 70000);
    EXPECT_EQ(panel->BoundsRect(),
              Bounds(MaxControlPosition, -MaxControlPosition, MaxControlExtent, MaxControlExtent));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].width, MaxControlExtent);
    EXPECT_EQ(seen[0].height, MaxControlExtent);
    panel->SetBounds(0, 0, -5, 20);
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 0, 20));
}

TEST_F(BoundsTest, APlacementMadeWhileTheMoveIsHandledIsTheOneThatStays) {
    // An aligned control dragged away is put back by its parent while its position message
    // is handled; the drag's own placement, finishing after, once wrote its bounds over that.
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(2, 2, 100, 80);
    const TRect home = Bounds(2, 2, 100, 90);
    std::vector<int> heights;
    TWndMethod saved = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        saved(m);
        if (m.Msg == WM_SIZE) heights.push_back(HiWord(m.LParam));
        if (m.Msg == WM_WINDOWPOSCHANGED && panel->BoundsRect() != home)
            panel->SetBoundsRect(home);
    };
    panel->SetBounds(-5, 4, 100, 80);
    panel->WindowProc = saved;
    EXPECT_EQ(panel->BoundsRect(), home);
    EXPECT_EQ(heights, std::vector<int>{90}) << "the last size the handlers saw is the one kept";
    EXPECT_EQ(WidgetOf(panel->Handle())->geometry(), QRect(2, 2, 100, 90));
}

TEST_F(BoundsTest, AResizedFormFromOutsideUpdatesItsBoundsThroughTheMessages) {
    MessageLog log(Form);
    WidgetOf(Form->Handle())->resize(350, 260);
    Process();
    EXPECT_GE(log.Count(WM_WINDOWPOSCHANGED), 1);
    EXPECT_EQ(Form->Width(), 350);
    EXPECT_EQ(Form->Height(), 260);
}

struct AlignCase {
    const char* name;
    std::vector<TAlign> aligns;
    std::vector<TRect> expected;
};
// Names the case in ctest's listing instead of dumping its bytes.
void PrintTo(const AlignCase& c, std::ostream* os) {
    *os << c.name;
}

class AlignTest : public WindowTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(AlignTest, LaysOutTopBottomLeftRightThenClient) {
    const AlignCase& c = GetParam();
    Form->SetClientSize(200, 100);
    std::vector<TTestPanel*> panels;
    for (TAlign a : c.aligns) {
        auto* p = new TTestPanel(Form);
        p->SetBounds(0, 0, 20, 10);
        p->SetParent(Form);
        p->SetAlign(a);
        panels.push_back(p);
    }
    for (size_t i = 0; i < panels.size(); ++i)
        EXPECT_EQ(panels[i]->BoundsRect(), c.expected[i]) << c.name << " #" << i;
}

INSTANTIATE_TEST_SUITE_P(
    Align, AlignTest,
    ::testing::Values(
        AlignCase{
            "top then client", {alTop, alClient}, {Bounds(0, 0, 200, 10), Bounds(0, 10, 200, 90)}},
        AlignCase{"client before top in creation",
                  {alClient, alTop},
                  {Bounds(0, 10, 200, 90), Bounds(0, 0, 200, 10)}},
        AlignCase{"bottom left right",
                  {alBottom, alLeft, alRight},
                  {Bounds(0, 90, 200, 10), Bounds(0, 0, 20, 90), Bounds(180, 0, 20, 90)}},
        AlignCase{"all five",
                  {alClient, alRight, alLeft, alBottom, alTop},
                  {Bounds(20, 10, 160, 80), Bounds(180, 10, 20, 80), Bounds(0, 10, 20, 80),
                   Bounds(0, 90, 200, 10), Bounds(0, 0, 200, 10)}}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST_F(BoundsTest, AlignLeftOrderFollowsPositionAndLeftZeroPutsAControlFirst) {
    Form->SetClientSize(200, 100);
    auto* a = new TTestPanel(Form);
    auto* b = new TTestPanel(Form);
    int left = 0;
    for (auto* p : {a, b}) {
        p->SetParent(Form);
        p->SetBounds(left, 0, 30, 10);
        p->SetAlign(alLeft);
        left += 100;
    }
    EXPECT_EQ(a->Left(), 0);
    EXPECT_EQ(b->Left(), 30);
    b->SetLeft(0);
    EXPECT_EQ(b->Left(), 0);
    EXPECT_EQ(a->Left(), 30);
    // Resizing the parent keeps the order and stretches the height.
    Form->SetClientSize(300, 150);
    EXPECT_EQ(b->BoundsRect(), Bounds(0, 0, 30, 150));
    EXPECT_EQ(a->BoundsRect(), Bounds(30, 0, 30, 150));
}

TEST_F(BoundsTest, DisabledAlignmentRunsOnceWhenEnabledAgain) {
    Form->SetClientSize(200, 100);
    auto* p = new TTestPanel(Form);
    p->SetParent(Form);
    p->SetHeight(10);
    Form->DisableAlign();
    p->SetAlign(alBottom);
    EXPECT_EQ(p->Top(), 0);
    Form->EnableAlign();
    EXPECT_EQ(p->Top(), 90);
}

TEST_F(BoundsTest, HiddenAlignedControlGivesUpItsSpace) {
    Form->SetClientSize(200, 100);
    auto* top = new TTestPanel(Form);
    top->SetParent(Form);
    top->SetHeight(10);
    top->SetAlign(alTop);
    auto* client = new TTestPanel(Form);
    client->SetParent(Form);
    client->SetAlign(alClient);
    EXPECT_EQ(client->Top(), 10);
    top->Hide();
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 0, 200, 100));
}

class VisibleTest : public WindowTest {};

TEST_F(VisibleTest, VisibleChangeSendsCmVisibleChangedAndShowWindowDoesNot) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    MessageLog log(panel);
    panel->Hide();
    EXPECT_EQ(log.Count(CM_VISIBLECHANGED), 1);
    EXPECT_EQ(log.Entries().front().WParam, 0);
    EXPECT_FALSE(IsWindowVisible(panel->Handle()));
    panel->Show();
    EXPECT_EQ(log.Count(CM_VISIBLECHANGED), 2);
    EXPECT_TRUE(IsWindowVisible(panel->Handle()));

    log.Clear();
    ShowWindow(panel->Handle(), SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(panel->Handle()));
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(log.Count(CM_VISIBLECHANGED), 0);
    EXPECT_EQ(log.Count(WM_SHOWWINDOW), 1);
    ShowWindow(panel->Handle(), SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(panel->Handle()));
}

TEST_F(VisibleTest, GivingAWindowTheParentItHasMovesAndHidesNothing) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(10, 20, 100, 80);
    auto* inner = new TTestPanel(Form);
    inner->SetParent(panel);
    inner->SetFocus();
    ASSERT_EQ(GetFocus(), inner->Handle());
    MessageLog log(inner);
    EXPECT_EQ(SetParent(panel->Handle(), Form->Handle()), Form->Handle());
    EXPECT_EQ(log.Count(WM_SHOWWINDOW), 0) << "no hide reaches the windows inside";
    EXPECT_EQ(GetFocus(), inner->Handle()) << "and the focus stays where it was";
    EXPECT_TRUE(IsWindowVisible(inner->Handle()));
    EXPECT_EQ(WidgetOf(panel->Handle())->geometry(), QRect(10, 20, 100, 80));
}

TEST_F(VisibleTest, FormLivesInsideAParentAndLeavesItAgain) {
    auto* inner = new TForm(Form);
    inner->SetBounds(10, 10, 100, 80);
    inner->SetParent(Form);
    inner->Show();
    QWidget* w = WidgetOf(inner->Handle());
    EXPECT_FALSE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), WidgetOf(Form->Handle()));
    EXPECT_TRUE(inner->Showing());
    inner->SetParent(nullptr);
    EXPECT_TRUE(WidgetOf(inner->Handle())->isWindow());
    inner->Free();
}
} // namespace
