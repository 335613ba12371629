// The text form without the oracle: round trips, syntax errors and damaged input.

#include <gtest/gtest.h>

#include "StreamTestUtil.h"
#include "host/core/Stream.h"
#include "host/streaming/ObjectText.h"

using namespace std::string_literals;

namespace {
std::string ToText(const std::string& binary) {
    TStringStream in(binary), out;
    ObjectBinaryToText(in, out);
    return out.DataString();
}
std::string ToBinary(const std::string& text) {
    TStringStream in(text), out;
    ObjectTextToBinary(in, out);
    return out.DataString();
}
} // namespace

TEST(ObjectText, SampleFormSurvivesBinaryToTextAndBack) {
    TFixForm* form = MakeSampleForm();
    std::string binary = SaveToBytes(form);
    form->Free();
    std::string text = ToText(binary);
    EXPECT_NE(text.find("object Form1: TFixForm\n  Caption = "), std::string::npos);
    EXPECT_NE(text.find("    Kinds = [fkAlpha, fkGamma]\n"), std::string::npos);
    EXPECT_NE(text.find("    Ratio =  1.50000000000000000000E+0000\n"), std::string::npos);
    EXPECT_NE(text.find("    Data = {\n      0001FF616263\n    }\n"), std::string::npos);
    // Binary -> text -> binary -> text is stable, and strings keep their text.
    std::string again = ToBinary(text);
    EXPECT_EQ(text, ToText(again));
    TComponent* loaded = LoadFromBytes(again);
    auto* panel = static_cast<TFixWidget*>(loaded->FindComponent("Panel1"));
    EXPECT_EQ(panel->Caption, "标题 Title");
    EXPECT_EQ(panel->Lines()->Strings(1), "第二行");
    loaded->Free();
}

TEST(ObjectText, WorkedExampleTextGivesTheWorkedExampleBytes) {
    std::string text = "object Form1: TForm1\n  Caption = 'Hi'\n  object Button1: TButton\n"
                       "    Left = 8\n  end\nend\n";
    std::string bytes = "TPF0\x06TForm1\x05"
                        "Form1\x07"
                        "Caption\x06\x02Hi\x00"s +
                        "\x07TButton\x07"
                        "Button1\x04Left\x02\x08\x00\x00\x00"s;
    EXPECT_EQ(Hex(bytes), Hex(ToBinary(text)));
    EXPECT_EQ(text, ToText(bytes));
}

TEST(ObjectText, PrefixFlagsAndPositionsTravelBothWays) {
    std::string text = "inherited F: TF[3]\n  object TA[2]\n  end\n  inline B: TB\n  end\nend\n";
    std::string bytes = ToBinary(text);
    EXPECT_EQ(Hex("TPF0\xF3\x02\x03\x02TF\x01"
                  "F\x00\xF2\x02\x02\x02TA\x00\x00\x00\xF4\x02TB\x01"
                  "B\x00\x00\x00"s),
              Hex(bytes));
    EXPECT_EQ(text, ToText(bytes));
    // The widest position that reads back; one beyond 32 bits is refused, not written.
    EXPECT_EQ(ToText(ToBinary("object A: TA[-2147483648]\nend\n")),
              "object A: TA[-2147483648]\nend\n");
    for (const char* wide : {"object A: TA[-2147483649]\nend\n", "object A: TA[$100000000]\nend\n"})
        EXPECT_THROW(ToBinary(wide), EParserError) << wide;
}

TEST(ObjectText, NamesHoldAtMost255BytesAndLongClassNamesReadBack) {
    // A name is a length byte and its bytes: longer ones are refused, not cut.
    for (const std::string& text : {"object F: " + std::string(256, 'T') + "\nend\n",
                                    "object F: T\n  " + std::string(256, 'P') + " = 1\nend\n",
                                    "object F: T\n  P = " + std::string(256, 'e') + "\nend\n"}) {
        try {
            ToBinary(text);
            ADD_FAILURE() << "accepted a name of 256 bytes";
        } catch (const EParserError& e) {
            EXPECT_EQ(e.Message().rfind("Identifier too long", 0), 0u) << e.Message();
        }
    }
    // A class name's length byte from 240 up reads as a prefix byte unless one comes first.
    for (size_t length : {239u, 240u, 255u}) {
        const std::string text = "object F: " + std::string(length, 'T') + "\nend\n";
        const std::string binary = ToBinary(text);
        EXPECT_EQ(ToText(binary), text) << length;
    }
}

TEST(ObjectText, AnInfinityAfterAStringInAListIsAnItemNotAJoin) {
    // "+Inf" printed after a string once read as that string joined with something else.
    for (const char* text : {"object A: TA\n  L = (\n    'x'\n    +Inf\n    -Inf)\nend\n",
                             "object A: TA\n  L = (\n    'x' + 'y'\n    +Inf)\nend\n"}) {
        const std::string bytes = ToBinary(text);
        EXPECT_EQ(Hex(ToBinary(ToText(bytes))), Hex(bytes)) << text;
    }
    EXPECT_EQ(Hex(ToBinary("object A: TA\n  S = 'x' + 'y'\nend\n")),
              Hex(ToBinary("object A: TA\n  S = 'xy'\nend\n")));
    EXPECT_THROW(ToBinary("object A: TA\n  S = 'x' + 1\nend\n"), EParserError);
}

TEST(ObjectText, SyntaxErrorsNameLineColumnAndOffset) {
    const std::pair<std::string, std::string> cases[] = {
        {"object F: T\n  P = 'abc\nend\n", "Unterminated string (at 2,7, stream offset 00000012)"},
        {"object F: T\n  P = - 1\nend\n",
         "Invalid property value (at 2,7, stream offset 00000012)"},
        {"object F: T\n  P = {0a0}\nend\n",
         "Unterminated byte value (at 2,7, stream offset 00000012)"},
        {"object F: T\n  P = [a b]\nend\n",
         "Wrong token type: , expected but Symbol found (at 2,10, stream offset 00000015)"},
        {"object F: T\n  P = 1\n", "Wrong token type: Symbol expected but end of text found "
                                   "(at 3,1, stream offset 00000014)"},
        {"object F: T\nend\nx", "End of text expected (at 3,1, stream offset 00000010)"},
        {"object F: T\n  P = 99999999999999999999\nend\n",
         "\"99999999999999999999\" is an invalid integer (at 2,7, stream offset 00000012)"},
        {"object F: T\n  P = " + std::string(100, '(') + "\nend\n",
         "Values nested too deeply (at 2,72, stream offset 00000053)"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ToBinary(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const EParserError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
}

TEST(ObjectText, DamagedBinaryNamesThePropertyItBrokeIn) {
    std::string bytes = "TPF0\x01T\x01"
                        "F\x01P\x0C\xFF\xFF\x00\x00"
                        "abc"s;
    try {
        ToText(bytes);
        ADD_FAILURE();
    } catch (const EReadError& e) {
        // The length field at byte 11 promises more than the 3 bytes that follow it.
        EXPECT_EQ(e.Message(), "读取 F.P 出错：窗体流已损坏：第 11 字节处的长度 65535 超出流的剩余部分（3 字节）");
    }
    EXPECT_THROW(ToText("TPF0\x01T\x01"
                        "F\x01P\x30\x00\x00"s),
                 EReadError);
    EXPECT_THROW(ToText("XPF0"), EReadError);
}
