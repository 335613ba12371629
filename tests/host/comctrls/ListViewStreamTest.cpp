// List view items in component streams: the Items.Data block, its layout, a form that loads
// back and saves the same bytes, and damaged blocks that fail cleanly.

#include <gtest/gtest.h>

#include "ControlStreamFixtures.h"
#include "StreamTestUtil.h"
#include "host/comctrls/ListView.h"

namespace {

/// A form with a report-style list view: columns, and items with sub-items and indexes.
TStreamForm* MakeListForm() {
    RegisterControlStreamClasses();
    auto* form = new TStreamForm(nullptr);
    form->SetName("ListForm");
    auto* view = new TListView(form);
    view->SetName("Files");
    view->SetParent(form);
    view->SetViewStyle(vsReport);
    for (const char* caption : {"名称", "大小", "类型"})
        view->Columns()->Add()->SetCaption(caption);
    struct Row {
        const char* Caption;
        std::vector<std::string> Subs;
        int32_t Image, State;
    };
    for (const Row& r : {Row{"甲.txt", {"1 KB", "文本"}, 0, -1}, Row{"", {}, -1, 2},
                         Row{"乙", {"", "图像"}, 7, 1}}) {
        TListItem* item = view->Items()->Add();
        item->SetCaption(r.Caption);
        for (const std::string& s : r.Subs)
            item->SubItems()->Add(s);
        item->SetImageIndex(r.Image);
        item->SetStateIndex(r.State);
    }
    return form;
}

/// The columns, then each item's caption, sub-items and indexes, one line each.
std::string Describe(const TListView* view) {
    std::string out = IntToStr(view->Columns()->Count()) + " columns\n";
    for (int i = 0; i < view->Items()->Count(); ++i) {
        const TListItem* item = view->Items()->Item(i);
        out += "[" + item->Caption() + "] " + item->SubItems()->CommaText() + " " +
               IntToStr(item->ImageIndex()) + "/" + IntToStr(item->StateIndex()) + "\n";
    }
    return out;
}

/// Where the Data block's bytes begin in a saved form, and how many there are.
void FindData(const std::string& bytes, size_t& start, uint32_t& size) {
    const std::string name = std::string("\x0A") + "Items.Data" + "\x0A";
    const size_t at = bytes.find(name);
    ASSERT_NE(at, std::string::npos);
    start = at + name.size() + 4;
    size = 0;
    for (int i = 0; i < 4; ++i)
        size |= uint32_t(static_cast<uint8_t>(bytes[at + name.size() + size_t(i)])) << (8 * i);
}

/// The saved form with its Data block replaced by data.
std::string WithData(const std::string& bytes, const std::string& data) {
    size_t start = 0;
    uint32_t size = 0;
    FindData(bytes, start, size);
    return bytes.substr(0, start - 4) + U32(static_cast<uint32_t>(data.size())) + data +
           bytes.substr(start + size);
}

/// Loads bytes into a fresh form; answers the error message, or "" when it loaded.
std::string LoadError(const std::string& bytes) {
    auto* form = new TStreamForm(nullptr);
    std::string error;
    try {
        LoadFromBytes(bytes, form);
    } catch (const Exception& e) {
        error = e.Message();
    }
    form->Free();
    return error;
}
} // namespace

TEST(ListViewStream, ReportViewLoadsBackItsItemsAndSavesTheSameBytes) {
    TStreamForm* original = MakeListForm();
    const std::string expected = Describe(As<TListView>(original->FindComponent("Files")));
    const std::string bytes = SaveToBytes(original);
    original->Free();

    auto* loaded = As<TStreamForm>(LoadFromBytes(bytes, new TStreamForm(nullptr)));
    auto* view = As<TListView>(loaded->FindComponent("Files"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Describe(view), expected);
    EXPECT_EQ(Hex(bytes), Hex(SaveToBytes(loaded)));
    loaded->Free();
}

TEST(ListViewStream, DataBlockHasTheDocumentedLayoutAndIsLeftOutWithoutItems) {
    TStreamForm* form = MakeListForm();
    auto* view = As<TListView>(form->FindComponent("Files"));
    view->Items()->Clear();
    EXPECT_EQ(SaveToBytes(form).find("Items.Data"), std::string::npos);

    TListItem* item = view->Items()->Add();
    item->SetCaption("甲");
    item->SubItems()->Add("1 KB");
    item->SetImageIndex(2);
    const std::string bytes = SaveToBytes(form);
    form->Free();
    size_t start = 0;
    uint32_t size = 0;
    FindData(bytes, start, size);
    const std::string expected =
        U32(1) + U32(2) + U32(0xFFFFFFFF) + U32(3) + "甲" + U32(1) + U32(4) + "1 KB";
    EXPECT_EQ(Hex(bytes.substr(start, size)), Hex(expected));
}

TEST(ListViewStream, DamagedDataFailsWithTheReadersError) {
    TStreamForm* form = MakeListForm();
    const std::string bytes = SaveToBytes(form);
    form->Free();
    size_t start = 0;
    uint32_t size = 0;
    FindData(bytes, start, size);
    const std::string data = bytes.substr(start, size);

    // The block cut short at every length, its own length field kept consistent.
    for (uint32_t n = 0; n < size; ++n) {
        const std::string error = LoadError(WithData(bytes, data.substr(0, n)));
        EXPECT_NE(error.find("读取 Files.Items.Data 出错"), std::string::npos)
            << "cut at " << n << ": " << error;
    }
    // The whole stream cut inside the block: the outer length no longer fits.
    for (size_t n = start - 4; n < start + size; ++n)
        EXPECT_NE(LoadError(bytes.substr(0, n)), "") << "stream cut at " << n;

    // Counts and lengths far beyond the bytes there are, and bytes after the last item.
    const std::string afterFirstCaption = data.substr(12 + 4 + std::string("甲.txt").size());
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"item count 2^32-1", U32(0xFFFFFFFF) + data.substr(4)},
        {"item count 2^31-1", U32(0x7FFFFFFF) + data.substr(4)},
        {"item count one too many", U32(4) + data.substr(4)},
        {"caption length", data.substr(0, 12) + U32(0xFFFFFFF0) + data.substr(16)},
        {"sub-item count", data.substr(0, data.size() - afterFirstCaption.size()) +
                               U32(0x40000000) + afterFirstCaption.substr(4)},
        {"trailing byte", data + "x"},
    };
    for (const auto& [what, block] : damaged)
        EXPECT_NE(LoadError(WithData(bytes, block)).find("Files.Items.Data"), std::string::npos)
            << what;
    EXPECT_EQ(LoadError(WithData(bytes, data)), "");
}
