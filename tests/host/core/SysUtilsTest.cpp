// Conversions between text and numbers or dates, ASCII case helpers, identifiers, ticks.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <thread>
#include <utility>

#include "host/core/SysUtils.h"

namespace {
template <class F> std::string ConvertErrorOf(F f) {
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "(no EConvertError)";
}
} // namespace

TEST(SysUtils, StrToInt_AcceptsSignHexAndBlanks) {
    // Hex gives the 32-bit pattern, as colours are written: "$FFFFFFFF" is -1.
    std::pair<const char*, int32_t> cases[] = {{"12", 12},
                                               {" -12 ", -12},
                                               {"+7", 7},
                                               {"$FF", 255},
                                               {"0x1f", 31},
                                               {"-$10", -16},
                                               {"$FFFFFFFF", -1},
                                               {"2147483647", INT32_MAX},
                                               {"-2147483648", INT32_MIN}};
    for (auto [text, value] : cases)
        EXPECT_EQ(StrToInt(text), value) << text;
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    int64_t v = 5;
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", v));
    EXPECT_EQ(v, 5);
}

TEST(SysUtils, StrToInt_RejectsBadTextAndOverflow_NamingTheText) {
    for (const char* text : {"12a", "", " ", "-", "$", "0x", "1 2", "+-1", "2147483648",
                             "-2147483649", "$100000000", "99999999999999999999"}) {
        EXPECT_EQ(ConvertErrorOf([&] { StrToInt(text); }),
                  "“" + std::string(text) + "”不是有效的整数");
    }
}

TEST(SysUtils, FloatToStr_WritesShortestTextThatReadsBack) {
    std::pair<double, const char*> cases[] = {
        {1.5, "1.5"},        {3, "3"},
        {-0.25, "-0.25"},    {0.1 + 0.2, "0.30000000000000004"},
        {100, "100"},        {1e15, "1E15"},
        {1e20, "1E20"},      {123456789012345.0, "123456789012345"},
        {0.0001, "0.0001"},  {1e-5, "1E-5"},
        {-2.5e-7, "-2.5E-7"}};
    for (auto [value, text] : cases) {
        EXPECT_EQ(FloatToStr(value), text);
        EXPECT_EQ(StrToFloat(text), value) << text;
    }
    for (double v : {1.0 / 3, M_PI, std::nextafter(1.0, 2.0), 5e-324, 2.2250738585072014e-308,
                     std::numeric_limits<double>::max(), 9007199254740993.0, -HUGE_VAL})
        EXPECT_EQ(StrToFloat(FloatToStr(v)), v) << FloatToStr(v);
}

TEST(SysUtils, StrToFloat_ReadsPointFormsAndRejectsOthers) {
    EXPECT_EQ(StrToFloat(" .5 "), 0.5);
    EXPECT_EQ(StrToFloat("+1e3"), 1000.0);
    EXPECT_EQ(StrToFloat("1e-400"), 0.0); // underflow reads as the nearest double
    for (const char* text : {"1,5", "", "e5", "1e", "1.2.3", ".", "1e400", "0x10", "1 5"}) {
        EXPECT_EQ(ConvertErrorOf([&] { StrToFloat(text); }),
                  "“" + std::string(text) + "”不是有效的数");
    }
}

TEST(SysUtils, TextHelpers_MapAsciiLettersOnly) {
    EXPECT_EQ(LowerCase("ÄbC_1Z"), "Äbc_1z");
    EXPECT_EQ(UpperCase("äbc_1z"), "äBC_1Z");
    EXPECT_TRUE(SameText("Button1", "bUTTON1"));
    EXPECT_FALSE(SameText("Ä", "ä")); // different UTF-8 bytes, not folded
    EXPECT_LT(CompareText("apple", "BANANA"), 0);
    EXPECT_GT(CompareText("abc", "AB"), 0);
    EXPECT_GT(CompareText("_", "a"), 0); // folded to upper case, '_' sorts after letters
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    for (const char* ok : {"a", "_", "Button1", "_x_2"})
        EXPECT_TRUE(IsValidIdent(ok)) << ok;
    for (const char* bad : {"", "1a", "a b", "a.b", "名称", "aé"})
        EXPECT_FALSE(IsValidIdent(bad)) << bad;
}

TEST(SysUtils, EncodeDate_CountsDaysFrom18991230) {
    struct Case {
        int y, m, d;
        double value;
    } cases[] = {{1899, 12, 30, 0},    {1900, 1, 1, 2},    {2000, 1, 1, 36526},
                 {1800, 1, 1, -36522}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465}};
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.value);
        int y, m, d;
        DecodeDate(c.value, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d);
    }
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    // Before the epoch the fraction's magnitude is still the time of day.
    EXPECT_EQ(DateTimeToStr(-1.25), "1899-12-29 06:00:00");
    EXPECT_EQ(StrToDateTime("1800-01-01 18:00"), -36522.75);
}

TEST(SysUtils, DateTimeText_RoundTrips) {
    for (const char* text : {"2023-03-05", "2024-02-29 23:59:59", "0001-01-01",
                             "9999-12-31 00:00:01", "1600-02-29 12:00:00", "1899-12-29 06:00:00"})
        EXPECT_EQ(DateTimeToStr(StrToDateTime(text)), text);
    EXPECT_EQ(DateTimeToStr(StrToDateTime(" 2023/3/5 7:05 ")), "2023-03-05 07:05:00");
    EXPECT_EQ(DateToStr(StrToDate("2023-03-05")), "2023-03-05");
    const TDateTime t = EncodeDate(2020, 5, 17) + EncodeTime(13, 14, 15, 999);
    EXPECT_EQ(TimeToStr(t), "13:14:15"); // seconds are truncated
    EXPECT_EQ(DateTimeToStr(EncodeDate(2000, 1, 1) + (1 - 1e-12)), "2000-01-02");
}

TEST(SysUtils, StrToDate_RejectsDatesThatDoNotExist) {
    for (const char* text : {"2023-02-29", "1900-02-29", "2023-13-01", "2023-00-10", "2023-04-31",
                             "0000-01-01", "2023-01", "", "2023-01-01x", "2023-01-01 10:00"}) {
        EXPECT_EQ(ConvertErrorOf([&] { StrToDate(text); }),
                  "“" + std::string(text) + "”不是有效的日期");
    }
    for (const char* text : {"2023-01-01 24:00", "2023-01-01 10:60", "2023-01-01 10:00:60",
                             "2023-01-01 10", "2023-02-29 10:00"}) {
        EXPECT_EQ(ConvertErrorOf([&] { StrToDateTime(text); }),
                  "“" + std::string(text) + "”不是有效的日期时间");
    }
}

TEST(SysUtils, NowAndTicks_FollowTheClocks) {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    TDateTime expected = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
                         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0);
    EXPECT_NEAR(Now(), expected, 5.0 / 86400);

    uint32_t start = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    uint32_t elapsed = GetTickCount() - start; // unsigned difference survives the wrap
    EXPECT_GE(elapsed, 25u);
    EXPECT_LT(elapsed, 5000u);
}
