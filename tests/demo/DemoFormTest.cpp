// The demo's form: the insert palette, the mode in the status bar and the tool bar buttons
// that are enabled only when they can act, through real clicks.
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "DemoTesting.h"
#include "demo/DemoForm.h"
#include "host/comctrls/ComCtrls.h"
#include "host/qt/Window_p.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DemoFormTest : public DemoTest {
protected:
    TToolButton* Button(const std::string& caption) { return Form->ToolButton(caption); }
    std::string Status(int panel) { return Form->StatusBar()->Panels()->Items(panel)->Text(); }
    std::vector<bool> Enabled() {
        std::vector<bool> out;
        for (const char* c : {"开始设计", "结束设计", "撤销", "重做"})
            out.push_back(Button(c)->Enabled());
        return out;
    }
};

TEST_F(DemoFormTest, ToolBarButtonsAreEnabledOnlyWhenTheyCanAct) {
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false}));
    ClickOn(Button("开始设计"));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(Status(0), "设计中");
    // A keyboard move of the selected control makes a change to undo.
    TControl* edit = Cast<TControl>(Form->FindComponent("EditName"));
    ClickOn(edit);
    QTest::keyClick(Window(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, true, false}));
    ClickOn(Button("撤销"));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(Status(3), "未修改") << "undone back to where the design started";
    // The keys on the design surface keep the status and the buttons up to date too.
    ClickOn(edit);
    QTest::keyClick(Window(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Status(3), "已修改");
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, true, false}));
    QTest::keyClick(Window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Status(3), "未修改");
    ClickOn(Button("结束设计"));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(Status(0), "运行中");
}

TEST_F(DemoFormTest, TheSnapTogglesStartOnAndSwitchTheDesigners) {
    using Getter = bool (TZkFormDesigner::*)() const;
    const std::pair<const char*, Getter> toggles[] = {{"对齐网格", &TZkFormDesigner::SnapToGrid},
                                                      {"参考线", &TZkFormDesigner::SnapToGuides}};
    for (const auto& [caption, get] : toggles) {
        SCOPED_TRACE(caption);
        EXPECT_TRUE(Button(caption)->Down());
        EXPECT_TRUE((Form->Designer()->*get)());
        ClickOn(Button(caption));
        EXPECT_FALSE(Button(caption)->Down());
        EXPECT_FALSE((Form->Designer()->*get)());
    }
}

TEST_F(DemoFormTest, ThePaletteAndTheInspectorButtonActOnASessionOnly) {
    for (bool designing : {false, true, false}) {
        SCOPED_TRACE(designing);
        if (designing)
            ClickOn(Button("开始设计"));
        else if (Form->Designer()->IsDesigning())
            ClickOn(Button("结束设计"));
        EXPECT_EQ(Button("属性")->Enabled(), designing);
        EXPECT_EQ(Button("编辑框")->Enabled(), designing);
        EXPECT_EQ(Button("↖ 选择")->Enabled(), designing);
        // A click that reaches a disabled palette button anyway picks no mode.
        Button("编辑框")->Click();
        EXPECT_EQ(Form->Designer()->DesignState(), designing ? dsInsert : dsSelect);
        EXPECT_EQ(Button("↖ 选择")->Down(), !designing);
        Form->SetInsertMode(nullptr);
    }
}

TEST_F(DemoFormTest, ThePaletteSetsTheInsertClassAndTheStatusBarShowsTheMode) {
    Form->StartDesign();
    ClickOn(Button("编辑框"));
    EXPECT_EQ(Form->Designer()->DesignState(), dsInsert);
    EXPECT_EQ(Form->Designer()->InsertClass(), TEdit::StaticClass());
    EXPECT_EQ(Status(1), "模式：插入编辑框");
    EXPECT_TRUE(Button("编辑框")->Down());
    EXPECT_FALSE(Button("↖ 选择")->Down());
    // A click on empty ground inserts an edit there.
    const int count = Form->Designer()->OverlayCount();
    QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(600, 220));
    Application->ProcessMessages();
    ASSERT_EQ(Form->Designer()->OverlayCount(), count + 1);
    EXPECT_EQ(Form->Designer()->Overlay(count)->Control()->ClassName(), "TEdit");
    ClickOn(Button("↖ 选择"));
    EXPECT_EQ(Form->Designer()->DesignState(), dsSelect);
    EXPECT_EQ(Status(1), "模式：选择");
    Form->Designer()->EndDesign();
}

} // namespace
