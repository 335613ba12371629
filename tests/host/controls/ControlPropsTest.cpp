// Published properties of controls and forms, through the generic accessors.

#include "WindowTesting.h"

namespace {
class WinPropsTest : public WindowTest {};

TEST_F(WinPropsTest, ControlsPublishTheExpectedPropertiesWithThePlatformsDefaults) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    struct Case {
        const char* name;
        const char* type;
        int32_t def;
    };
    const Case cases[] = {
        {"Align", "TAlign", alNone}, {"Visible", "Boolean", 1},     {"Enabled", "Boolean", 1},
        {"Cursor", "TCursor", 0},    {"Color", "TColor", clWindow}, {"TabStop", "Boolean", 0},
        {"TabOrder", "Integer", -1}, {"ShowHint", "Boolean", 0},
    };
    for (const Case& c : cases) {
        const TPropInfo* info = GetPropInfo(panel, c.name);
        ASSERT_NE(info, nullptr) << c.name;
        EXPECT_EQ(info->PropType->Name, c.type) << c.name;
        EXPECT_EQ(info->Default, c.def) << c.name;
    }
    for (const char* name : {"Left", "Top", "Width", "Height", "Font", "Hint", "OnClick",
                             "OnMouseDown", "OnKeyDown", "OnKeyPress", "OnResize"})
        EXPECT_TRUE(IsPublishedProp(panel, name)) << name;
    EXPECT_EQ(PropType(panel, "OnMouseDown"), tkMethod);
    EXPECT_EQ(GetPropInfo(Form, "Caption")->PropType->Name, "TCaption");
}

TEST_F(WinPropsTest, SettingAlignByNameLaysTheControlOut) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    SetPropValue(panel, "Align", Variant("alClient"));
    EXPECT_EQ(panel->Align(), alClient);
    EXPECT_EQ(panel->BoundsRect(), Form->ClientRect());
    EXPECT_EQ(GetPropValue(panel, "Align").AsString(), "alClient");
    SetPropValue(panel, "Visible", Variant("False"));
    EXPECT_FALSE(panel->Visible());
}

TEST_F(WinPropsTest, ChildrenFollowTheParentsColourAndFontUntilGivenTheirOwn) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    Form->SetColor(clYellow);
    EXPECT_EQ(panel->Color(), clYellow);
    Form->Font()->SetSize(14);
    EXPECT_EQ(panel->Font()->Size(), 14);
    EXPECT_TRUE(panel->ParentFont());
    panel->Font()->SetSize(9);
    EXPECT_FALSE(panel->ParentFont());
    Form->Font()->SetSize(20);
    EXPECT_EQ(panel->Font()->Size(), 9);
    EXPECT_TRUE(IsStoredProp(panel, GetPropInfo(panel, "Font")));
    auto* follower = new TTestPanel(Form);
    follower->SetParent(Form);
    EXPECT_EQ(follower->Font()->Size(), 20);
    EXPECT_FALSE(IsStoredProp(follower, GetPropInfo(follower, "Font")));
}

TEST_F(WinPropsTest, AControlIsRefusedAsAParentInsideItself) {
    auto* outer = new TTestPanel(Form);
    outer->SetParent(Form);
    auto* inner = new TTestPanel(Form);
    inner->SetParent(outer);
    auto* innermost = new TTestPanel(Form);
    innermost->SetParent(inner);
    for (TWinControl* parent : {static_cast<TWinControl*>(outer), static_cast<TWinControl*>(inner),
                                static_cast<TWinControl*>(innermost)})
        EXPECT_THROW(outer->SetParent(parent), EInvalidOperation);
    EXPECT_EQ(Form, outer->Parent()) << "a refused parent changes nothing";
    EXPECT_EQ(outer, inner->Parent());
}
} // namespace
