// Published properties of every type kind through the generic accessors.
#include <gtest/gtest.h>

#include "host/core/Component.h"

namespace {

enum TFruit { frApple, frBanana, frCherry };
using TFruits = TSet<TFruit>;
ZK_DECLARE_TYPEINFO(TFruit)
ZK_DECLARE_TYPEINFO(TFruits)
ZK_ENUM_TYPEINFO(TFruit, "frApple", "frBanana", "frCherry")
ZK_SET_TYPEINFO(TFruits, TFruit)

/// A component publishing one property of each kind that stock controls use.
class TSample : public TComponent {
    ZK_CLASS(TSample, TComponent)
    using TComponent::TComponent;
    int32_t Count = 0;
    int64_t Big = 0;
    uint8_t Small = 0;
    bool Flag = false;
    bool Word = false;
    TFruit Fruit = frBanana;
    TFruits Basket;
    double Ratio = 0;
    double When = 0;
    double Day = 0;
    int32_t Color = 0;
    int16_t Cursor = 0;
    std::string Caption;
    std::string Wide;
    std::string FileName;
    TComponent* Link = nullptr;
    TNotifyEvent OnPing;
    Variant Any;
    int32_t GetReadOnly() const { return 7; }
};

void PublishSample(TPublisher& p) {
    p.Prop("Count", &TSample::Count, &TSample::Count).Default(0);
    p.Prop("Big", &TSample::Big, &TSample::Big);
    p.Prop("Small", &TSample::Small, &TSample::Small);
    p.Prop("Flag", &TSample::Flag, &TSample::Flag).Default(false);
    p.Prop("Word", TypeInfos::WordBool(), &TSample::Word, &TSample::Word);
    p.Prop("Fruit", &TSample::Fruit, &TSample::Fruit).Default(frBanana);
    p.Prop("Basket", &TSample::Basket, &TSample::Basket).Default(0);
    p.Prop("Ratio", &TSample::Ratio, &TSample::Ratio);
    p.Prop("When", TypeInfos::TDateTime(), &TSample::When, &TSample::When);
    p.Prop("Day", TypeInfos::TDate(), &TSample::Day, &TSample::Day);
    p.Prop("Color", TypeInfos::TColor(), &TSample::Color, &TSample::Color);
    p.Prop("Cursor", TypeInfos::TCursor(), &TSample::Cursor, &TSample::Cursor).Default(0);
    p.Prop("Caption", TypeInfos::TCaption(), &TSample::Caption, &TSample::Caption);
    p.Prop("Wide", TypeInfos::WideString(), &TSample::Wide, &TSample::Wide);
    p.Prop("FileName", TypeInfos::TFileName(), &TSample::FileName, &TSample::FileName);
    p.Prop("Link", &TSample::Link, &TSample::Link);
    p.Prop("OnPing", &TSample::OnPing, &TSample::OnPing);
    p.Prop("Any", &TSample::Any, &TSample::Any);
    p.Prop("ReadOnly", &TSample::GetReadOnly, nullptr);
}

/// A descendant adds its own properties after the inherited ones.
class TSampleChild : public TSample {
    ZK_CLASS(TSampleChild, TSample)
    using TSample::TSample;
    std::string Extra;
};
void PublishSampleChild(TPublisher& p) {
    p.Prop("Extra", &TSampleChild::Extra, &TSampleChild::Extra);
}

} // namespace

ZK_IMPLEMENT_CLASS(TSample, TComponent, PublishSample)
ZK_IMPLEMENT_CLASS(TSampleChild, TSample, PublishSampleChild)

TEST(TypInfo, PropListIsInDeclarationOrderAncestorsFirst) {
    TSampleChild s(nullptr);
    const TPropList& list = GetPropList(&s);
    std::vector<std::string> names;
    for (auto* p : list)
        names.push_back(p->Name);
    ASSERT_EQ(names.size(), 22u);
    EXPECT_EQ(names[0], "Name");
    EXPECT_EQ(names[1], "Tag");
    EXPECT_EQ(names[2], "Count");
    EXPECT_EQ(names.back(), "Extra");
    EXPECT_EQ(GetPropInfo(&s, "extra")->DeclaringClass, TSampleChild::StaticClass());
    EXPECT_EQ(GetPropInfo(&s, "nosuch"), nullptr);
}

TEST(TypInfo, KindsAndTypeNamesAreThePlatforms) {
    TSample s(nullptr);
    struct Case {
        const char* prop;
        TTypeKind kind;
        const char* type;
    } cases[] = {
        {"Count", tkInteger, "Integer"},      {"Big", tkInt64, "Int64"},
        {"Small", tkInteger, "Byte"},         {"Flag", tkEnumeration, "Boolean"},
        {"Word", tkEnumeration, "WordBool"},  {"Fruit", tkEnumeration, "TFruit"},
        {"Basket", tkSet, "TFruits"},         {"Ratio", tkFloat, "Double"},
        {"When", tkFloat, "TDateTime"},       {"Day", tkFloat, "TDate"},
        {"Color", tkInteger, "TColor"},       {"Cursor", tkInteger, "TCursor"},
        {"Caption", tkLString, "TCaption"},   {"Wide", tkWString, "WideString"},
        {"FileName", tkLString, "TFileName"}, {"Link", tkClass, "TComponent"},
        {"OnPing", tkMethod, "TNotifyEvent"}, {"Any", tkVariant, "Variant"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prop);
        const TPropInfo* p = GetPropInfo(&s, c.prop);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->PropType->Kind, c.kind);
        EXPECT_EQ(p->PropType->Name, c.type);
    }
    EXPECT_EQ(tkEnumeration, 3);
    EXPECT_EQ(tkClass, 7);
    EXPECT_EQ(tkWString, 11);
    EXPECT_EQ(tkDynArray, 17);
}

TEST(TypInfo, SetPropValueConvertsTextAndGetPropValuePrefersStrings) {
    TSample s(nullptr);
    TComponent other(nullptr);
    struct Case {
        const char* prop;
        Variant in;
        std::string shown; // VarToStr of GetPropValue with strings preferred
    } cases[] = {
        {"Count", Variant("-123"), "-123"},
        {"Count", Variant(int32_t(2147483647)), "2147483647"},
        {"Big", Variant("5000000000"), "5000000000"},
        {"Small", Variant(int32_t(255)), "255"},
        {"Flag", Variant("True"), "True"},
        {"Flag", Variant(false), "False"},
        {"Word", Variant("true"), "True"},
        {"Fruit", Variant("frCherry"), "frCherry"},
        {"Fruit", Variant("FRAPPLE"), "frApple"},
        {"Fruit", Variant(int32_t(1)), "frBanana"},
        {"Fruit", Variant("2"), "frCherry"},
        {"Basket", Variant("[frApple, frCherry]"), "frApple,frCherry"},
        {"Basket", Variant("frBanana"), "frBanana"},
        {"Basket", Variant(""), ""},
        {"Ratio", Variant("1.5"), "1.5"},
        {"Ratio", Variant(int32_t(-3)), "-3"},
        {"When", Variant("2024-02-29 13:45:10"), "2024-02-29 13:45:10"},
        {"Day", Variant("1999-12-31"), "1999-12-31"},
        {"Color", Variant(int32_t(0x80000000 + 15)), "-2147483633"},
        {"Cursor", Variant("-21"), "-21"},
        {"Caption", Variant("标题 ok"), "标题 ok"},
        {"Wide", Variant("宽字符"), "宽字符"},
        {"Any", Variant(int64_t(7)), "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.prop) + " <- " + c.in.AsString());
        SetPropValue(&s, c.prop, c.in);
        EXPECT_EQ(VarToStr(GetPropValue(&s, c.prop)), c.shown);
    }
    SetPropValue(&s, "Link", Variant(static_cast<TObject*>(&other)));
    EXPECT_EQ(s.Link, &other);
    EXPECT_EQ(GetPropValue(&s, "Link").AsObject(), &other);
    SetPropValue(&s, "Link", Variant(int32_t(0)));
    EXPECT_EQ(s.Link, nullptr);
    EXPECT_EQ(GetPropValue(&s, "Fruit", false).AsInteger(), static_cast<int>(s.Fruit));
}

TEST(TypInfo, BadValuesRaiseAndLeaveThePropertyAlone) {
    TSample s(nullptr);
    s.Count = 5;
    s.Fruit = frApple;
    TObject notAComponent;
    struct Case {
        const char* prop;
        Variant in;
    } cases[] = {
        {"Count", Variant("12a")},         {"Count", Variant("")},
        {"Count", Variant("99999999999")}, {"Small", Variant(int32_t(256))},
        {"Small", Variant(int32_t(-1))},   {"Fruit", Variant("frDurian")},
        {"Fruit", Variant(int32_t(3))},    {"Fruit", Variant(int32_t(-1))},
        {"Basket", Variant("frApple,,")},  {"Basket", Variant("[frPear]")},
        {"Ratio", Variant("abc")},         {"When", Variant("2023-02-29")},
        {"Day", Variant("yesterday")},     {"ReadOnly", Variant(int32_t(1))},
        {"NoSuch", Variant(int32_t(1))},   {"Link", Variant(&notAComponent)},
        {"Link", Variant("Button1")},      {"OnPing", Variant("x")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.prop) + " <- " + c.in.AsString());
        EXPECT_THROW(SetPropValue(&s, c.prop, c.in), Exception);
    }
    EXPECT_EQ(s.Count, 5);
    EXPECT_EQ(s.Fruit, frApple);
    EXPECT_EQ(s.Link, nullptr);
    EXPECT_THROW(GetPropValue(&s, "NoSuch"), EPropertyError);
    EXPECT_THROW(GetPropValue(&s, "OnPing"), EPropertyError);
}

TEST(TypInfo, RangeErrorsRepeatWhatWasTypedAndGiveTheRange) {
    TSample s(nullptr);
    const struct {
        const char* prop;
        Variant in;
        const char* message;
    } cases[] = {
        {"Count", Variant("99999999999"), "“99999999999”超出属性 Count 的范围（-2147483648 到 2147483647）"},
        {"Count", Variant("-99999999999999999999"),
         "“-99999999999999999999”超出属性 Count 的范围（-2147483648 到 2147483647）"},
        {"Small", Variant(" 256 "), "“256”超出属性 Small 的范围（0 到 255）"},
        {"Small", Variant(int32_t(-1)), "“-1”超出属性 Small 的范围（0 到 255）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.prop) + " <- " + c.in.AsString());
        try {
            SetPropValue(&s, c.prop, c.in);
            ADD_FAILURE() << "no ERangeError";
        } catch (const ERangeError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(TypInfo, EnumerationTypeDataAndNames) {
    const TTypeInfo* t = TypeInfoOf<TFruit>();
    const TTypeData* d = GetTypeData(t);
    EXPECT_EQ(d->MinValue, 0);
    EXPECT_EQ(d->MaxValue, 2);
    EXPECT_EQ(d->BaseType, t);
    EXPECT_EQ(d->OrdType, otUByte);
    EXPECT_EQ(GetEnumName(t, 1), "frBanana");
    EXPECT_EQ(GetEnumName(t, 3), "");
    EXPECT_EQ(GetEnumName(t, -1), "");
    EXPECT_EQ(GetEnumValue(t, "FRCHERRY"), 2);
    EXPECT_EQ(GetEnumValue(t, "frPear"), -1);
    const TTypeInfo* b = TypeInfoOf<bool>();
    EXPECT_EQ(GetEnumName(b, 0), "False");
    EXPECT_EQ(GetEnumName(b, 1), "True");
    EXPECT_EQ(SetToString(TypeInfoOf<TFruits>(), 0b101, true), "[frApple,frCherry]");
    EXPECT_EQ(StringToSet(TypeInfoOf<TFruits>(), " [ frCherry ,frApple ] "), 0b101);
}

TEST(TypInfo, EventsTravelAsNamedMethods) {
    TSample s(nullptr);
    int calls = 0;
    TMethod m;
    m.Name = "PingHandler";
    m.Code = TNotifyEvent::Function([&](TObject*) { ++calls; });
    SetMethodProp(&s, "OnPing", m);
    s.OnPing(&s);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(GetMethodProp(&s, "OnPing").Name, "PingHandler");
    TMethod wrong;
    wrong.Code = std::function<void(int)>([](int) {});
    EXPECT_THROW(SetMethodProp(&s, "OnPing", wrong), EInvalidCast);
    SetMethodProp(&s, "OnPing", TMethod());
    EXPECT_FALSE(static_cast<bool>(s.OnPing));
    s.OnPing(&s); // unassigned: nothing happens
}

// Controls have dozens of events, most never bound.
static_assert(sizeof(TNotifyEvent) == sizeof(void*), "an unbound event is one pointer");

TEST(TypInfo, ACopiedEventKeepsItsHandlerWhenTheOriginalChanges) {
    TSample s(nullptr);
    int first = 0, second = 0;
    TMethod m;
    m.Name = "FirstHandler";
    m.Data = &s;
    m.Code = TNotifyEvent::Function([&](TObject*) { ++first; });
    ASSERT_TRUE(s.OnPing.Assign(m));
    TNotifyEvent copy = s.OnPing;
    s.OnPing = [&](TObject*) { ++second; };
    copy(&s);
    s.OnPing(&s);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(copy.MethodName(), "FirstHandler");
    EXPECT_EQ(copy.Data(), &s);
    EXPECT_EQ(s.OnPing.MethodName(), "") << "a plain callable has no handler name";
    copy = TNotifyEvent();
    EXPECT_FALSE(static_cast<bool>(copy));
    EXPECT_EQ(copy.Data(), nullptr);
    EXPECT_FALSE(static_cast<bool>(copy.Fn()));
}

TEST(TypInfo, DefaultsDecideWhatIsStored) {
    TSample s(nullptr);
    auto isDefault = [&](const char* n) { return IsDefaultPropValue(&s, GetPropInfo(&s, n)); };
    EXPECT_TRUE(isDefault("Count"));
    EXPECT_TRUE(isDefault("Fruit"));
    EXPECT_FALSE(isDefault("Big")); // no default: always stored
    EXPECT_TRUE(isDefault("Caption"));
    EXPECT_TRUE(isDefault("Ratio"));
    s.Count = 1;
    s.Fruit = frApple;
    s.Caption = "x";
    EXPECT_FALSE(isDefault("Count"));
    EXPECT_FALSE(isDefault("Fruit"));
    EXPECT_FALSE(isDefault("Caption"));
}
