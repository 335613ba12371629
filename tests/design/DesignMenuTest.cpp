// The designer's context menu: its items, their enabling by the selection and the history,
// where a right press opens it and which designer's menu that is, and what choosing runs.

#include <QMenu>
#include <QTimer>

#include "DesignTesting.h"
#include "PopupMenuTesting.h"

namespace {

const std::vector<std::string> Captions = {
    "取消",     "重做",     "左对齐",   "右对齐",   "水平中心对齐", "水平等距对齐", "顶对齐",
    "底对齐",   "垂直中心对齐", "垂直等距对齐", "-", "相同宽度", "相同高度", "相同大小",
    "水平居中", "垂直居中", "置于顶层", "置于底层", "全选", "Tab 顺序", "锁定", "解锁", "-", "复制", "剪切", "粘贴", "创建副本"};

class DesignMenu : public DesignTest {
protected:
    void RightClick(TPoint p, Qt::KeyboardModifiers m = {}) {
        Press(p, Qt::RightButton, m);
        Release(p, Qt::RightButton, m);
        Process();
    }
    void CtrlClick(TPoint p) {
        Press(p, Qt::LeftButton, Qt::ControlModifier);
        Release(p, Qt::LeftButton, Qt::ControlModifier);
    }
    /// Chooses the item with this caption when the menu shows.
    void ChooseOnShow(RecordingRunner& runner, const std::string& caption) {
        runner.Choose = [caption](TPopupMenu* menu) { return menu->Items()->Find(caption); };
    }
    /// The items' enabling: undo and redo; the alignments and equal sizes (two selected);
    /// centring and stacking (one selected); select all and the tab order (a designed child);
    /// locking (one selected, none locked here); copy, cut and duplicate (one selected), paste
    /// (never: the clipboard holds no form here).
    static std::vector<bool> Enabled(bool undo, bool redo, bool align, bool one = true) {
        std::vector<bool> v = {undo, redo};
        v.resize(10, align);
        v.push_back(true); // the separator
        v.resize(14, align);
        v.resize(18, one);
        v.resize(20, true);
        v.push_back(one);
        v.push_back(false);
        v.push_back(true); // the separator
        for (bool e : {one, one, false, one})
            v.push_back(e);
        return v;
    }
};

TEST_F(DesignMenu, EveryDesignerHasItsItemsInOrderWithTheirCommandsAsTags) {
    auto* panel = Add<TTestPanel>(Form, Bounds(10, 10, 200, 100), "Panel1");
    Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "Inner1");
    ASSERT_NE(Designer->PopupMenu(), nullptr) << "made with the designer, before any session";
    Begin();
    TZkFormDesigner* inner = OverlayOf(panel)->InnerDesigner();
    ASSERT_NE(inner, nullptr);
    for (TZkFormDesigner* d : {Designer, inner}) {
        TPopupMenu* menu = d->PopupMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->Owner(), nullptr);
        ASSERT_EQ(menu->Items()->Count(), 27);
        std::vector<std::string> captions;
        std::vector<int> tags;
        for (int i = 0; i < 27; ++i) {
            TMenuItem* item = menu->Items()->Items(i);
            captions.push_back(item->Caption());
            tags.push_back(item->Tag());
            EXPECT_EQ(item->Owner(), menu);
            EXPECT_EQ(item->Count(), 0);
            EXPECT_EQ(item->ShortCut(), scNone);
        }
        EXPECT_EQ(captions, Captions);
        EXPECT_EQ(tags, (std::vector<int>{8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 255, 10, 11, 12, 13, 14,
                                          15, 16, 17, 18, 19, 20, 255, 21, 22, 23, 24}));
    }
    EXPECT_NE(inner->PopupMenu(), Designer->PopupMenu());
    Designer->EndDesign();
}

TEST_F(DesignMenu, AlignmentItemsNeedTwoSelectedAndUndoAndRedoFollowTheHistory) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 40, 80, 25), "B");
    Begin();
    RecordingRunner runner;
    Click(At(a, 5, 5));
    RightClick(At(a, 7, 9));
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].Menu, Designer->PopupMenu());
    EXPECT_EQ(runner.Calls[0].Pos, a->ClientToScreen({7, 9})) << "at the click, on the screen";
    EXPECT_EQ(runner.Calls[0].Captions, Captions);
    EXPECT_EQ(runner.Calls[0].Enabled, Enabled(false, false, false)) << "a fresh history";
    EXPECT_EQ(Designer->GetSelectCount(), 1) << "a right click selects nothing";

    CtrlClick(At(b, 5, 5));
    ChooseOnShow(runner, "左对齐");
    RightClick(At(b, 5, 5));
    ASSERT_EQ(runner.Calls.size(), 2u);
    EXPECT_EQ(runner.Calls[1].Enabled, Enabled(false, false, true));
    EXPECT_EQ(OverlayOf(b)->Left(), OverlayOf(a)->Left());

    // On empty ground of the form: the root's menu at that point.
    const TPoint ground{300, 200};
    ChooseOnShow(runner, "取消");
    RightClick(ground);
    ASSERT_EQ(runner.Calls.size(), 3u);
    EXPECT_EQ(runner.Calls[2].Menu, Designer->PopupMenu());
    EXPECT_EQ(runner.Calls[2].Pos, Form->ClientToScreen(ground));
    EXPECT_EQ(runner.Calls[2].Enabled, Enabled(true, false, true));
    EXPECT_EQ(OverlayOf(b)->Left(), 96) << "undone";
    EXPECT_EQ(Designer->GetSelectCount(), 2);

    // Everything undone: Undo off, Redo on.
    ChooseOnShow(runner, "重做");
    RightClick(ground);
    EXPECT_EQ(runner.Calls[3].Enabled, Enabled(false, true, true));
    EXPECT_EQ(OverlayOf(b)->Left(), OverlayOf(a)->Left()) << "redone";
    runner.Choose = nullptr;
    RightClick(ground);
    EXPECT_EQ(runner.Calls[4].Enabled, Enabled(true, false, true));

    // Back to one selected: the alignment items go off again, Undo and Redo stay as the
    // history says.
    Designer->ClearSelection(OverlayOf(a));
    RightClick(At(a, 5, 5));
    EXPECT_EQ(runner.Calls[5].Enabled, Enabled(true, false, false));
    Designer->EndDesign();
}

TEST_F(DesignMenu, ChoosingInTheRealMenuRunsTheCommand) {
    auto* a = Add<TTestButton>(Form, Bounds(14, 14, 32, 12), "A");
    auto* b = Add<TTestButton>(Form, Bounds(104, 44, 22, 22), "B");
    Begin();
    Click(At(a, 5, 5));
    CtrlClick(At(b, 5, 5));
    QStringList texts;
    std::vector<bool> enabled;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(shown, nullptr);
        QAction* target = nullptr;
        for (QAction* action : shown->actions()) {
            texts << action->text();
            enabled.push_back(action->isEnabled());
            if (action->text() == QString::fromUtf8("水平中心对齐")) target = action;
        }
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(target).center());
    });
    RightClick(At(b, 3, 3));
    ASSERT_EQ(texts.size(), 27);
    EXPECT_EQ(texts[4].toStdString(), "水平中心对齐");
    EXPECT_EQ(enabled, Enabled(false, false, true));
    // Union (10,10)-(130,70): centre line y = 40; the controls move vertically only.
    EXPECT_EQ(OverlayOf(a)->BoundsRect(), (TRect{10, 30, 50, 50}));
    EXPECT_EQ(OverlayOf(b)->BoundsRect(), (TRect{100, 25, 130, 55}));
    EXPECT_EQ(Designer->History()->Count(), 2);
    Designer->EndDesign();
}

TEST_F(DesignMenu, ARightClickInsideAPanelShowsTheMenuOfTheDesignerHoldingIt) {
    auto* panel = Add<TTestPanel>(Form, Bounds(20, 20, 240, 140), "Panel1");
    auto* inside = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "Inner1");
    auto* other = Add<TTestButton>(Form, Bounds(300, 20, 60, 25), "Other");
    Begin();
    TZkFormDesigner* inner = OverlayOf(panel)->InnerDesigner();
    ASSERT_NE(inner, nullptr);
    Click(At(panel, 150, 100));
    CtrlClick(At(other, 5, 5));
    ASSERT_EQ(Designer->GetSelectCount(), 2);
    RecordingRunner runner;
    RightClick(At(panel, 150, 100));
    ASSERT_EQ(runner.Calls.size(), 1u) << "one menu, not the inner designer's as well";
    EXPECT_EQ(runner.Calls[0].Menu, Designer->PopupMenu());
    EXPECT_EQ(runner.Calls[0].Pos, panel->ClientToScreen({150, 100}));
    EXPECT_EQ(runner.Calls[0].Enabled, Enabled(false, false, true));
    // A control inside the panel belongs to the inner designer: its menu, with nothing of
    // that designer selected.
    RightClick(At(inside, 5, 5));
    ASSERT_EQ(runner.Calls.size(), 2u);
    EXPECT_EQ(runner.Calls[1].Menu, inner->PopupMenu());
    EXPECT_EQ(runner.Calls[1].Enabled, Enabled(false, false, false, false));
    EXPECT_EQ(Designer->GetSelectCount(), 2);
    Designer->EndDesign();
}

TEST_F(DesignMenu, OnlyTheDesignersMenuShowsDuringASession) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* formMenu = new TPopupMenu(Form);
    formMenu->Items()->Add(new TMenuItem(Form));
    formMenu->Items()->Items(0)->SetCaption("窗体菜单");
    Form->SetPopupMenu(formMenu);
    auto* controlMenu = new TPopupMenu(Form);
    controlMenu->Items()->Add(new TMenuItem(Form));
    controlMenu->Items()->Items(0)->SetCaption("按钮菜单");
    a->SetPopupMenu(controlMenu);
    Begin();
    RecordingRunner runner;
    RightClick(At(a, 5, 5));
    RightClick({300, 200});
    ASSERT_EQ(runner.Calls.size(), 2u);
    EXPECT_EQ(runner.Calls[0].Menu, Designer->PopupMenu());
    EXPECT_EQ(runner.Calls[1].Menu, Designer->PopupMenu());
    Designer->EndDesign();
    Process();
    runner.Calls.clear();
    RightClick(At(a, 5, 5));
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].Menu, controlMenu) << "after the session the control's own";
}

TEST_F(DesignMenu, ShownOutsideASessionTheMenuHasNothingToUndoAndNothingToAlign) {
    RecordingRunner runner;
    ChooseOnShow(runner, "左对齐");
    Designer->ShowPopupMenu({5, 6});
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].Pos, (TPoint{5, 6})) << "screen coordinates, as given";
    EXPECT_FALSE(runner.Calls[0].Enabled[0]);
    EXPECT_FALSE(runner.Calls[0].Enabled[1]);
    EXPECT_EQ(Designer->History(), nullptr);
}

TEST_F(DesignMenu, AClickFromAnythingButAMenuItemIsAnInvalidCast) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 40, 80, 25), "B");
    Begin();
    EXPECT_THROW(Designer->OnMenuClick(Form), EInvalidCast);
    EXPECT_THROW(Designer->OnMenuClick(nullptr), EInvalidCast);
    OverlayOf(a)->SetSelected(true);
    OverlayOf(b)->SetSelected(true);
    // Any menu item runs the command its tag's low byte names.
    auto* item = new TMenuItem(Form);
    item->SetTag(0x100 | daTop);
    Designer->OnMenuClick(item);
    EXPECT_EQ(OverlayOf(b)->Top(), OverlayOf(a)->Top());
    EXPECT_EQ(Designer->History()->Count(), 2);
    Designer->EndDesign();
}

TEST_F(DesignMenu, TheKeysGoBackWhereTheyWereWhenTheMenuCloses) {
    auto* a = Add<TTestButton>(Form, Bounds(14, 14, 32, 12), "A");
    auto* b = Add<TTestButton>(Form, Bounds(104, 14, 32, 12), "B");
    Begin();
    Click(At(a, 5, 5));
    ASSERT_TRUE(OverlayOf(a)->Focused());
    for (bool choose : {false, true}) {
        SCOPED_TRACE(choose ? "an item chosen" : "closed with Esc");
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(shown, nullptr);
            if (choose)
                shown->actions().at(0)->trigger();
            shown->close();
        });
        RightClick(At(a, 3, 3));
        EXPECT_TRUE(OverlayOf(a)->Focused());
        // Tab works at once, without a click to bring the focus back.
        Key(Qt::Key_Tab);
        Process();
        EXPECT_TRUE(OverlayOf(b)->Focused());
        EXPECT_TRUE(OverlayOf(b)->Selected());
        Click(At(a, 5, 5));
    }
    Designer->EndDesign();
}

} // namespace
