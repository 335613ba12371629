// Hostile streams at and beyond the reader's limits: each is refused with its error or loads
// completely, in a time the test's timeout bounds (docs/stream-limits.md).

#include <gtest/gtest.h>

#include "StreamTestUtil.h"

using namespace std::string_literals;

namespace {
std::string Widget(const std::string& name, const std::string& props,
                   const std::string& kids = "") {
    return S("TFixWidget") + S(name) + props + "\x00"s + kids + "\x00"s;
}
std::string Form(const std::string& kids) {
    return "TPF0" + S("TFixForm") + S("Form1") + "\x00"s + kids + "\x00"s;
}
std::string FlatKids(int count) {
    std::string kids;
    for (int i = 0; i < count; ++i)
        kids += Widget("W" + std::to_string(i), "");
    return kids;
}
std::string FlatWidgets(int count) {
    return Form(FlatKids(count));
}
std::string NestedWidgets(int depth) {
    std::string kids;
    for (int i = depth; i-- > 0;)
        kids = Widget("W" + std::to_string(i), "", kids);
    return Form(kids);
}
std::string ReadErrorOf(const std::string& bytes) {
    try {
        LoadFromBytes(bytes)->Free();
    } catch (const EReadError& e) {
        return e.Message();
    }
    return {};
}
} // namespace

TEST(StreamLimits, ComponentCountIsRefusedAboveTheLimitAndLoadsAtIt) {
    RegisterStreamFixtures();
    const std::string tooMany = "窗体流中的组件太多（超过 10000 个）";
    EXPECT_EQ(ReadErrorOf(FlatWidgets(100000)), tooMany);
    EXPECT_EQ(ReadErrorOf(FlatWidgets(TReader::MaxComponents + 1)), tooMany);
    // Counted over the whole tree, not per parent.
    EXPECT_EQ(ReadErrorOf(Form(Widget("P", "", FlatKids(TReader::MaxComponents)))), tooMany);

    TComponent* form = LoadFromBytes(FlatWidgets(TReader::MaxComponents));
    EXPECT_EQ(form->ComponentCount(), TReader::MaxComponents);
    EXPECT_EQ(form->Components(TReader::MaxComponents - 1)->Name(), "W9999");
    form->Free();
}

TEST(StreamLimits, ConvertersTakeAHundredThousandComponentsBothWays) {
    // The converters create nothing, so they take what the reader refuses, in linear time.
    const std::string bytes = FlatWidgets(100000);
    std::string text = BinaryToText(bytes);
    EXPECT_EQ(TextToBinary(text), bytes);
}

TEST(StreamLimits, NestingLoadsToTheLimitAndIsRefusedBeyondIt) {
    RegisterStreamFixtures();
    TComponent* form = LoadFromBytes(NestedWidgets(TReader::MaxComponentDepth));
    EXPECT_EQ(form->ComponentCount(), TReader::MaxComponentDepth);
    form->Free();
    // Refused where the 65th level begins.
    EXPECT_EQ(ReadErrorOf(NestedWidgets(TReader::MaxComponentDepth + 1)),
              "窗体流已损坏：第 1034 字节处应为组件的结束（组件嵌套超过 64 层）");
    // The converter has the same limit.
    EXPECT_EQ(TextToBinary(BinaryToText(NestedWidgets(TReader::MaxComponentDepth))),
              NestedWidgets(TReader::MaxComponentDepth));
    EXPECT_THROW(BinaryToText(NestedWidgets(TReader::MaxComponentDepth + 1)), EReadError);
}

TEST(StreamLimits, OneHugeStringRepeatedLoadsInMemoryOfTheStreamsSize) {
    RegisterStreamFixtures();
    const std::string huge(1 << 20, 'x');
    const int copies = 16;
    std::string lines;
    for (int i = 0; i < copies; ++i)
        lines += "\x0C"s + U32(static_cast<uint32_t>(huge.size())) + huge;
    const std::string bytes = Form(Widget("W", S("Lines.Strings") + "\x01"s + lines + "\x00"s));
    TComponent* form = LoadFromBytes(bytes);
    auto* widget = static_cast<TFixWidget*>(form->Components(0));
    ASSERT_EQ(widget->Lines()->Count(), copies);
    for (int i = 0; i < copies; ++i)
        EXPECT_EQ(widget->Lines()->Strings(i).size(), huge.size()) << i;
    form->Free();
    // Declared but not present: refused before anything is allocated for it.
    EXPECT_EQ(
        ReadErrorOf(Form(Widget("W", S("Lines.Strings") + "\x01\x0C"s + U32(0x7FFFFFF0) + "xx"s))),
        "读取 W.Lines.Strings 出错：窗体流已损坏：第 49 字节处的长度 2147483632 "
        "超出流的剩余部分（5 字节）");
    // The text form carries it the same way.
    EXPECT_EQ(TextToBinary(BinaryToText(bytes)), bytes);
}
