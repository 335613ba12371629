// Page controls with several rows of tabs, and Ctrl+Tab between the pages.

#include "WindowTesting.h"
#include "host/containers/PageControl.h"
#include "host/containers/TabRows.h"

TEST(TabRows, TabsWrapIntoFullRowsWithTheSelectedRowNextToThePage) {
    struct Case {
        const char* Name;
        std::vector<int> Lengths;
        int RowLength;
        int Selected;
        std::vector<TTabPlace> Expected;
    };
    const std::vector<Case> cases = {
        {"one row keeps its natural lengths", {30, 40}, 100, 1, {{0, 0, 30}, {0, 30, 40}}},
        {"no tabs", {}, 100, -1, {}},
        // Rows 0 and 1 in reading order; the second (selected) lies next to the page.
        {"two rows stretched, remainder to the first tabs",
         {40, 40, 30, 30},
         100,
         3,
         {{1, 0, 50}, {1, 50, 50}, {0, 0, 50}, {0, 50, 50}}},
        {"selecting in the first row turns it to the page",
         {40, 40, 30, 30},
         100,
         0,
         {{0, 0, 50}, {0, 50, 50}, {1, 0, 50}, {1, 50, 50}}},
        {"three rows turn cyclically",
         {60, 60, 60},
         100,
         1,
         {{1, 0, 100}, {0, 0, 100}, {2, 0, 100}}},
        {"a tab longer than a row has one of its own",
         {150, 20, 20},
         100,
         -1,
         {{1, 0, 150}, {0, 0, 50}, {0, 50, 50}}},
        {"spare pixels one each to the first tabs",
         {30, 30, 30, 60},
         100,
         -1,
         {{1, 0, 34}, {1, 34, 33}, {1, 67, 33}, {0, 0, 100}}},
    };
    for (const Case& c : cases) {
        const std::vector<TTabPlace> places = LayoutTabRows(c.Lengths, c.RowLength, c.Selected);
        EXPECT_EQ(places, c.Expected) << c.Name;
    }
    EXPECT_EQ(TabRowCount({}), 1);
    EXPECT_EQ(TabRowCount(LayoutTabRows({60, 60, 60}, 100, 0)), 3);
}

namespace {
class PageControlRowsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Pages = new TPageControl(Form);
        Pages->SetParent(Form);
        Pages->SetBounds(10, 10, 260, 200);
        for (int i = 0; i < 9; ++i) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetCaption("第 " + std::to_string(i + 1) + " 页设置");
            sheet->SetPageControl(Pages);
            Sheets.push_back(sheet);
        }
        Process();
    }
    TPoint Tab(int index) const {
        const TRect r = Pages->TabRect(index);
        return At(Pages, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    TPageControl* Pages = nullptr;
    std::vector<TTabSheet*> Sheets;
};
} // namespace

TEST_F(PageControlRowsTest, MultiLineWrapsTheTabsAndShrinksThePageArea) {
    const TRect oneRow = Pages->DisplayRect();
    EXPECT_EQ(Pages->RowCount(), 1);
    Pages->SetMultiLine(true);
    const int rows = Pages->RowCount();
    ASSERT_GT(rows, 1);
    const TRect display = Pages->DisplayRect();
    const int depth = Pages->TabRect(0).Height();
    EXPECT_EQ(display.Top, oneRow.Top + (rows - 1) * depth);
    EXPECT_EQ(display.Bottom, oneRow.Bottom);
    EXPECT_EQ(Sheets[0]->BoundsRect(), display);
    // Every tab is inside the control, apart from the others, and found where it lies.
    for (int i = 0; i < Pages->TabCount(); ++i) {
        const TRect r = Pages->TabRect(i);
        EXPECT_GE(r.Left, 0) << i;
        EXPECT_LE(r.Right, Pages->ClientWidth()) << i;
        EXPECT_LE(r.Bottom, display.Top) << i;
        EXPECT_EQ(Pages->IndexOfTabAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), i);
        for (int j = 0; j < i; ++j) {
            TRect both;
            EXPECT_FALSE(IntersectRect(both, r, Pages->TabRect(j))) << i << " and " << j;
        }
    }
    // A narrower control needs more rows; its pages follow the page area at once.
    Pages->SetWidth(160);
    EXPECT_GT(Pages->RowCount(), rows);
    EXPECT_EQ(Sheets[0]->BoundsRect(), Pages->DisplayRect());
    EXPECT_EQ(Pages->DisplayRect().Top, oneRow.Top + (Pages->RowCount() - 1) * depth);
    Pages->SetWidth(260);
    Pages->SetMultiLine(false);
    EXPECT_EQ(Pages->DisplayRect(), oneRow);
    EXPECT_EQ(Sheets[0]->BoundsRect(), oneRow);
}

TEST_F(PageControlRowsTest, ClickOnATabInAFarRowSwitchesAndBringsItsRowToThePage) {
    Pages->SetMultiLine(true);
    Process();
    // The row next to the page ends lowest; the tab in the top row lies farthest from it.
    int nearEdge = 0;
    int far = -1;
    for (int i = 0; i < Pages->TabCount(); ++i) {
        nearEdge = std::max(nearEdge, Pages->TabRect(i).Bottom);
        if (far < 0 && Pages->TabRect(i).Top == 0) far = i;
    }
    ASSERT_GE(far, 0);
    ASSERT_LT(Pages->TabRect(far).Bottom, nearEdge);
    int changing = 0, changes = 0;
    Pages->OnChanging = [&](TObject*, bool&) { ++changing; };
    Pages->OnChange = [&](TObject*) { ++changes; };
    Click(Tab(far));
    EXPECT_EQ(Pages->ActivePage(), Sheets[static_cast<size_t>(far)]);
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Pages->TabRect(far).Bottom, nearEdge) << "its row moved next to the page";
}

TEST_F(PageControlRowsTest, TabRowsOnEverySideLeaveThePageAreaOnTheOtherSide) {
    Pages->SetMultiLine(true);
    for (TTabPosition position : {tpBottom, tpLeft, tpRight}) {
        Pages->SetTabPosition(position);
        const TRect r = Pages->DisplayRect();
        EXPECT_GT(Pages->RowCount(), position == tpBottom ? 1 : 0) << position;
        EXPECT_EQ(Sheets[0]->BoundsRect(), r) << position;
        for (int i = 0; i < Pages->TabCount(); ++i) {
            const TRect tab = Pages->TabRect(i);
            const bool outside = position == tpBottom ? tab.Top >= r.Bottom
                                 : position == tpLeft ? tab.Right <= r.Left
                                                      : tab.Left >= r.Right;
            EXPECT_TRUE(outside) << position << " tab " << i;
        }
    }
}

TEST_F(PageControlRowsTest, CtrlTabTurnsPagesWhileTheFocusIsInside) {
    Sheets[1]->SetTabVisible(false);
    auto* inner = new TTestButton(Form);
    inner->SetParent(Sheets[0]);
    auto* outside = new TTestButton(Form);
    outside->SetParent(Form);
    outside->SetBounds(10, 220, 80, 24);
    inner->SetFocus();
    Process();
    std::vector<std::string> log;
    bool allow = true;
    Pages->OnChanging = [&](TObject*, bool& a) {
        log.push_back("changing");
        a = allow;
    };
    Pages->OnChange = [&](TObject*) { log.push_back("change"); };

    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]) << "the hidden tab is passed over";
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
    Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Pages->ActivePage(), Sheets[8]) << "back past the first wraps to the last";
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]) << "on past the last wraps to the first";

    allow = false;
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]) << "OnChanging refused";
    allow = true;
    outside->SetFocus();
    Process();
    log.clear();
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]) << "focus outside the page control";
    EXPECT_TRUE(log.empty());
}
