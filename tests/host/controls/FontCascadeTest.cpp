// A parent's font reaching the children that follow it: on a change, and when a control moves
// to another parent, whose font may be the same or differ.

#include <QWidget>

#include "WindowTesting.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
class FontCascade : public WindowTest {};

TEST_F(FontCascade, AMoveChangesFontsOnlyWhereTheNewParentsFontDiffers) {
    // Each row: the font height of the parent the panel moves to, and whether that is the
    // font the panel and its children had under the form.
    struct Row {
        int height;
        bool same;
    };
    const Row rows[] = {{-11, true}, {-19, false}, {-11, true}};
    Form->Font()->SetHeight(-11);
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(10, 10, 200, 100);
    auto* inner = new TTestPanel(Form);
    inner->SetParent(panel);
    auto* label = new TLabel(Form);
    label->SetCaption("标签 label");
    label->SetParent(inner);
    auto* own = new TTestPanel(Form);
    own->Font()->SetHeight(-30);
    own->SetParent(panel);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.height);
        auto* home = new TTestPanel(Form);
        home->Font()->SetHeight(row.height);
        home->SetParent(Form);
        home->SetBounds(0, 120, 300, 200);
        const int labelWidth = label->Width();
        MessageLog panelLog(panel), innerLog(inner), labelLog(label), ownLog(own);
        panel->SetParent(home);
        const int changes = row.same ? 0 : 1;
        EXPECT_EQ(panelLog.Count(CM_FONTCHANGED), changes);
        EXPECT_EQ(innerLog.Count(CM_FONTCHANGED), changes);
        EXPECT_EQ(labelLog.Count(CM_FONTCHANGED), changes);
        EXPECT_EQ(ownLog.Count(CM_FONTCHANGED), 0) << "a control with its own font keeps it";
        for (TControl* c : {static_cast<TControl*>(panel), static_cast<TControl*>(inner),
                            static_cast<TControl*>(label)}) {
            EXPECT_EQ(c->Font()->Height(), row.height) << c->ClassName();
            EXPECT_TRUE(c->ParentFont()) << c->ClassName();
        }
        EXPECT_EQ(own->Font()->Height(), -30);
        EXPECT_EQ(WidgetOf(inner->Handle())->font().pixelSize(), -row.height)
            << "the window shows the font";
        if (row.same)
            EXPECT_EQ(label->Width(), labelWidth);
        else
            EXPECT_NE(label->Width(), labelWidth) << "the label sized itself to the new font";
        panel->SetParent(Form);
        home->Free();
    }
}

TEST_F(FontCascade, AParentFontTurnedBackOnTakesTheParentsFontOnlyWhenItDiffers) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    Form->Font()->SetHeight(-15);
    for (int own : {-15, -22}) {
        SCOPED_TRACE(own);
        panel->Font()->SetHeight(-40);
        panel->Font()->SetHeight(own);
        ASSERT_FALSE(panel->ParentFont());
        MessageLog log(panel);
        panel->SetParentFont(true);
        EXPECT_EQ(log.Count(CM_FONTCHANGED), own == -15 ? 0 : 1);
        EXPECT_EQ(panel->Font()->Height(), -15);
        EXPECT_TRUE(panel->ParentFont());
        panel->SetParentFont(false);
    }
}

TEST_F(FontCascade, ALabelMovedToAParentOfTheSameFontStillFitsItsText) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    auto* label = new TLabel(Form);
    label->SetCaption("标签");
    label->SetParent(Form);
    const TRect fitted = label->BoundsRect();
    label->SetBounds(fitted.Left, fitted.Top, 200, 60);
    ASSERT_TRUE(label->Font()->SameAs(*panel->Font()));
    label->SetParent(panel);
    EXPECT_EQ(label->Width(), fitted.Width());
    EXPECT_EQ(label->Height(), fitted.Height());
    // A longer text is measured anew, and the next move fits that one.
    label->SetCaption("标签标签标签");
    const int longer = label->Width();
    EXPECT_GT(longer, fitted.Width());
    label->SetBounds(fitted.Left, fitted.Top, 20, 60);
    label->SetParent(Form);
    EXPECT_EQ(label->Width(), longer);
    EXPECT_EQ(label->Height(), fitted.Height());
}

TEST_F(FontCascade, AHandlerOnAControlsFontLeavesTheControlFollowingItsChanges) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    auto* child = new TTestPanel(Form);
    child->SetParent(panel);
    int heard = 0;
    panel->Font()->OnChange = [&](TObject*) { ++heard; };
    MessageLog panelLog(panel), childLog(child);
    panel->Font()->SetHeight(-23);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(panelLog.Count(CM_FONTCHANGED), 1);
    EXPECT_FALSE(panel->ParentFont()) << "a font set on the control is its own";
    EXPECT_EQ(child->Font()->Height(), -23) << "and its children follow it";
    EXPECT_EQ(WidgetOf(panel->Handle())->font().pixelSize(), 23);
}
} // namespace
