// The main menu of a form: a real menu bar across the top, kept up to date with the items,
// whose clicks reach the items and whose input goes through a window procedure.

#include <QMenuBar>

#include "WindowTesting.h"
#include "host/menus/Menus.h"

namespace {
class MainMenuTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Menu = new TMainMenu(Form);
        File = AddItem(Menu->Items(), "文件(&F)");
        Open = AddItem(File, "打开(&O)");
        Help = AddItem(Menu->Items(), "帮助(&H)");
    }
    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    QMenuBar* Bar() const {
        return WidgetOf(Form->Handle())
            ->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    }
    QStringList BarTexts() const {
        QStringList texts;
        if (QMenuBar* bar = Bar())
            for (QAction* a : bar->actions())
                texts << a->text();
        return texts;
    }
    TMainMenu* Menu = nullptr;
    TMenuItem* File = nullptr;
    TMenuItem* Open = nullptr;
    TMenuItem* Help = nullptr;
};

TEST_F(MainMenuTest, TheFormShowsARealMenuBarWithTheTopItemsAndAlignsBelowIt) {
    auto* top = new TTestPanel(Form);
    top->SetParent(Form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    Form->SetMenu(Menu);
    Process();
    QMenuBar* bar = Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(BarTexts(), (QStringList{"文件(&F)", "帮助(&H)"}));
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_EQ(bar->width(), 400);
    EXPECT_GT(bar->height(), 10);
    EXPECT_EQ(top->Top(), bar->height()) << "aligned controls go below the bar";
    ASSERT_NE(bar->actions()[0]->menu(), nullptr);
    EXPECT_EQ(bar->actions()[0]->menu()->actions()[0]->text(), "打开(&O)");
    EXPECT_EQ(Menu->WindowHandle(), Form->Handle());
}

TEST_F(MainMenuTest, ChangedItemsShowOnTheBarAndTakingTheMenuAwayRemovesIt) {
    Form->SetMenu(Menu);
    Help->SetCaption("关于");
    AddItem(Menu->Items(), "窗口");
    Help->SetVisible(false);
    EXPECT_EQ(BarTexts(), (QStringList{"文件(&F)", "窗口"}));
    Form->SetMenu(nullptr);
    Process();
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(Menu->WindowHandle(), nullptr);
}

TEST_F(MainMenuTest, FreeingTheMenuTakesTheBarAway) {
    Form->SetMenu(Menu);
    Menu->Free();
    Process();
    EXPECT_EQ(Form->Menu(), nullptr);
    EXPECT_EQ(Bar(), nullptr);
}

TEST_F(MainMenuTest, ClickingATopItemOnTheBarClicksTheItemThroughTheBarsWindowProcedure) {
    Form->SetMenu(Menu);
    Process();
    int clicks = 0;
    Help->OnClick = [&](TObject*) { ++clicks; };
    QMenuBar* bar = Bar();
    ASSERT_NE(bar, nullptr);
    const QRect r = bar->actionGeometry(bar->actions()[1]);
    const TPoint at{r.center().x(), r.center().y()};

    HWND wnd = HwndOf(bar);
    ASSERT_NE(wnd, nullptr) << "the bar is a window of its own";
    std::vector<uint32_t> seen;
    WNDPROC old = reinterpret_cast<WNDPROC>(GetWindowLong(wnd, GWL_WNDPROC));
    bool swallow = true;
    WNDPROC hook = MakeObjectInstance([&](TMessage& m) {
        seen.push_back(m.Msg);
        if (swallow && m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) return;
        m.Result = CallWindowProc(old, wnd, m.Msg, m.WParam, m.LParam);
    });
    SetWindowLong(wnd, GWL_WNDPROC, reinterpret_cast<intptr_t>(hook));
    Click(at);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONDOWN), seen.end());
    EXPECT_EQ(clicks, 0) << "swallowed by the bar's window procedure";
    swallow = false;
    Click(at);
    EXPECT_EQ(clicks, 1);
    SetWindowLong(wnd, GWL_WNDPROC, reinterpret_cast<intptr_t>(old));
    FreeObjectInstance(hook);
}

TEST_F(MainMenuTest, AMenuShowsOnOneFormAtATime) {
    Form->SetMenu(Menu);
    auto* other = new TForm(nullptr);
    other->SetMenu(Menu);
    other->HandleNeeded();
    EXPECT_EQ(Menu->WindowHandle(), other->Handle());
    EXPECT_EQ(Form->Menu(), nullptr);
    other->Free();
    EXPECT_EQ(Menu->WindowHandle(), nullptr);
}
} // namespace

namespace {
TEST_F(MainMenuTest, AShortCutRunsItsItemBeforeTheFocusedControlSeesTheKey) {
    Form->SetMenu(Menu);
    Open->SetShortCut(ShortCut('O', {ssCtrl}));
    int opened = 0;
    Open->OnClick = [&](TObject*) { ++opened; };
    auto* button = new TTestButton(Form);
    button->SetParent(Form);
    button->SetTop(60);
    button->SetFocus();
    Process();
    MessageLog log(button);
    // The modifier keys themselves reach the control; the letters are what count.
    auto keyDowns = [&](uint16_t vk) {
        return std::count_if(log.Entries().begin(), log.Entries().end(),
                             [vk](const auto& e) { return e.Msg == WM_KEYDOWN && e.WParam == vk; });
    };
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(keyDowns('O'), 0);
    Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(keyDowns('P'), 1) << "other keys go on to the control";
    Open->SetEnabled(false);
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
}
} // namespace
