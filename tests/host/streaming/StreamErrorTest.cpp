// Damaged and hostile streams: each fails with the documented exception, frees what it
// built, and never crashes, hangs or allocates without bound.

#include <gtest/gtest.h>

#include <functional>

#include "StreamTestUtil.h"
#include "host/core/Stream.h"

using namespace std::string_literals;

namespace {
/// A component record: class, name, property bytes, then child records.
std::string Rec(const std::string& cls, const std::string& name, const std::string& props,
                const std::string& kids = "") {
    return S(cls) + S(name) + props + "\x00"s + kids + "\x00"s;
}
std::string Form(const std::string& props, const std::string& kids = "") {
    return "TPF0" + Rec("TFixForm", "Form1", props, kids);
}
std::string Widget(const std::string& name, const std::string& props,
                   const std::string& kids = "") {
    return Rec("TFixWidget", name, props, kids);
}

enum class Kind { Read, ClassNotFound, Component };

struct DamagedCase {
    const char* what;
    std::string bytes;
    Kind kind;
    std::string message;
};

/// Loads bytes and returns the failure, or "" when the load succeeded.
std::string LoadError(const std::string& bytes, Kind& kind) {
    try {
        LoadFromBytes(bytes)->Free();
    } catch (const EClassNotFound& e) {
        kind = Kind::ClassNotFound;
        return e.Message();
    } catch (const EReadError& e) {
        kind = Kind::Read;
        return e.Message();
    } catch (const EComponentError& e) {
        kind = Kind::Component;
        return e.Message();
    }
    return {};
}
} // namespace

TEST(StreamErrors, TruncatedAtEveryOffsetFailsWithReadError) {
    TFixForm* form = MakeSampleForm();
    std::string bytes = SaveToBytes(form);
    form->Free();
    for (size_t n = 0; n < bytes.size(); ++n) {
        Kind kind{};
        std::string message = LoadError(bytes.substr(0, n), kind);
        ASSERT_EQ(kind, Kind::Read) << "cut at " << n << ": " << message;
        if (n < 4)
            EXPECT_EQ(message, "Invalid stream format") << n;
        else
            EXPECT_NE(message.find("Stream read error"), std::string::npos) << n << ": " << message;
    }
}

TEST(StreamErrors, DamagedStreamsGiveTheDocumentedException) {
    RegisterStreamFixtures();
    const std::string deepList = std::string(100000, '\x01');
    std::string deepWidgets = Widget("W0", "");
    for (int i = 1; i < 200; ++i)
        deepWidgets = Widget("W" + std::to_string(i), "", deepWidgets);
    const DamagedCase cases[] = {
        {"wrong signature", "TPF1" + Rec("TFixForm", "F", ""), Kind::Read, "Invalid stream format"},
        {"empty stream", "", Kind::Read, "Invalid stream format"},
        {"unknown root class", "TPF0" + Rec("TNoSuchClass", "F", ""), Kind::ClassNotFound,
         "Class \"TNoSuchClass\" not found"},
        {"unknown child class", Form("", Rec("TNoSuchClass", "X", "")), Kind::ClassNotFound,
         "Class \"TNoSuchClass\" not found"},
        {"non-component class", Form("", Rec("TFixItem", "X", "")), Kind::ClassNotFound,
         "Class \"TFixItem\" not found"},
        {"unknown property", Form(S("Bogus") + "\x02\x01"s), Kind::Read,
         "Error reading Form1.Bogus: Unknown property: \"Bogus\""},
        {"value code out of range", Form(S("Caption") + "\x30"s), Kind::Read,
         "Error reading Form1.Caption: Invalid value for property"},
        {"integer for a string", Form(S("Caption") + "\x02\x01"s), Kind::Read,
         "Error reading Form1.Caption: Invalid value for property"},
        {"integer for a boolean", Form("", Widget("W", S("Flag") + "\x02\x01"s)), Kind::Read,
         "Error reading W.Flag: Invalid value for property"},
        {"unknown enumeration name",
         Form("", Widget("W", S("Kind") + "\x07\x04"
                                          "fkXx"s)),
         Kind::Read, "Error reading W.Kind: Invalid value for property"},
        {"unknown set member",
         Form("", Widget("W", S("Kinds") + "\x0B\x03"
                                           "fkZ\x00"s)),
         Kind::Read, "Error reading W.Kinds: Invalid value for property"},
        {"integer out of the property's range",
         Form("", Widget("W", S("Count") + "\x13\x00\x00\x00\x00\x01\x00\x00\x00"s)), Kind::Read,
         "Error reading W.Count: Value 4294967296 is out of range for property Count "
         "(-2147483648..2147483647)"},
        {"two characters for a character",
         Form("", Widget("W", S("Letter") + "\x06\x02"
                                            "ab"s)),
         Kind::Read, "Error reading W.Letter: Invalid value for property"},
        {"single value for a float", Form("", Widget("W", S("Ratio") + "\x06\x01x"s)), Kind::Read,
         "Error reading W.Ratio: Invalid value for property"},
        {"unknown event handler", Form("", Widget("W", S("OnClick") + "\x07\x04Nope"s)), Kind::Read,
         "Error reading W.OnClick: Invalid value for property"},
        {"non-object path segment", Form(S("Caption.X") + "\x02\x01"s), Kind::Read,
         "Error reading Form1.Caption.X: Invalid property path"},
        {"empty path segment", Form("", Widget("W", S("Font..Name") + "\x02\x01"s)), Kind::Read,
         "Error reading W.Font..Name: Invalid property path"},
        {"unknown nested property", Form("", Widget("W", S("Font.Bogus") + "\x02\x01"s)),
         Kind::Read, "Error reading W.Font.Bogus: Unknown property: \"Bogus\""},
        {"bad collection item",
         Form("", Widget("W", S("Items") + "\x0E\x01"s + S("Width") + "\x06\x00\x00\x00"s)),
         Kind::Read, "Error reading W.Items[0].Width: Invalid value for property"},
        {"huge long string", Form(S("Caption") + "\x0C"s + U32(0x7FFFFFFF) + "ab"), Kind::Read,
         "Error reading Form1.Caption: Stream read error"},
        {"length above 2^31", Form(S("Caption") + "\x14"s + U32(0xFFFFFFFF) + "ab"), Kind::Read,
         "Error reading Form1.Caption: Stream read error"},
        {"huge wide string", Form(S("Caption") + "\x12"s + U32(0x40000000) + "abcd"), Kind::Read,
         "Error reading Form1.Caption: Stream read error"},
        {"huge binary", Form("", Widget("W", S("Data") + "\x0A"s + U32(1000) + "xy")), Kind::Read,
         "Error reading W.Data: Stream read error"},
        {"deeply nested lists", Form(S("Bogus") + deepList), Kind::Read,
         "Error reading Form1.Bogus: Invalid value for property"},
        {"deeply nested components", Form("", deepWidgets), Kind::Read, "Invalid stream format"},
        {"duplicate names", Form("", Widget("E1", "") + Widget("e1", "")), Kind::Component,
         "Duplicate name: A component named \"e1\" already exists"},
        {"invalid name", Form("", Widget("1x", "")), Kind::Component,
         "\"1x\" is not a valid component name"},
        {"invalid root name", "TPF0" + Rec("TFixForm", "a b", ""), Kind::Component,
         "\"a b\" is not a valid component name"},
        {"prefix with bad position code", Form("", "\xF2\x06"s + Widget("W", "")), Kind::Read,
         "Invalid value for property"},
        {"missing inherited component", Form("", "\xF1"s + Widget("W", "")), Kind::Read,
         "Ancestor class for \"W\" not found."},
        {"data after a value in a list of strings",
         Form("", Widget("W", S("Lines.Strings") + "\x01\x02\x05\x00"s)), Kind::Read,
         "Error reading W.Lines.Strings: Invalid value for property"},
    };
    for (const DamagedCase& c : cases) {
        Kind kind{};
        std::string message = LoadError(c.bytes, kind);
        EXPECT_EQ(message, c.message) << c.what;
        EXPECT_EQ(kind, c.kind) << c.what;
    }
}

TEST(StreamErrors, FailedLoadIntoAGivenRootFreesWhatItCreatedAndKeepsTheRoot) {
    RegisterStreamFixtures();
    auto* form = new TFixForm;
    std::string bytes =
        Form("", Widget("A", "", Widget("B", "")) + Widget("C", S("Bogus") + "\x02\x01"s));
    EXPECT_THROW(LoadFromBytes(bytes, form), EReadError);
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_TRUE(form->Controls.empty());
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
    form->Free();
}

TEST(StreamErrors, ErrorHandlerSkipsBadPropertiesAndUnknownComponents) {
    RegisterStreamFixtures();
    std::string bytes =
        Form(S("Bogus") + "\x01\x02\x01\x06\x01x\x00"s + S("Caption") + "\x06\x02ok"s,
             Rec("TNoSuchClass", "X", S("P") + "\x02\x01"s, Widget("Inner", "")) +
                 Widget("W", S("Kind") + "\x07\x02zz"s + S("Left") + "\x02\x07"s));
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    TReader reader(&stream, 8);
    std::vector<std::string> reported;
    reader.OnError = [&](TReader*, const std::string& message, bool& handled) {
        reported.push_back(message);
        handled = true;
    };
    auto* form = static_cast<TFixForm*>(reader.ReadRootComponent());
    EXPECT_EQ(form->Caption, "ok");
    ASSERT_EQ(form->ComponentCount(), 1);
    EXPECT_EQ(static_cast<TFixWidget*>(form->Components(0))->Left, 7);
    EXPECT_EQ(reported,
              (std::vector<std::string>{"Error reading Form1.Bogus: Unknown property: \"Bogus\"",
                                        "Class \"TNoSuchClass\" not found",
                                        "Error reading W.Kind: Invalid value for property"}));
    form->Free();
}

TEST(StreamErrors, UnresolvableReferencesStayUnsetSilently) {
    RegisterStreamFixtures();
    std::string bytes = Form(S("ActiveControl") + "\x07\x07"
                                                  "Nowhere"s,
                             Widget("W", S("Buddy") + "\x07\x08"
                                                      "W.Nobody"s));
    auto* form = static_cast<TFixForm*>(LoadFromBytes(bytes));
    EXPECT_EQ(form->ActiveControl, nullptr);
    EXPECT_EQ(static_cast<TFixWidget*>(form->Components(0))->Buddy(), nullptr);
    form->Free();
}

TEST(StreamErrors, ANameTooLongForTheStreamIsRefusedNotCut) {
    // Cut to 255 bytes it would load under another name, or clash with a sibling's.
    RegisterStreamFixtures();
    auto* form = new TFixForm;
    form->SetName(std::string(256, 'F'));
    TMemoryStream stream;
    {
        TWriter writer(&stream, 64);
        EXPECT_THROW(writer.WriteRootComponent(form), EWriteError);
    }
    form->Free();
}
