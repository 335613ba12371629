// Page controls: pages and their tabs, and switching pages by a click on a tab.

#include "host/PageControl.h"
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
