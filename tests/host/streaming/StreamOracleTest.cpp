// Cross-checks with an independent implementation of the format: Free Pascal's converter
// (built from tests/oracle/fpconv.pas when fpc is installed).

#include <gtest/gtest.h>

#include "StreamTestUtil.h"

using namespace std::string_literals;

namespace {
bool Oracle(const char* mode, const std::string& input, std::string& output) {
    return RunOracle(mode, input, output);
}
/// Our text in the printing that other converters share.
std::string OurText(const std::string& binary) {
    return BinaryToText(binary, TTextStrings::Codes);
}
std::string OurBinary(const std::string& text) {
    return TextToBinary(text);
}

std::string Ext(uint64_t mantissa, uint16_t signExp) {
    std::string out = "\x05"s;
    for (int i = 0; i < 8; ++i)
        out += static_cast<char>(mantissa >> (8 * i));
    out += static_cast<char>(signExp);
    out += static_cast<char>(signExp >> 8);
    return out;
}

#define REQUIRE_ORACLE()                                                                           \
    if (!OracleAvailable()) GTEST_SKIP() << "fpc was not found when the build was configured";
} // namespace

TEST(StreamOracle, OurStreamsPrintAsTheOracleDoes) {
    REQUIRE_ORACLE();
    TFixForm* form = MakeSampleForm();
    std::string sample = SaveToBytes(form);
    form->Free();
    // Value types one by one, in a property list and inside lists and collections.
    const std::string values[] = {
        "\x06\x05"
        "a'b\x01\xFF"s,
        "\x06\x00"s,
        "\x0C"s + U32(300) + std::string(300, 'x'),
        "\x14\x07\x00\x00\x00"
        "a\xE6\xA0\x87\xC3\xA9\x7F"s,
        "\x12\x03\x00\x00\x00"
        "a\x00\x3D\xD8\x00\xDE"s,
        "\x15\x01\x00\x00\x00\x07\x68"s,
        "\x02\x80"s,
        "\x03\x00\x80"s,
        "\x04\xFF\xFF\xFF\x7F"s,
        "\x13\x00\x00\x00\x00\x00\x00\x00\x80"s,
        Ext(0xC000000000000000ULL, 0x3FFF),
        Ext(0x8000000000000000ULL, 0xFFFF),
        Ext(0xC000000000000000ULL, 0x7FFF),
        Ext(1, 0),
        Ext(0xFFFFFFFFFFFFFFFFULL, 0x7FFE),
        Ext(0x8000000000000001ULL, 0x4002),
        Ext(0, 0x8000),
        "\x07\x0B"
        "Owner.Edit1"s,
        "\x08"s,
        "\x09"s,
        "\x0D"s,
        "\x0B\x00"s,
        "\x0B\x01"
        "a\x02"
        "bc\x00"s,
        "\x0A"s + U32(70) + std::string(70, '\xA5'),
        "\x0A"s + U32(0),
        "\x01\x00"s,
        "\x01\x01\x02\x01\x00\x06\x01x\x0E\x00\x00"s,
        "\x0E\x01"s + S("A") + "\x0E\x01"s + S("B") + "\x01\x02\x01\x00\x00\x00\x00\x01\x00\x00"s,
    };
    std::vector<std::string> streams{sample};
    for (const std::string& v : values)
        streams.push_back("TPF0"s + S("TForm1") + S("Form1") + S("P") + v + S("Q.R") + "\x01"s + v +
                          "\x00\x00"s + "\xF2\x02\x03"s + S("TX") + S("") + "\x00\x00\x00"s);
    for (const std::string& binary : streams) {
        std::string expected;
        ASSERT_TRUE(Oracle("totext", binary, expected)) << Hex(binary);
        EXPECT_EQ(expected, OurText(binary)) << Hex(binary);
    }
}

TEST(StreamOracle, TextFormsEncodeAsTheOracleEncodesThem) {
    REQUIRE_ORACLE();
    const std::string values[] = {
        "'It''s ok'#13#10'next'",
        "''",
        "'标题'",
        "'a'#200",
        "#26631#39064",
        "'x'#300'y'",
        "'a' + 'b' + #1",
        "#65536",
        "'" + std::string(300, 'q') + "'",
        "-5",
        "$FF",
        "$FFFFFFFF",
        "$FFFFFFFFFFFFFFFF",
        "2147483648",
        "-9223372036854775808",
        "18446744073709551615",
        "00012",
        "1.5",
        "-2.0",
        "0.1",
        "1e300",
        "1.5E-0010",
        "3.14159",
        "5.",
        "1.e5",
        "1.5d",
        "1.18973149535723176502E+4932",
        "3.64519953188247460253E-4951",
        "True",
        "FALSE",
        "nil",
        "Null",
        "Owner.Edit1.Font",
        "[]",
        "[fsBold, fsItalic]",
        "()",
        "(1 'a' (2) [x] {00})",
        "{ 0a 0B ff }",
        "{}",
        "<>",
        "<item end item X = 1 Y.Z = (1) end>",
    };
    for (const std::string& v : values) {
        std::string text = "object Form1: TForm1\n  P = " + v + "\n  object TX\n  end\n" +
                           "  inherited B: TY[2]\n    Q = 1\n  end\n  inline C: TZ\n  end\nend\n";
        std::string expected;
        ASSERT_TRUE(Oracle("tobinary", text, expected)) << text;
        EXPECT_EQ(Hex(expected), Hex(OurBinary(text))) << v;
    }
}

TEST(StreamOracle, StreamsTheOracleWritesLoadIntoOurReader) {
    REQUIRE_ORACLE();
    // Our sample, printed as text and encoded again by the oracle (strings come back as
    // UTF-16, floats through their 21-digit text), loads with every value intact.
    TFixForm* form = MakeSampleForm();
    std::string expected = DescribeTree(form);
    std::string text = OurText(SaveToBytes(form));
    form->Free();
    std::string binary;
    ASSERT_TRUE(Oracle("tobinary", text, binary));
    TComponent* loaded = LoadFromBytes(binary);
    EXPECT_EQ(expected, DescribeTree(loaded));
    loaded->Free();

    // A form written by hand in the text form.
    std::string handWritten = "object F: TFixForm\n"
                              "  Caption = '中文'#13#10'Text'\n"
                              "  object W: TFixWidget\n"
                              "    Left = -70000\n"
                              "    Big = 5000000000\n"
                              "    Ratio = 2.5e-3\n"
                              "    Kinds = [fkAlpha, fkBeta]\n"
                              "    Kind = fkGamma\n"
                              "    Flag = True\n"
                              "    Color = fxRed\n"
                              "    Lines.Strings = (\n      'one'\n      #20108)\n"
                              "    Items = <\n      item\n        Caption = 'c'\n      end>\n"
                              "    Data = {0102}\n"
                              "    Buddy = Owner\n"
                              "    OnClick = WidgetClick\n"
                              "  end\n"
                              "end\n";
    ASSERT_TRUE(Oracle("tobinary", handWritten, binary));
    auto* f = static_cast<TFixForm*>(LoadFromBytes(binary));
    auto* w = static_cast<TFixWidget*>(f->FindComponent("W"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(f->Caption, "中文\r\nText");
    EXPECT_EQ(w->Left, -70000);
    EXPECT_EQ(w->Big, 5000000000LL);
    EXPECT_EQ(w->Ratio, 2.5e-3);
    EXPECT_EQ(w->Kinds, (TFixKinds{fkAlpha, fkBeta}));
    EXPECT_EQ(w->Kind, fkGamma);
    EXPECT_TRUE(w->Flag);
    EXPECT_EQ(w->Color, 0xFF);
    EXPECT_EQ(w->Lines()->CommaText(), "one,二");
    ASSERT_EQ(w->Items()->Count(), 1);
    EXPECT_EQ(w->Items()->Item(0)->Caption, "c");
    EXPECT_EQ(w->Data, "\x01\x02");
    EXPECT_EQ(w->Buddy(), f);
    w->OnClick(w);
    EXPECT_EQ(f->Clicks, 1);
    f->Free();
}
