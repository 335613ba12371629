// TProp on real controls: display texts, the special writes by type name, failures.

#include <memory>

#include "InspectorTesting.h"
#include "host/menus/Menus.h"

namespace {

class PropTest : public InspectorTest {
protected:
    std::unique_ptr<TProp> Prop(TObject* obj, const char* name) {
        const TPropInfo* info = GetPropInfo(obj, name);
        EXPECT_NE(info, nullptr) << name;
        return std::make_unique<TProp>(obj, *info, Insp);
    }
    std::string Text(TObject* obj, const char* name) {
        return VarToStr(Prop(obj, name)->GetValue());
    }
};

TEST_F(PropTest, BooleanAndWordBoolReadAsYesNoAndWriteByTheirOwnRules) {
    struct Case {
        const char* written;
        bool visibleAfter; // Boolean: true only for 是
        bool flagAfter;    // WordBool: looked up among False/True, other texts change nothing
    };
    const Case cases[] = {{"是", true, true},
                          {"否", false, true},
                          {"yes", false, true},
                          {"False", false, false},
                          {"True", false, true}};
    Button1->SetVisible(true);
    Target->Flag = true;
    EXPECT_EQ(Text(Button1, "Visible"), "是");
    EXPECT_EQ(Text(Target, "Flag"), "是");
    Target->Flag = false;
    EXPECT_EQ(Text(Target, "Flag"), "否");
    Target->Flag = true;
    for (const Case& c : cases) {
        Prop(Button1, "Visible")->SetValue(Variant(c.written));
        Prop(Target, "Flag")->SetValue(Variant(c.written));
        EXPECT_EQ(Button1->Visible(), c.visibleAfter) << c.written;
        EXPECT_EQ(Target->Flag, c.flagAfter) << c.written;
    }
    EXPECT_EQ(Text(Button1, "Visible"), "否");
}

TEST_F(PropTest, CursorsReadAsIdentifiersAndWriteTheirValues) {
    Button1->SetCursor(crHandPoint);
    EXPECT_EQ(Text(Button1, "Cursor"), "crHandPoint");
    const std::pair<const char*, TCursor> writes[] = {
        {"crSize", -5}, {"crHandPoint", -21}, {"crDefault", 0}, {"crSizeAll", -22}};
    for (auto [name, value] : writes) {
        Prop(Button1, "Cursor")->SetValue(Variant(name));
        EXPECT_EQ(Button1->Cursor(), value) << name;
    }
    // No identifier of the table: the framework's own conversion gets the text.
    Prop(Button1, "Cursor")->SetValue(Variant("-3"));
    EXPECT_EQ(Button1->Cursor(), crCross);
    EXPECT_THROW(Prop(Button1, "Cursor")->SetValue(Variant("crNoSuchCursor")), Exception);
    EXPECT_EQ(Button1->Cursor(), crCross);
    // Values outside the table show as numbers.
    for (TCursor outside : {TCursor(5), TCursor(-23), TCursor(-300)}) {
        Button1->SetCursor(outside);
        EXPECT_EQ(Text(Button1, "Cursor"), IntToStr(outside));
    }
}

TEST_F(PropTest, AValueADesignerKeepsIsReadAndWrittenThereAndAnyOtherOnTheObject) {
    Prop(Target, "Align")->SetValue(Variant("alRight"));
    EXPECT_EQ(Target->Align(), alRight);
    EXPECT_EQ(Text(Target, "Align"), "alRight");
    // Not a name of the type: nothing is written.
    Prop(Target, "Align")->SetValue(Variant("alSideways"));
    EXPECT_EQ(Target->Align(), alRight);
    // A designer that keeps the alignment gets the ordinal, and shows its own.
    int32_t kept = alLeft;
    Prop(Target, "Align")->Form()->OnKeptValue = [&](TObject*, const std::string& name,
                                                     Variant& value, bool write) {
        if (name != "Align") return false;
        if (write)
            kept = value.AsInteger();
        else
            value = Variant(kept);
        return true;
    };
    EXPECT_EQ(Text(Target, "Align"), "alLeft");
    Prop(Target, "Align")->SetValue(Variant("alClient"));
    EXPECT_EQ(kept, alClient);
    EXPECT_EQ(Target->Align(), alRight);
    Prop(Target, "Align")->Form()->OnKeptValue = nullptr;
}

TEST_F(PropTest, ClassPropertiesReadAsComponentNameOrTheirOwnName) {
    auto* menu = new TPopupMenu(Form);
    menu->SetName("PopupMenu1");
    EXPECT_EQ(Text(Button1, "PopupMenu"), "PopupMenu");
    Button1->SetPopupMenu(menu);
    EXPECT_EQ(Text(Button1, "PopupMenu"), "PopupMenu1");
    EXPECT_EQ(Text(Button1, "Font"), "Font");
    EXPECT_EQ(Text(Target, "Lines"), "Lines");
    EXPECT_EQ(Prop(Button1, "Font")->GetValueDirect().AsObject(), Button1->Font());
    EXPECT_EQ(Prop(Target, "Lines")->TypeName(), "TStrings");
}

TEST_F(PropTest, RecordsAndInterfacesReadAsTheirTypeNames) {
    for (TTypeKind kind : {tkRecord, tkInterface}) {
        TPropInfo info;
        info.Name = "Origin";
        info.PropType = MakeTypeInfo(kind, kind == tkRecord ? "TPoint" : "IUnknown");
        TProp prop(Target, info, Insp);
        EXPECT_EQ(VarToStr(prop.GetValue()), info.PropType->Name);
        EXPECT_TRUE(prop.IsClassProp());
        EXPECT_FALSE(prop.IsListProp());
    }
}

TEST_F(PropTest, DatesRoundTripThroughTheirTexts) {
    Target->Day = EncodeDate(2024, 2, 29);
    Target->Stamp = EncodeDate(2023, 12, 31) + EncodeTime(23, 59, 58, 0);
    const std::string day = Text(Target, "Day"), stamp = Text(Target, "Stamp");
    EXPECT_EQ(day, DateToStr(Target->Day));
    EXPECT_EQ(stamp, DateTimeToStr(Target->Stamp));
    Target->Day = Target->Stamp = 0;
    Prop(Target, "Day")->SetValue(Variant(day));
    Prop(Target, "Stamp")->SetValue(Variant(stamp));
    EXPECT_EQ(Text(Target, "Day"), day);
    EXPECT_EQ(Text(Target, "Stamp"), stamp);
    EXPECT_THROW(Prop(Target, "Day")->SetValue(Variant("not a date")), EConvertError);
    EXPECT_EQ(Text(Target, "Day"), day);
}

TEST_F(PropTest, BadTextForAnIntegerRaisesAndAnUnknownEnumNameIsDropped) {
    Button1->SetLeft(33);
    EXPECT_THROW(Prop(Button1, "Left")->SetValue(Variant("abc")), Exception);
    EXPECT_EQ(Button1->Left(), 33);
    Prop(Button1, "Left")->SetValue(Variant("44"));
    EXPECT_EQ(Button1->Left(), 44);
    Target->Shade = shMedium;
    EXPECT_NO_THROW(Prop(Target, "Shade")->SetValue(Variant("shPurple")));
    EXPECT_EQ(Target->Shade, shMedium);
    Prop(Target, "Shade")->SetValue(Variant("shDark"));
    EXPECT_EQ(Target->Shade, shDark);
    Target->Wide = "宽字符串";
    EXPECT_EQ(Text(Target, "Wide"), "宽字符串");
}

TEST_F(PropTest, CharactersShowAsThemselvesOrAsCodesAndTakeWhatTheyShow) {
    auto* edit = new TEdit(Form);
    // Every code shows as a text that, written back, gives that code.
    for (int code = 0; code < 256; ++code) {
        edit->SetPasswordChar(char(code));
        const std::string shown = Text(edit, "PasswordChar");
        const bool printable = code > ' ' && code < 127;
        EXPECT_EQ(shown, printable ? std::string(1, char(code)) : "#" + IntToStr(code));
        edit->SetPasswordChar(code == 'x' ? 'y' : 'x');
        Prop(edit, "PasswordChar")->SetValue(Variant(shown));
        EXPECT_EQ(uint8_t(edit->PasswordChar()), code) << shown;
    }
    struct Case {
        Variant written;
        int stored; // -1: refused, the value stays
    };
    const Case cases[] = {{Variant(""), 0},     {Variant("#007"), 7},
                          {Variant("é"), 0xE9}, {Variant(int32_t(65)), 'A'},
                          {Variant("42"), -1},  {Variant("#256"), -1},
                          {Variant("#-1"), -1}, {Variant("#x"), -1},
                          {Variant("€"), -1},   {Variant("##"), -1}};
    for (const Case& c : cases) {
        edit->SetPasswordChar('*');
        if (c.stored < 0) {
            EXPECT_THROW(Prop(edit, "PasswordChar")->SetValue(c.written), EPropertyConvertError)
                << c.written.AsString();
            EXPECT_EQ(edit->PasswordChar(), '*');
        } else {
            Prop(edit, "PasswordChar")->SetValue(c.written);
            EXPECT_EQ(uint8_t(edit->PasswordChar()), c.stored) << c.written.AsString();
        }
    }
}

TEST_F(PropTest, RowKindsChooseTheirButtons) {
    struct Case {
        TObject* obj;
        const char* name;
        bool classProp, listProp, enumNull;
    };
    const Case cases[] = {
        {Button1, "Font", true, false, false},   {Button1, "Color", true, false, false},
        {Button1, "Visible", false, true, true}, {Button1, "Cursor", false, true, false},
        {Button1, "Align", false, true, true},   {Button1, "Caption", false, false, false},
        {Target, "Flag", false, true, true},     {Target, "Lines", true, false, false}};
    for (const Case& c : cases) {
        auto p = Prop(c.obj, c.name);
        EXPECT_EQ(p->IsClassProp(), c.classProp) << c.name;
        EXPECT_EQ(p->IsListProp(), c.listProp) << c.name;
        EXPECT_EQ(p->IsEnumNull(), c.enumNull) << c.name;
    }
}

TEST_F(PropTest, EnumerationNamesFollowTheTypeRange) {
    auto shade = Prop(Target, "Shade");
    ASSERT_NE(shade->EnumNames(), nullptr);
    EXPECT_EQ(shade->EnumNames()->CommaText(), "shLight,shMedium,shDark");
    EXPECT_EQ(Prop(Button1, "Visible")->EnumNames(), nullptr);
    EXPECT_EQ(Prop(Button1, "Left")->EnumNames(), nullptr);
    // Unusual bounds keep their true range, and never more names than the type holds.
    static TTypeInfo odd{tkEnumeration, "TOdd", {}};
    odd.Data.MinValue = -300;
    odd.Data.MaxValue = 400;
    odd.Data.NameList = {"oddA", "oddB", "oddC"};
    odd.Data.BaseType = &odd;
    TPropInfo info;
    info.Name = "Odd";
    info.PropType = &odd;
    TProp prop(Target, info, Insp);
    EXPECT_EQ(prop.MinValue(), -300);
    EXPECT_EQ(prop.EnumNames()->Count(), 3);
}

} // namespace
