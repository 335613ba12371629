// Wire encodings of the component stream: the format's worked example and value tables.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "StreamTestUtil.h"
#include "host/core/Stream.h"
#include "host/core/TextCodec.h"

using namespace std::string_literals;

namespace worked {
// The classes of the format's worked example, kept out of the class registry.
class TButton : public TComponent {
    ZK_CLASS(TButton, TComponent)
    explicit TButton(TComponent* AOwner) : TComponent(AOwner) {}
    int32_t Left = 0;
};
class TForm1 : public TComponent {
    ZK_CLASS(TForm1, TComponent)
    explicit TForm1(TComponent* AOwner) : TComponent(AOwner) {}
    std::string Caption;
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override {
        (void)Root;
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
};
void PublishButton(TPublisher& p) {
    p.Prop("Left", &TButton::Left, &TButton::Left);
}
void PublishForm(TPublisher& p) {
    p.Prop("Caption", &TForm1::Caption, &TForm1::Caption);
}
ZK_IMPLEMENT_CLASS(TButton, TComponent, PublishButton)
ZK_IMPLEMENT_CLASS(TForm1, TComponent, PublishForm)
} // namespace worked

namespace {
/// Runs fn on a writer over a fresh memory stream and returns the bytes written.
template <class F> std::string Written(F fn) {
    TMemoryStream stream;
    {
        TWriter writer(&stream, 16);
        fn(writer);
    }
    return std::string(static_cast<const char*>(stream.Memory()),
                       static_cast<size_t>(stream.Size()));
}

/// A reader over bytes, for value-level reads.
struct BytesReader {
    TMemoryStream stream;
    TReader reader;
    explicit BytesReader(const std::string& bytes) : reader(&stream, 16) {
        stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
        stream.SetPosition(0);
    }
};
} // namespace

TEST(StreamEncoding, WorkedExampleOfTheFormatIsWrittenByteForByte) {
    auto* form = new worked::TForm1(nullptr);
    form->SetName("Form1");
    form->Caption = "Hi";
    auto* button = new worked::TButton(form);
    button->SetName("Button1");
    button->Left = 8;
    std::string bytes = SaveToBytes(form);
    form->Free();
    const std::string expected = "TPF0\x06TForm1\x05"
                                 "Form1\x07"
                                 "Caption\x06\x02Hi\x00"s +
                                 "\x07TButton\x07"
                                 "Button1\x04Left\x02\x08\x00\x00\x00"s;
    ASSERT_EQ(expected.size(), 56u);
    EXPECT_EQ(Hex(expected), Hex(bytes));
}

TEST(StreamEncoding, IntegersTakeTheSmallestEncoding) {
    const std::pair<int64_t, std::string> cases[] = {
        {127, "\x02\x7F"s},
        {128, "\x03\x80\x00"s},
        {-129, "\x03\x7F\xFF"s},
        {32768, "\x04\x00\x80\x00\x00"s},
        {-70000, "\x04\x90\xEE\xFE\xFF"s},
        {5000000000, "\x13\x00\xF2\x05\x2A\x01\x00\x00\x00"s},
        {-128, "\x02\x80"s},
        {INT64_MIN, "\x13\x00\x00\x00\x00\x00\x00\x00\x80"s},
    };
    for (const auto& [value, bytes] : cases) {
        EXPECT_EQ(Hex(bytes), Hex(Written([&](TWriter& w) { w.WriteInteger(value); }))) << value;
        BytesReader r(bytes);
        EXPECT_EQ(r.reader.ReadInt64(), value);
    }
}

TEST(StreamEncoding, FloatsAreTenByteExtendedValues) {
    const std::pair<double, std::string> cases[] = {
        {1.5, "\x05\x00\x00\x00\x00\x00\x00\x00\xC0\xFF\x3F"s},
        {-2.0, "\x05\x00\x00\x00\x00\x00\x00\x00\x80\x00\xC0"s},
        {0.0, "\x05\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"s},
        {0.1, "\x05\x00\xD0\xCC\xCC\xCC\xCC\xCC\xCC\xFB\x3F"s},
    };
    for (const auto& [value, bytes] : cases) {
        EXPECT_EQ(Hex(bytes), Hex(Written([&](TWriter& w) { w.WriteFloat(value); }))) << value;
        BytesReader r(bytes);
        EXPECT_EQ(r.reader.ReadFloat(), value);
    }
}

TEST(StreamEncoding, ExtendedConversionIsExactOneWayAndRoundsTheOther) {
    // Every double survives the trip, subnormals and extremes included.
    for (double d : {DBL_MIN, DBL_MAX, DBL_TRUE_MIN, -DBL_TRUE_MIN * 3, 1e-310, 123.456, -0.0}) {
        double back = ExtendedToDouble(DoubleToExtended(d));
        EXPECT_EQ(back, d) << d;
        EXPECT_EQ(std::signbit(back), std::signbit(d)) << d;
    }
    EXPECT_TRUE(std::isinf(ExtendedToDouble(DoubleToExtended(HUGE_VAL))));
    EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(std::nan("")))));
    // Rounding to nearest, ties to even, on the 11 dropped bits.
    TExtended80 tie{0x8000000000000400ULL, 0x3FFF};   // 1 + 2^-53: a tie, stays 1
    TExtended80 above{0x8000000000000401ULL, 0x3FFF}; // just above: rounds up
    EXPECT_EQ(ExtendedToDouble(tie), 1.0);
    EXPECT_EQ(ExtendedToDouble(above), 1.0 + DBL_EPSILON);
    // Beyond the double range: saturated; exponent 0x7FFF is never finite.
    EXPECT_EQ(ExtendedToDouble(TExtended80{0x8000000000000000ULL, 0x7FFE}), DBL_MAX);
    EXPECT_EQ(ExtendedToDouble(TExtended80{0x8000000000000000ULL, 0x0001}), 0.0);
    EXPECT_TRUE(std::isinf(ExtendedToDouble(TExtended80{0, 0x7FFF})));
}

TEST(StreamEncoding, FloatTextsWithExponentsBeyondALongReadAsInfinityOrZero) {
    // The exponent once went into sums as LONG_MAX or LONG_MIN, and they overflowed.
    const std::pair<const char*, double> cases[] = {
        {"1e99999999999999999999", HUGE_VAL},
        {"-12.5e99999999999999999999", -HUGE_VAL},
        {"1e-99999999999999999999", 0.0},
        {"0.001e-9223372036854775809", 0.0},
    };
    for (const auto& [text, value] : cases) {
        TExtended80 v;
        ASSERT_TRUE(TextToExtended(text, v)) << text;
        EXPECT_EQ(ExtendedToDouble(v), value) << text;
    }
}

TEST(StreamEncoding, TextIsPlainWhenAsciiAndUtf8Otherwise) {
    const std::pair<std::string, std::string> cases[] = {
        {"Hi", "\x06\x02Hi"s},
        {"", "\x06\x00"s},
        {"标题", "\x14\x06\x00\x00\x00\xE6\xA0\x87\xE9\xA2\x98"s},
        {std::string(256, 'a'), "\x0C\x00\x01\x00\x00"s + std::string(256, 'a')},
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(Hex(bytes), Hex(Written([&](TWriter& w) { w.WriteString(text); })));
}

TEST(StreamEncoding, SpecialIdentifiersBecomeTheirOwnCodes) {
    const std::pair<std::string, std::string> cases[] = {
        {"nil", "\x0D"s},
        {"FALSE", "\x08"s},
        {"true", "\x09"s},
        {"Null", "\x00"s},
        {"clRed", "\x07\x05"
                  "clRed"s},
    };
    for (const auto& [ident, bytes] : cases)
        EXPECT_EQ(Hex(bytes), Hex(Written([&](TWriter& w) { w.WriteIdent(ident); }))) << ident;
}

TEST(StreamEncoding, EveryStringTypeReadsAsUtf8) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x06\x06\xE6\xA0\x87\xE9\xA2\x98"s, "标题"},     // 8-bit holding UTF-8
        {"\x06\x04\xB1\xEA\xCC\xE2"s, "标题"},             // 8-bit GBK of an older file
        {"\x0C\x02\x00\x00\x00\xC4\xE3"s, "你"},           // long 8-bit GBK
        {"\x14\x03\x00\x00\x00\xE4\xBD\xA0"s, "你"},       // UTF-8 string
        {"\x15\x02\x00\x00\x00\x07\x68\x98\x98"s, "标题"}, // UTF-16 string
        {"\x12\x02\x00\x00\x00\x3D\xD8\x00\xDE"s, "😀"},    // surrogate pair
        {"\x12\x01\x00\x00\x00\x00\xD8"s, "\xEF\xBF\xBD"}, // lone surrogate
        {"\x06\x02\x81\xFF"s, "\xEF\xBF\xBD\xEF\xBF\xBD"}, // neither UTF-8 nor GBK
    };
    for (const auto& [bytes, text] : cases) {
        BytesReader r(bytes);
        EXPECT_EQ(r.reader.ReadString(), text) << Hex(bytes);
    }
}

TEST(StreamEncoding, SetsListMemberNamesInOrdinalOrder) {
    std::string bytes = Written([](TWriter& w) {
        w.WriteSet(TypeInfoOf<TFixKinds>(), TFixKinds{fkGamma, fkAlpha}.Bits());
    });
    EXPECT_EQ(Hex("\x0B\x07"
                  "fkAlpha\x07"
                  "fkGamma\x00"s),
              Hex(bytes));
    BytesReader r(bytes);
    EXPECT_EQ(r.reader.ReadSet(TypeInfoOf<TFixKinds>()), (TFixKinds{fkAlpha, fkGamma}.Bits()));
}

TEST(StreamEncoding, VariantsKeepTheirKind) {
    const Variant cases[] = {Variant(),
                             Variant::Null(),
                             Variant(true),
                             Variant(int32_t(-5)),
                             Variant(int64_t(1) << 40),
                             Variant(2.5),
                             Variant::FromDate(45000.5),
                             Variant("文字")};
    for (const Variant& v : cases) {
        BytesReader r(Written([&](TWriter& w) { w.WriteVariant(v); }));
        Variant back = r.reader.ReadVariant();
        EXPECT_EQ(back.VarType(), v.VarType() == varInteger ? varInteger : v.VarType());
        EXPECT_EQ(back.AsString(), v.AsString());
    }
}
