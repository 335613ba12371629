// Chinese text through the text form: single-byte UTF-8, wide and UTF-8 strings convert to
// text and back without losing a character, and the #n printing stays the other converters'.

#include <gtest/gtest.h>

#include "StreamTestUtil.h"

using namespace std::string_literals;

namespace {
std::string ShortString(const std::string& bytes) {
    return "\x06"s + S(bytes);
}
std::string LongString(const std::string& bytes) {
    return "\x0C"s + U32(static_cast<uint32_t>(bytes.size())) + bytes;
}
std::string Utf8String(const std::string& bytes) {
    return "\x14"s + U32(static_cast<uint32_t>(bytes.size())) + bytes;
}
std::string WideString(const std::u16string& units) {
    std::string out = "\x12"s + U32(static_cast<uint32_t>(units.size()));
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}
/// A form whose caption and whose widget's lines hold the given string values.
std::string FormWith(const std::string& caption, const std::vector<std::string>& lines) {
    std::string list;
    for (const std::string& v : lines)
        list += v;
    return "TPF0"s + S("TFixForm") + S("F") + S("Caption") + caption + "\x00"s + S("TFixWidget") +
           S("W") + S("Lines.Strings") + "\x01"s + list + "\x00\x00\x00\x00"s;
}

const std::string Title = "标题"; // 6 bytes of UTF-8
const std::string Long = "中文说明" + std::string(300, 'x');

#define REQUIRE_ORACLE()                                                                           \
    if (!OracleAvailable()) GTEST_SKIP() << "fpc was not found when the build was configured";
} // namespace

TEST(ObjectTextChinese, EveryStringKindComesBackFromTheTextReadingTheSame) {
    RegisterStreamFixtures();
    const std::string binary = FormWith(
        ShortString(Title), {LongString(Long), WideString(u"宽字符'串"), Utf8String("名称'a\r\n"),
                             ShortString("\xB1\xEA\xCC\xE2"), WideString(u"abc")});
    const std::string text = BinaryToText(binary);
    EXPECT_NE(text.find("Caption = '标题'\n"), std::string::npos) << text;
    EXPECT_NE(text.find("'名称''a'#13#10\n"), std::string::npos) << text;

    const std::string back = TextToBinary(text);
    // The kind of a UTF-8 string cannot be told from the text: it comes back single-byte,
    // with the same bytes; an ASCII-only wide string comes back single-byte too.
    EXPECT_EQ(Hex(back),
              Hex(FormWith(ShortString(Title),
                           {LongString(Long), WideString(u"宽字符'串"), ShortString("名称'a\r\n"),
                            ShortString("\xB1\xEA\xCC\xE2"), ShortString("abc")})));
    for (const std::string* stream : {&binary, &back}) {
        auto* form = static_cast<TFixForm*>(LoadFromBytes(*stream));
        auto* w = static_cast<TFixWidget*>(form->FindComponent("W"));
        EXPECT_EQ(form->Caption, Title);
        ASSERT_EQ(w->Lines()->Count(), 5);
        EXPECT_EQ(w->Lines()->Strings(0), Long);
        EXPECT_EQ(w->Lines()->Strings(1), "宽字符'串");
        EXPECT_EQ(w->Lines()->Strings(2), "名称'a\r\n");
        EXPECT_EQ(w->Lines()->Strings(3), "标题") << "GBK bytes read as GBK";
        form->Free();
    }
    EXPECT_EQ(BinaryToText(back), text);
}

TEST(ObjectTextChinese, QuotedUtf8JoinedWithWideCodesIsDecodedAsUtf8) {
    const struct {
        const char* value;
        std::u16string expected;
    } cases[] = {
        {"#26631'题'#39064", u"标题题"},
        {"'标'#39064", u"标题"},
        {"'a' + '题' + #300", u"a题\u012C"},
        // Bytes that are not UTF-8 are still widened one by one.
        {"'\xB1\xEA'#300", u"\u00B1\u00EA\u012C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string text = "object F: TFixForm\n  Caption = "s + c.value + "\nend\n";
        EXPECT_EQ(Hex(TextToBinary(text)), Hex("TPF0"s + S("TFixForm") + S("F") + S("Caption") +
                                               WideString(c.expected) + "\x00\x00"s));
    }
}

TEST(ObjectTextChinese, CodesPrintingEqualsTheOracles) {
    REQUIRE_ORACLE();
    const std::string binary =
        FormWith(ShortString(Title), {LongString(Long), WideString(u"宽字符串"),
                                      Utf8String("名称'a\r\n"), ShortString("\xB1\xEA\xCC\xE2")});
    std::string expected;
    ASSERT_TRUE(RunOracle("totext", binary, expected));
    EXPECT_EQ(BinaryToText(binary, TTextStrings::Codes), expected);
    EXPECT_NE(BinaryToText(binary), expected) << "the default keeps the text readable";
}
