// Popup menus: OnPopup prepares the items before they are shown, Popup takes screen
// coordinates, a right click pops a control's menu, and the real QMenu shows the items as set.

#include <QMenu>
#include <QTimer>

#include "PopupMenuTesting.h"
#include "WindowTesting.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/menus/Menus.h"

namespace {
class PopupMenuTest : public WindowTest {
protected:
    TMenuItem* AddItem(TMenu* menu, const std::string& caption) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
        return item;
    }
};

TEST_F(PopupMenuTest, OnPopupRunsBeforeTheItemsAreReadAndItsEnablingIsWhatShows) {
    auto* menu = new TPopupMenu(Form);
    TMenuItem* cut = AddItem(menu, "剪切(&T)");
    TMenuItem* paste = AddItem(menu, "粘贴(&P)");
    TMenuItem* hidden = AddItem(menu, "隐藏");
    std::vector<std::string> order;
    RecordingRunner runner;
    menu->OnPopup = [&](TObject* sender) {
        order.push_back("OnPopup");
        EXPECT_EQ(sender, menu);
        cut->SetEnabled(false);
        paste->SetChecked(true);
        hidden->SetVisible(false);
    };
    runner.Choose = [&](TPopupMenu*) {
        order.push_back("shown");
        return paste;
    };
    paste->OnClick = [&](TObject* sender) {
        order.push_back("clicked");
        EXPECT_EQ(sender, paste);
    };
    menu->Popup(120, 80);
    EXPECT_EQ(order, (std::vector<std::string>{"OnPopup", "shown", "clicked"}));
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].Pos, (TPoint{120, 80})) << "screen coordinates, as given";
    EXPECT_EQ(runner.Calls[0].Captions, (std::vector<std::string>{"剪切(&T)", "粘贴(&P)"}));
    EXPECT_EQ(runner.Calls[0].Enabled, (std::vector<bool>{false, true}));
    EXPECT_EQ(runner.Calls[0].Checked, (std::vector<bool>{false, true}));
    EXPECT_EQ(menu->PopupPoint(), (TPoint{120, 80}));
}

TEST_F(PopupMenuTest, RightClickPopsTheMenuAtTheClickInScreenCoordinates) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(30, 40, 100, 80);
    auto* shape = new TShape(Form);
    shape->SetParent(Form);
    shape->SetBounds(200, 40, 50, 50);
    auto* menu = new TPopupMenu(Form);
    TMenuItem* item = AddItem(menu, "属性");
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    panel->SetPopupMenu(menu);
    shape->SetPopupMenu(menu);
    RecordingRunner runner;
    runner.Choose = [&](TPopupMenu*) { return item; };

    for (TControl* c : std::vector<TControl*>{panel, shape}) {
        runner.Calls.clear();
        Press(At(c, 7, 9), Qt::RightButton);
        Release(At(c, 7, 9), Qt::RightButton);
        ASSERT_EQ(runner.Calls.size(), 1u) << c->ClassName();
        EXPECT_EQ(runner.Calls[0].Pos, c->ClientToScreen({7, 9}));
        EXPECT_EQ(menu->PopupComponent(), c);
    }
    EXPECT_EQ(clicks, 2);

    menu->SetAutoPopup(false);
    runner.Calls.clear();
    Press(At(panel, 7, 9), Qt::RightButton);
    Release(At(panel, 7, 9), Qt::RightButton);
    EXPECT_TRUE(runner.Calls.empty()) << "AutoPopup off: the right click shows nothing";
}

TEST_F(PopupMenuTest, AControlWithoutAMenuShowsItsParentsMenu) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(30, 40, 100, 80);
    auto* menu = new TPopupMenu(Form);
    AddItem(menu, "窗体菜单");
    Form->SetPopupMenu(menu);
    RecordingRunner runner;
    Press(At(panel, 5, 5), Qt::RightButton);
    Release(At(panel, 5, 5), Qt::RightButton);
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(menu->PopupComponent(), Form);
}

TEST_F(PopupMenuTest, DesigningControlsDoNotPopTheirMenus) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(30, 40, 100, 80);
    auto* menu = new TPopupMenu(Form);
    AddItem(menu, "菜单");
    panel->SetPopupMenu(menu);
    panel->SetDesigning(true);
    RecordingRunner runner;
    Press(At(panel, 5, 5), Qt::RightButton);
    Release(At(panel, 5, 5), Qt::RightButton);
    EXPECT_TRUE(runner.Calls.empty());
}

/// What a shown QMenu held, read while it was open.
struct QMenuShot {
    QPoint Pos;
    QStringList Texts;
    std::vector<bool> Enabled;
    std::vector<bool> Checked;
    std::vector<bool> Separator;
    std::vector<bool> Submenu;
    bool Bold = false;
};

TEST_F(PopupMenuTest, TheRealMenuShowsTheItemsAsSetAndAnswersTheOneClicked) {
    auto* menu = new TPopupMenu(Form);
    TMenuItem* open = AddItem(menu, "打开(&O)");
    open->SetShortCut(ShortCut('O', {ssCtrl}));
    open->SetDefault(true);
    AddItem(menu, "-");
    TMenuItem* grid = AddItem(menu, "显示网格");
    grid->SetChecked(true);
    TMenuItem* off = AddItem(menu, "不可用");
    off->SetEnabled(false);
    AddItem(menu, "看不见")->SetVisible(false);
    TMenuItem* align = AddItem(menu, "对齐");
    auto* left = new TMenuItem(Form);
    left->SetCaption("左对齐");
    align->Add(left);
    int gridClicks = 0;
    grid->OnClick = [&](TObject*) { ++gridClicks; };

    QMenuShot shot;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(shown, nullptr);
        shot.Pos = shown->pos();
        for (QAction* a : shown->actions()) {
            shot.Texts << a->text();
            shot.Enabled.push_back(a->isEnabled());
            shot.Checked.push_back(a->isChecked());
            shot.Separator.push_back(a->isSeparator());
            shot.Submenu.push_back(a->menu() != nullptr);
        }
        shot.Bold = shown->actions()[0]->font().bold();
        // A real click on the grid item.
        QAction* target = shown->actions()[2];
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(target).center());
    });
    menu->Popup(150, 120);
    EXPECT_EQ(shot.Pos, QPoint(150, 120));
    EXPECT_EQ(shot.Texts, (QStringList{"打开(&O)\tCtrl+O", "", "显示网格", "不可用", "对齐"}));
    EXPECT_EQ(shot.Enabled, (std::vector<bool>{true, true, true, false, true}));
    EXPECT_EQ(shot.Checked, (std::vector<bool>{false, false, true, false, false}));
    EXPECT_EQ(shot.Separator, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(shot.Submenu, (std::vector<bool>{false, false, false, false, true}));
    EXPECT_TRUE(shot.Bold) << "the default item is bold";
    EXPECT_EQ(gridClicks, 1);
}

TEST_F(PopupMenuTest, DismissingTheRealMenuClicksNothing) {
    auto* menu = new TPopupMenu(Form);
    TMenuItem* item = AddItem(menu, "项目");
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    int closed = 0;
    menu->OnClose = [&](TObject*) { ++closed; };
    QTimer::singleShot(0, [] {
        if (QWidget* shown = QApplication::activePopupWidget())
            QTest::keyClick(shown, Qt::Key_Escape);
    });
    menu->Popup(100, 100);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(PopupMenuTest, RightAlignedMenuEndsAtThePoint) {
    auto* menu = new TPopupMenu(Form);
    AddItem(menu, "一个相当长的菜单项");
    menu->SetAlignment(paRight);
    QRect geometry;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activePopupWidget();
        ASSERT_NE(shown, nullptr);
        geometry = shown->geometry();
        shown->close();
    });
    menu->Popup(300, 100);
    EXPECT_EQ(geometry.left() + geometry.width(), 300);
}
} // namespace
