// Page controls: pages and their tabs, and switching pages by a click on a tab.

#include "host/containers/PageControl.h"
#include "StreamTestUtil.h"
#include "WindowTesting.h"

namespace {
class PageControlTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Pages = new TPageControl(Form);
        Pages->SetParent(Form);
        Pages->SetBounds(10, 10, 300, 200);
        for (const char* caption : {"常规", "高级", "关于"}) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetCaption(caption);
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

TEST_F(PageControlTest, ClickOnATabShowsItsPageAndReportsTheChange) {
    ASSERT_EQ(Pages->ActivePage(), Sheets[0]);
    int changes = 0;
    Pages->OnChange = [&](TObject*) { ++changes; };
    Click(Tab(2));
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    EXPECT_EQ(Pages->TabIndex(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(Sheets[2]->Visible());
    EXPECT_FALSE(Sheets[0]->Visible());
    EXPECT_TRUE(IsWindowVisible(Sheets[2]->Handle()));
    EXPECT_FALSE(IsWindowVisible(Sheets[0]->Handle()));
}

TEST_F(PageControlTest, HookThatSwallowsThePressStopsTheSwitch) {
    MessageLog log(Pages);
    log.Swallow = {WM_LBUTTONDOWN};
    Click(Tab(1));
    EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
    log.Swallow.clear();
    Click(Tab(1));
    EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
}

TEST_F(PageControlTest, OnChangingRefusesTheSwitch) {
    bool allow = false;
    int changes = 0;
    Pages->OnChanging = [&](TObject*, bool& AllowChange) { AllowChange = allow; };
    Pages->OnChange = [&](TObject*) { ++changes; };
    Click(Tab(1));
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
    EXPECT_EQ(Pages->TabIndex(), 0);
    allow = true;
    Click(Tab(1));
    EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
    EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, SheetsFillThePageAreaBelowTheTabs) {
    const TRect display = Pages->DisplayRect();
    EXPECT_GT(display.Top, Pages->TabRect(0).Bottom - 3);
    EXPECT_EQ(Sheets[0]->BoundsRect(), display);
    Pages->SetBounds(10, 10, 360, 240);
    EXPECT_EQ(Sheets[0]->BoundsRect(), Pages->DisplayRect());
    EXPECT_EQ(Pages->DisplayRect().Width(), display.Width() + 60);
    Pages->SetActivePage(Sheets[1]);
    EXPECT_EQ(Sheets[1]->BoundsRect(), Pages->DisplayRect());
}
} // namespace

namespace {
TEST_F(PageControlTest, HiddenTabsAndRemovedPagesHandTheSelectionOn) {
    Pages->SetActivePage(Sheets[1]);
    Sheets[1]->SetTabVisible(false);
    EXPECT_EQ(Pages->TabCount(), 2);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]) << "the tab that took the hidden one's place";
    EXPECT_EQ(Sheets[2]->TabIndex(), 1);
    EXPECT_EQ(Sheets[1]->TabIndex(), -1);
    EXPECT_EQ(Pages->PageForTab(1), Sheets[2]);
    Sheets[1]->SetTabVisible(true);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    Sheets[2]->Free();
    EXPECT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]) << "after the last page comes the first";
    Sheets[0]->SetPageControl(nullptr);
    EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
    EXPECT_EQ(Sheets[0]->Parent(), nullptr);
    Sheets[0]->Free();
}

TEST_F(PageControlTest, PageIndexReordersTheTabs) {
    Sheets[2]->SetPageIndex(0);
    EXPECT_EQ(Pages->Pages(0), Sheets[2]);
    EXPECT_EQ(Sheets[0]->PageIndex(), 1);
    Click(Tab(0));
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    EXPECT_EQ(Pages->FindNextPage(Sheets[2], true, true), Sheets[0]);
    EXPECT_EQ(Pages->FindNextPage(Sheets[2], false, true), Sheets[1]);
    Pages->SelectNextPage(true);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
}

TEST_F(PageControlTest, ArrowKeysOnTheFocusedControlSwitchPages) {
    Pages->SetFocus();
    Process();
    int changes = 0;
    Pages->OnChange = [&](TObject*) { ++changes; };
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    Key(Qt::Key_Right);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]) << "no wrapping past the last tab";
    Key(Qt::Key_Left);
    EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
    EXPECT_EQ(changes, 3);
}

TEST_F(PageControlTest, TabsOnEverySideLeaveThePageAreaOnTheOtherSide) {
    const TRect top = Pages->DisplayRect();
    for (auto [position, side] :
         {std::pair{tpBottom, 'b'}, std::pair{tpLeft, 'l'}, std::pair{tpRight, 'r'}}) {
        Pages->SetTabPosition(position);
        const TRect r = Pages->DisplayRect();
        const TRect tab = Pages->TabRect(0);
        EXPECT_EQ(Sheets[0]->BoundsRect(), r) << side;
        const bool beyondTabs = side == 'b'   ? r.Bottom < tab.Top + 3
                                : side == 'l' ? r.Left > tab.Right - 3
                                              : r.Right < tab.Left + 3;
        EXPECT_TRUE(beyondTabs) << side;
        EXPECT_NE(r, top);
    }
    Pages->SetTabPosition(tpTop);
    EXPECT_EQ(Pages->DisplayRect(), top);
}

TEST_F(PageControlTest, PagesStreamInsideTheirPageControlsRecord) {
    auto* pages = new TPageControl(nullptr);
    for (const char* caption : {"一", "二"}) {
        auto* sheet = new TTabSheet(pages);
        sheet->SetName(pages->PageCount() == 0 ? "First" : "Second");
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    pages->SetActivePageIndex(1);
    const std::string bytes = SaveToBytes(pages);
    auto* copy = new TPageControl(nullptr);
    LoadFromBytes(bytes, copy);
    ASSERT_EQ(copy->PageCount(), 2);
    EXPECT_EQ(copy->Pages(0)->Name(), "First");
    EXPECT_EQ(copy->Pages(1)->Caption(), "二");
    EXPECT_EQ(copy->Pages(1)->Parent(), copy);
    EXPECT_EQ(copy->ActivePage(), copy->Pages(1));
    copy->Free();
    pages->Free();
}
} // namespace
