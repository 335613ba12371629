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
        if (n < 4) {
            EXPECT_EQ(message, "不是窗体流文件：第 0 字节处应为文件头“TPF0”") << n;
        } else {
            // Says where, within what the stream holds: where the cut fell, or where a length
            // begins that reaches past it.
            const size_t at = message.find("窗体流不完整：第 ");
            const size_t damaged = message.find("窗体流已损坏：第 ");
            ASSERT_TRUE(at != std::string::npos || damaged != std::string::npos)
                << n << ": " << message;
            const size_t offset = std::stoul(message.substr(
                (at != std::string::npos ? at : damaged) + std::string("窗体流不完整：第 ").size()));
            EXPECT_LE(offset, n) << message;
            if (at != std::string::npos) {
                EXPECT_NE(message.find("但流只有 " + std::to_string(n) + " 字节"), std::string::npos)
                    << n << ": " << message;
            }
        }
    }
}

TEST(StreamErrors, DamagedStreamsGiveTheDocumentedException) {
    RegisterStreamFixtures();
    const std::string deepList = std::string(100000, '\x01');
    std::string deepWidgets = Widget("W0", "");
    for (int i = 1; i < 200; ++i)
        deepWidgets = Widget("W" + std::to_string(i), "", deepWidgets);
    const DamagedCase cases[] = {
        {"wrong signature", "TPF1" + Rec("TFixForm", "F", ""), Kind::Read, "不是窗体流文件：第 0 字节处应为文件头“TPF0”"},
        {"empty stream", "", Kind::Read, "不是窗体流文件：第 0 字节处应为文件头“TPF0”"},
        {"unknown root class", "TPF0" + Rec("TNoSuchClass", "F", ""), Kind::ClassNotFound,
         "找不到类“TNoSuchClass”"},
        {"unknown child class", Form("", Rec("TNoSuchClass", "X", "")), Kind::ClassNotFound,
         "找不到类“TNoSuchClass”：程序不认识窗体流里的这个类"},
        {"non-component class", Form("", Rec("TFixItem", "X", "")), Kind::ClassNotFound,
         "找不到类“TFixItem”：程序不认识窗体流里的这个类"},
        {"unknown property", Form(S("Bogus") + "\x02\x01"s), Kind::Read,
         "读取 Form1.Bogus 出错：未知的属性“Bogus”"},
        {"value code out of range", Form(S("Caption") + "\x30"s), Kind::Read,
         "读取 Form1.Caption 出错：窗体流已损坏：第 27 字节处应为值类型代码（0 到 20）"},
        {"integer for a string", Form(S("Caption") + "\x02\x01"s), Kind::Read,
         "读取 Form1.Caption 出错：窗体流已损坏：第 27 字节处应为一个有效的属性值"},
        {"integer for a boolean", Form("", Widget("W", S("Flag") + "\x02\x01"s)), Kind::Read,
         "读取 W.Flag 出错：窗体流已损坏：第 37 字节处应为一个有效的属性值"},
        {"unknown enumeration name",
         Form("", Widget("W", S("Kind") + "\x07\x04"
                                          "fkXx"s)),
         Kind::Read,
         "读取 W.Kind 出错：窗体流已损坏：第 43 字节处应为一个有效的属性值"},
        {"unknown set member",
         Form("", Widget("W", S("Kinds") + "\x0B\x03"
                                           "fkZ\x00"s)),
         Kind::Read,
         "读取 W.Kinds 出错：窗体流已损坏：第 44 字节处应为一个有效的属性值"},
        {"integer out of the property's range",
         Form("", Widget("W", S("Count") + "\x13\x00\x00\x00\x00\x01\x00\x00\x00"s)), Kind::Read,
         "读取 W.Count 出错：“4294967296”超出属性 Count 的范围（-2147483648 到 2147483647）"},
        {"two characters for a character",
         Form("", Widget("W", S("Letter") + "\x06\x02"
                                            "ab"s)),
         Kind::Read,
         "读取 W.Letter 出错：窗体流已损坏：第 43 字节处应为一个有效的属性值"},
        {"single value for a float", Form("", Widget("W", S("Ratio") + "\x06\x01x"s)), Kind::Read,
         "读取 W.Ratio 出错：窗体流已损坏：第 39 字节处应为一个有效的属性值"},
        {"unknown event handler", Form("", Widget("W", S("OnClick") + "\x07\x04Nope"s)), Kind::Read,
         "读取 W.OnClick 出错：窗体流已损坏：第 46 字节处应为一个有效的属性值"},
        {"non-object path segment", Form(S("Caption.X") + "\x02\x01"s), Kind::Read,
         "读取 Form1.Caption.X 出错：窗体流中的属性路径“Caption.X”无效"},
        {"empty path segment", Form("", Widget("W", S("Font..Name") + "\x02\x01"s)), Kind::Read,
         "读取 W.Font..Name 出错：窗体流中的属性路径“Font..Name”无效"},
        {"unknown nested property", Form("", Widget("W", S("Font.Bogus") + "\x02\x01"s)),
         Kind::Read,
         "读取 W.Font.Bogus 出错：未知的属性“Bogus”"},
        {"bad collection item",
         Form("", Widget("W", S("Items") + "\x0E\x01"s + S("Width") + "\x06\x00\x00\x00"s)),
         Kind::Read,
         "读取 W.Items[0].Width 出错：窗体流已损坏：第 47 字节处应为一个有效的属性值"},
        {"huge long string", Form(S("Caption") + "\x0C"s + U32(0x7FFFFFFF) + "ab"), Kind::Read,
         "读取 Form1.Caption 出错：窗体流已损坏：第 28 字节处的长度 2147483647 超出流的剩余部分（4 字节）"},
        {"length above 2^31", Form(S("Caption") + "\x14"s + U32(0xFFFFFFFF) + "ab"), Kind::Read,
         "读取 Form1.Caption 出错：窗体流已损坏：第 28 字节处的长度 4294967295 超出流的剩余部分（4 字节）"},
        {"huge wide string", Form(S("Caption") + "\x12"s + U32(0x40000000) + "abcd"), Kind::Read,
         "读取 Form1.Caption 出错：窗体流已损坏：第 28 字节处的长度 1073741824 超出流的剩余部分（6 字节）"},
        {"huge binary", Form("", Widget("W", S("Data") + "\x0A"s + U32(1000) + "xy")), Kind::Read,
         "读取 W.Data 出错：窗体流已损坏：第 39 字节处的长度 1000 超出流的剩余部分（5 字节）"},
        {"deeply nested lists", Form(S("Bogus") + deepList), Kind::Read,
         "读取 Form1.Bogus 出错：窗体流已损坏：第 89 字节处应为一个有效的属性值"},
        {"deeply nested components", Form("", deepWidgets), Kind::Read,
         "窗体流已损坏：第 1108 字节处应为组件的结束（组件嵌套超过 64 层）"},
        {"duplicate names", Form("", Widget("E1", "") + Widget("e1", "")), Kind::Component,
         "名称重复：已有名为“e1”的组件"},
        {"invalid name", Form("", Widget("1x", "")), Kind::Component, "“1x”不是有效的组件名"},
        {"invalid root name", "TPF0" + Rec("TFixForm", "a b", ""), Kind::Component, "“a b”不是有效的组件名"},
        {"prefix with bad position code", Form("", "\xF2\x06"s + Widget("W", "")), Kind::Read,
         "窗体流已损坏：第 21 字节处应为一个有效的属性值"},
        {"missing inherited component", Form("", "\xF1"s + Widget("W", "")), Kind::Read, "找不到继承的组件“W”"},
        {"data after a value in a list of strings",
         Form("", Widget("W", S("Lines.Strings") + "\x01\x02\x05\x00"s)), Kind::Read,
         "读取 W.Lines.Strings 出错：窗体流已损坏：第 48 字节处应为一个有效的属性值"},
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
              (std::vector<std::string>{
                  "读取 Form1.Bogus 出错：未知的属性“Bogus”",
                  "找不到类“TNoSuchClass”：程序不认识窗体流里的这个类",
                  "读取 W.Kind 出错：窗体流已损坏：第 106 字节处应为一个有效的属性值"}));
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
