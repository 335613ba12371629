// The cool bar's bands and the page scroller's arrows.

#include "WindowTesting.h"
#include "host/comctrls/ComCtrls.h"

namespace {
class CoolBarTest : public WindowTest {};

TEST_F(CoolBarTest, AControlPutOnTheBarGetsABandAndBandsLieInRows) {
    auto* bar = new TCoolBar(Form);
    bar->SetParent(Form);
    auto* a = new TTestPanel(Form);
    a->SetBounds(0, 0, 80, 22);
    a->SetParent(bar);
    auto* b = new TTestPanel(Form);
    b->SetBounds(0, 0, 60, 30);
    b->SetParent(bar);
    ASSERT_EQ(bar->Bands()->Count(), 2);
    EXPECT_EQ(bar->Bands()->Items(0)->Control(), a);
    EXPECT_EQ(bar->Bands()->FindBand(b), bar->Bands()->Items(1));
    // Each band breaks by default: two rows, each as high as its tallest content.
    const int header = bar->BandHeaderWidth(bar->Bands()->Items(0));
    EXPECT_EQ(a->Left(), header);
    EXPECT_EQ(bar->Bands()->Items(1)->BandRect().Top, bar->Bands()->Items(0)->BandRect().Bottom);
    EXPECT_EQ(a->Width(), 400 - header - 2) << "the last band of a row reaches the edge";

    // Side by side when the second band does not break.
    bar->Bands()->Items(0)->SetWidth(150);
    bar->Bands()->Items(1)->SetBreak(false);
    EXPECT_EQ(bar->Bands()->Items(1)->BandRect().Left, 150);
    EXPECT_EQ(b->Left(), 150 + bar->BandHeaderWidth(bar->Bands()->Items(1)));
    EXPECT_EQ(b->Top(), bar->Bands()->Items(0)->BandRect().Top +
                            (bar->Bands()->Items(0)->BandRect().Height() - 30) / 2);

    bar->Bands()->Items(0)->SetText("地址");
    EXPECT_GT(a->Left(), header) << "the text takes room before the control";

    b->Free();
    EXPECT_EQ(bar->Bands()->Count(), 1) << "a control that goes takes its band along";
    a->SetParent(Form);
    EXPECT_EQ(bar->Bands()->Count(), 0);
}

TEST_F(CoolBarTest, AutoSizeFollowsTheRows) {
    auto* bar = new TCoolBar(Form);
    bar->SetParent(Form);
    bar->SetAutoSize(true);
    auto* a = new TTestPanel(Form);
    a->SetBounds(0, 0, 80, 40);
    a->SetParent(bar);
    EXPECT_EQ(bar->Height(), 40 + 4 + 2);
}

class PageScrollerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Pager = new TPageScroller(Form);
        Pager->SetParent(Form);
        Pager->SetBounds(10, 10, 200, 40);
        Wide = new TTestPanel(Form);
        Wide->SetBounds(0, 0, 500, 20);
        Wide->SetParent(Pager);
        Process();
    }
    TPageScroller* Pager = nullptr;
    TTestPanel* Wide = nullptr;
};

TEST_F(PageScrollerTest, ArrowsScrollTheControlAndShowOnlyWhileThereIsMoreToSee) {
    EXPECT_EQ(Pager->Control(), Wide);
    EXPECT_EQ(Wide->Height(), 40) << "the control fills the scroller across";
    EXPECT_EQ(Pager->MaxPosition(), 300);
    EXPECT_FALSE(Pager->ButtonVisible(sbFirst));
    EXPECT_TRUE(Pager->ButtonVisible(sbLast));
    int scrolls = 0;
    Pager->OnScroll = [&](TObject*) { ++scrolls; };
    Click(At(Pager, 195, 20));
    EXPECT_EQ(Pager->Position(), 12);
    EXPECT_EQ(Wide->Left(), -12);
    EXPECT_EQ(scrolls, 1);
    EXPECT_TRUE(Pager->ButtonVisible(sbFirst));
    Click(At(Pager, 5, 20));
    EXPECT_EQ(Pager->Position(), 0);
    Pager->SetPosition(1000);
    EXPECT_EQ(Pager->Position(), 300);
    EXPECT_EQ(Wide->Left(), -300);
    EXPECT_FALSE(Pager->ButtonVisible(sbLast));
}

TEST_F(PageScrollerTest, TheControlShowsAndTakesClicksOnlyBetweenTheArrows) {
    Pager->SetPosition(50);
    Process();
    // The control's window region leaves the arrow buttons (12 wide) to the scroller.
    EXPECT_EQ(WidgetOf(Wide->Handle())->mask(), QRegion(50 + 12, 0, 200 - 24, 40));
    MessageLog pagerLog(Pager);
    MessageLog wideLog(Wide);
    Click(At(Pager, 5, 20));
    EXPECT_EQ(pagerLog.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(wideLog.Count(WM_LBUTTONDOWN), 0);
    Click(At(Pager, 100, 20));
    EXPECT_EQ(wideLog.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(WindowFromPoint(Pager->ClientToScreen({5, 20})), Pager->Handle());
    EXPECT_EQ(WindowFromPoint(Pager->ClientToScreen({100, 20})), Wide->Handle());
}

TEST_F(PageScrollerTest, VerticalOrientationScrollsDownwards) {
    Pager->SetOrientation(soVertical);
    Wide->SetHeight(100);
    EXPECT_EQ(Wide->Width(), 200);
    EXPECT_EQ(Pager->MaxPosition(), 60);
    Click(At(Pager, 100, 38));
    EXPECT_EQ(Pager->Position(), 12);
    EXPECT_EQ(Wide->Top(), -12);
}
} // namespace
