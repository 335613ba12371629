// The demo's docked inspector: beside the designed controls during a session, switched by 属性,
// and the lines editor behind the dialog button of string-list rows.
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "DemoTesting.h"
#include "demo/DemoForm.h"
#include "design/FormDesigner.h"
#include "host/comctrls/ComCtrls.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/qt/Window_p.h"
#include "inspector/ObjectInspector.h"

namespace {

class DemoInspector : public DemoTest {
protected:
    TControl* Named(const char* name) { return Cast<TControl>(Form->FindComponent(name)); }
    TObjectInspForm* Insp() { return Form->Designer()->Inspector(); }
    int RowOf(const std::string& prop) {
        for (int i = 0; i < Insp()->GetCount(); ++i)
            if (Insp()->Props(i)->PropName() == prop) return i;
        return -1;
    }
};

TEST_F(DemoInspector, SessionDocksTheInspectorLeftOfEveryDesignedControl) {
    ClickOn(Form->ToolButton("开始设计"));
    ASSERT_TRUE(Insp()->Visible());
    EXPECT_EQ(Insp()->Parent(), Form);
    const int right = Form->Designer()->InspectorSplitter()->BoundsRect().Right;
    for (int i = 0; i < Form->Designer()->OverlayCount(); ++i)
        EXPECT_GE(Form->Designer()->Overlay(i)->Left() + 4, right)
            << Form->Designer()->Overlay(i)->Control()->Name();
    ClickOn(Named("EditName"));
    EXPECT_EQ(Insp()->CurObject(), Named("EditName"));
    ClickOn(Form->ToolButton("属性"));
    EXPECT_FALSE(Insp()->Visible());
    EXPECT_FALSE(Form->ToolButton("属性")->Down());
    ClickOn(Form->ToolButton("属性"));
    EXPECT_TRUE(Insp()->Visible());
    ClickOn(Form->ToolButton("结束设计"));
    EXPECT_FALSE(Insp()->Visible());
}

TEST_F(DemoInspector, InspectorWidthFollowsItsSplitterDraggedWithTheMouse) {
    ClickOn(Form->ToolButton("开始设计"));
    TSplitter* splitter = Form->Designer()->InspectorSplitter();
    ASSERT_TRUE(splitter && splitter->Visible());
    int width = Insp()->Width();
    for (int dx : {60, -90}) {
        SCOPED_TRACE(dx);
        const TPoint from = Form->ScreenToClient(splitter->ClientToScreen({1, 40}));
        QTest::mousePress(Window(), Qt::LeftButton, {}, QPoint(from.X, from.Y));
        QTest::mouseMove(Window(), QPoint(from.X + dx / 2, from.Y));
        QTest::mouseMove(Window(), QPoint(from.X + dx, from.Y));
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, QPoint(from.X + dx, from.Y));
        Application->ProcessMessages();
        width += dx;
        EXPECT_EQ(Insp()->Width(), width);
        EXPECT_EQ(splitter->Left(), Insp()->BoundsRect().Right);
        EXPECT_FALSE(Form->Designer()->IsDirty()) << "the inspector is no part of the design";
    }
    ClickOn(Form->ToolButton("结束设计"));
}

TEST_F(DemoInspector, StringListRowOpensTheLinesEditor) {
    int shown = 0;
    Form->SetLinesEditorRunner([&](TLinesEditor* editor) {
        ++shown;
        EXPECT_EQ(editor->Memo->Lines()->Strings(0), "北京");
        editor->Memo->Lines()->SetText("上海\n广州");
        return shown == 1 ? int(mrOk) : int(mrCancel);
    });
    auto* list = Cast<TListBox>(Form->FindComponent("ListTags"));
    ASSERT_TRUE(list);
    list->Items()->Clear();
    list->Items()->Add("北京");
    Form->StartDesign();
    Insp()->SetCurObject(list);
    Insp()->SetItemIndex(RowOf("Items"));
    Application->ProcessMessages();
    Insp()->EditBtnClick(Insp()->EditBtn);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(list->Items()->Count(), 2);
    EXPECT_EQ(list->Items()->Strings(1), "广州");
    EXPECT_TRUE(Form->Designer()->IsDirty());
    // Cancelled: the lines stay.
    list->Items()->Clear();
    list->Items()->Add("北京");
    Insp()->EditBtnClick(Insp()->EditBtn);
    EXPECT_EQ(list->Items()->Count(), 1);
    Form->Designer()->SetIsDirty(false);
    Form->Designer()->EndDesign();
}

} // namespace
