// Conversions of the variant type.
#include <gtest/gtest.h>

#include "host/core/Object.h"
#include "host/core/Variant.h"

TEST(Variant, ConvertsToText) {
    TObject o;
    EXPECT_EQ(VarToStr(Variant()), "");
    EXPECT_EQ(VarToStr(Variant::Null()), "");
    EXPECT_EQ(VarToStr(Variant(true)), "True");
    EXPECT_EQ(VarToStr(Variant(int32_t(-5))), "-5");
    EXPECT_EQ(VarToStr(Variant(int64_t(1) << 40)), "1099511627776");
    EXPECT_EQ(VarToStr(Variant(2.5)), "2.5");
    EXPECT_EQ(VarToStr(Variant::FromDate(EncodeDate(2020, 1, 2))), "2020-01-02");
    EXPECT_EQ(VarToStr(Variant("中文")), "中文");
    EXPECT_NE(VarToStr(Variant(&o)), "0");
}

TEST(Variant, ConvertsBetweenNumbersTextAndBooleans) {
    EXPECT_EQ(Variant("42").AsInteger(), 42);
    EXPECT_EQ(Variant(" 42 ").AsInteger(), 42);
    EXPECT_EQ(Variant("2.6").AsInteger(), 3);
    EXPECT_EQ(Variant(2.5).AsInt64(), 3);
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_TRUE(Variant("TRUE").AsBoolean());
    EXPECT_FALSE(Variant("false").AsBoolean());
    EXPECT_TRUE(Variant(int32_t(2)).AsBoolean());
    EXPECT_DOUBLE_EQ(Variant("1e3").AsDouble(), 1000.0);
    EXPECT_THROW(Variant("abc").AsInteger(), EConvertError);
    EXPECT_THROW(Variant("yes").AsBoolean(), EConvertError);
    EXPECT_THROW(Variant(int64_t(1) << 40).AsInteger(), ERangeError);
    EXPECT_THROW(Variant(1e300).AsInt64(), EInvalidCast);
    EXPECT_THROW(Variant::Null().AsInteger(), EInvalidCast);
    EXPECT_THROW(Variant("x").AsObject(), EInvalidCast);
    EXPECT_EQ(Variant(int32_t(0)).AsObject(), nullptr);
    EXPECT_DOUBLE_EQ(VarToDateTime(Variant("1899-12-31")), 1.0);
}

TEST(Variant, EqualityComparesKindAndValue) {
    EXPECT_EQ(Variant(int32_t(1)), Variant(int32_t(1)));
    EXPECT_FALSE(Variant(int32_t(1)) == Variant(int64_t(1)));
    EXPECT_FALSE(Variant() == Variant::Null());
    EXPECT_EQ(Variant("a"), Variant(std::string("a")));
}
