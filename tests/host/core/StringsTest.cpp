// TStrings and TStringList: lookups, sorting, duplicates, text forms, change events,
// owned objects and files.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>
#include <vector>

#include "host/core/Stream.h"
#include "host/core/Strings.h"

namespace {

using Lines = std::vector<std::string>;
Lines Items(const TStrings& s) {
    Lines r;
    for (int i = 0; i < s.Count(); ++i)
        r.push_back(s.Strings(i));
    return r;
}

/// A minimal TStrings over a vector: exercises what TStrings builds on any storage.
class TVectorStrings : public TStrings {
public:
    std::vector<std::pair<std::string, TObject*>> items;
    std::string Get(int i) const override { return items.at(size_t(i)).first; }
    TObject* GetObject(int i) const override { return items.at(size_t(i)).second; }
    void Put(int i, const std::string& s) override { items.at(size_t(i)).first = s; }
    void PutObject(int i, TObject* o) override { items.at(size_t(i)).second = o; }
    int Count() const override { return int(items.size()); }
    void Insert(int i, const std::string& s) override {
        items.insert(items.begin() + i, {s, nullptr});
    }
    void Delete(int i) override { items.erase(items.begin() + i); }
    void Clear() override { items.clear(); }
};

/// Counts its destructions, to see which objects a list frees.
struct TCounted : TObject {
    explicit TCounted(int& n) : freed(n) {}
    ~TCounted() override { ++freed; }
    int& freed;
};

template <class F> std::string StringListErrorOf(F f) {
    try {
        f();
    } catch (const EStringListError& e) {
        return e.Message();
    }
    return "(no EStringListError)";
}

} // namespace

TEST(Strings, Lookups_IgnoreAsciiCaseUnlessCaseSensitive) {
    for (bool sorted : {false, true}) {
        TStringList list;
        list.SetSorted(sorted);
        list.SetText("Left=10\nCaption=确定\ntop=5\n");
        EXPECT_EQ(list.Strings(list.IndexOf("CAPTION=确定")), "Caption=确定") << sorted;
        EXPECT_EQ(list.IndexOf("Caption"), -1);
        EXPECT_EQ(list.Values("TOP"), "5");
        EXPECT_EQ(list.Names(list.IndexOfName("left")), "Left");
        list.SetCaseSensitive(true);
        EXPECT_EQ(list.IndexOf("caption=确定"), -1);
        EXPECT_GE(list.IndexOf("Caption=确定"), 0);
    }
    TStringList list;
    list.SetText("a=1\nb=2\n");
    list.SetValues("A", "x=y"); // the value may itself contain '='
    list.SetValues("c", "3");
    list.SetValues("b", ""); // an empty value deletes
    EXPECT_EQ(Items(list), (Lines{"A=x=y", "c=3"}));
    EXPECT_EQ(list.Values("a"), "x=y");
}

TEST(Strings, Find_BinarySearchesSortedList) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"delta", "Alpha", "charlie", "bravo"})
        list.Add(s);
    EXPECT_EQ(Items(list), (Lines{"Alpha", "bravo", "charlie", "delta"}));
    struct Case {
        const char* text;
        bool found;
        int index;
    } cases[] = {{"alpha", true, 0}, {"CHARLIE", true, 2}, {"delta", true, 3},
                 {"a", false, 0},    {"beta", false, 1},   {"echo", false, 4}};
    for (const Case& c : cases) {
        int index = -1;
        EXPECT_EQ(list.Find(c.text, index), c.found) << c.text;
        EXPECT_EQ(index, c.index) << c.text;
    }
    EXPECT_EQ(list.Add("bz"), 2); // a sorted list places what it adds
    const char* refused = "已排序的列表不允许此操作";
    EXPECT_EQ(StringListErrorOf([&] { list.Insert(0, "z"); }), refused);
    EXPECT_EQ(StringListErrorOf([&] { list.Move(0, 1); }), refused);
    EXPECT_EQ(StringListErrorOf([&] { list.SetStrings(0, "z"); }), refused);
    EXPECT_EQ(list.Count(), 5);
}

TEST(Strings, Duplicates_AreCheckedInSortedLists) {
    TStringList list;
    list.SetSorted(true);
    list.Add("b");
    list.Add("a");
    EXPECT_EQ(list.Add("B"), 1); // dupIgnore, the default: answers the existing index
    EXPECT_EQ(list.Count(), 2);
    list.SetDuplicates(dupError);
    EXPECT_EQ(StringListErrorOf([&] { list.Add("A"); }), "字符串列表不允许重复项");
    list.SetDuplicates(dupAccept);
    list.Add("B");
    list.Add("b");
    int index;
    EXPECT_TRUE(list.Find("b", index));
    EXPECT_EQ(index, 1); // the first of the equal items
    EXPECT_EQ(list.Count(), 4);
    TStringList unsorted;
    unsorted.SetDuplicates(dupError);
    unsorted.Add("x");
    unsorted.Add("x"); // only sorted lists check, as on the platform
    EXPECT_EQ(unsorted.Count(), 2);
}

TEST(Strings, Sort_OrdersByComparisonAndKeepsEqualsInOrder) {
    TStringList list;
    list.SetText("b\nB\na\nA\n");
    list.Sort();
    EXPECT_EQ(Items(list), (Lines{"a", "A", "b", "B"}));
    list.SetCaseSensitive(true);
    list.Sort();
    EXPECT_EQ(Items(list), (Lines{"A", "B", "a", "b"}));
    list.SetText("ccc\na\nbb\nB\n");
    list.CustomSort([](TStringList* l, int x, int y) {
        return int(l->Strings(x).size()) - int(l->Strings(y).size());
    });
    EXPECT_EQ(Items(list), (Lines{"a", "B", "bb", "ccc"}));
}

TEST(Strings, Assign_CopiesStringsAndObjectsFromAnyStrings) {
    TObject o1, o2;
    TVectorStrings source;
    source.AddObject("one", &o1);
    source.Add("two");
    source.AddObject("three", &o2);
    source.Move(2, 0);
    source.Exchange(1, 2);
    EXPECT_EQ(Items(source), (Lines{"three", "two", "one"}));

    TStringList list;
    list.Add("old");
    list.Assign(&source);
    EXPECT_TRUE(list.Equals(&source));
    EXPECT_EQ(list.Objects(0), &o2);
    EXPECT_EQ(list.IndexOfObject(&o1), 2);
    TVectorStrings back;
    back.Assign(&list);
    EXPECT_EQ(back.items, source.items);
    back.SetStrings(0, "THREE");
    EXPECT_FALSE(list.Equals(&back)); // Equals minds letter case

    TComponent notStrings(nullptr);
    EXPECT_THROW(list.Assign(&notStrings), EConvertError);
}

TEST(Strings, Text_SplitsAtAnyLineBreakAndEndsEveryLine) {
    struct Case {
        const char* text;
        Lines lines;
        const char* back;
    } cases[] = {{"", {}, ""},
                 {"a", {"a"}, "a\n"},
                 {"a\r\nb", {"a", "b"}, "a\nb\n"},
                 {"a\rb\r\n\nc\n", {"a", "b", "", "c"}, "a\nb\n\nc\n"},
                 {"\r\n\n", {"", ""}, "\n\n"}};
    for (const Case& c : cases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(Items(list), c.lines) << c.text;
        EXPECT_EQ(list.Text(), c.back);
    }
    TStringList list, back;
    for (const char* s : {"a", "b c", "d\"e", "", "f,g", "名"})
        list.Add(s);
    EXPECT_EQ(list.CommaText(), "a,\"b c\",\"d\"\"e\",,\"f,g\",名");
    back.SetCommaText(list.CommaText());
    EXPECT_TRUE(back.Equals(&list));
}

TEST(Strings, OnChange_FiresOncePerChangeOrBatch) {
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changing;
    };
    list.OnChange = [&](TObject*) { ++changed; };
    TStringList other;
    other.SetText("q\np\n");
    std::pair<std::function<void()>, int> cases[] = {
        {[&] { list.Add("a"); }, 1},
        {[&] { list.InsertObject(0, "c", &other); }, 1},
        {[&] { list.SetObjects(0, nullptr); }, 1},
        {[&] { list.Exchange(0, 1); }, 1},
        {[&] { list.Delete(0); }, 1},
        {[&] { list.SetText("x\ny\nz\n"); }, 1},
        {[&] { list.Assign(&other); }, 1},
        {[&] { list.Sort(); }, 1},
        {[&] {
             list.BeginUpdate();
             list.Add("1");
             list.BeginUpdate();
             list.Clear();
             list.EndUpdate();
             list.EndUpdate();
         },
         1},
        {[&] { list.Clear(); }, 0}, // already empty
        {[&] { EXPECT_THROW(list.Delete(0), EStringListError); }, 0}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        changing = changed = 0;
        cases[i].first();
        EXPECT_EQ(changing, cases[i].second) << "case " << i;
        EXPECT_EQ(changed, cases[i].second) << "case " << i;
    }
}

TEST(Strings, FailedBatch_StillEndsTheUpdate) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupError);
    int changed = 0;
    list.OnChange = [&](TObject*) { ++changed; };
    EXPECT_THROW(list.SetText("a\na\n"), EStringListError);
    EXPECT_EQ(changed, 1);
    list.Add("b");
    EXPECT_EQ(changed, 2);
}

TEST(Strings, OwnsObjects_FreesOnDeleteClearAndDestruction) {
    int freed = 0;
    {
        TStringList list;
        list.SetOwnsObjects(true);
        for (const char* s : {"a", "b", "c", "d"})
            list.AddObject(s, new TCounted(freed));
        list.Move(0, 3); // moves the object with its string, frees nothing
        EXPECT_EQ(freed, 0);
        list.Delete(0);
        EXPECT_EQ(freed, 1);
        list.Clear();
        EXPECT_EQ(freed, 4);
        list.AddObject("e", new TCounted(freed));
    }
    EXPECT_EQ(freed, 5);
    TCounted kept(freed);
    {
        TStringList list; // not owning: frees nothing
        list.AddObject("k", &kept);
        list.Delete(0);
        list.AddObject("k", &kept);
    }
    EXPECT_EQ(freed, 5);
}

TEST(Strings, BadIndex_RaisesStringListError) {
    TStringList list;
    list.Add("a");
    std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { list.Strings(1); }, "列表索引越界（1）"},
        {[&] { list.Objects(-1); }, "列表索引越界（-1）"},
        {[&] { list.SetObjects(2, nullptr); }, "列表索引越界（2）"},
        {[&] { list.Insert(2, ""); }, "列表索引越界（2）"},
        {[&] { list.Exchange(0, 1); }, "列表索引越界（1）"},
        {[&] { list.Names(3); }, "列表索引越界（3）"}};
    for (auto& [op, message] : cases)
        EXPECT_EQ(StringListErrorOf(op), message);
}

TEST(Strings, SaveAndLoadFile_RoundTripsUtf8) {
    auto path = std::filesystem::temp_directory_path() /
                ("zk_strings_" + std::to_string(::getpid()) + ".txt");
    TStringList list, back;
    list.SetText("名称=按钮\n\nCaption=OK\n");
    list.SaveToFile(path.string());
    back.LoadFromFile(path.string());
    EXPECT_TRUE(back.Equals(&list));
    std::filesystem::remove(path);
    EXPECT_THROW(back.LoadFromFile(path.string()), EFOpenError);

    TMemoryStream stream; // a byte order mark is skipped
    stream.WriteBuffer("\xEF\xBB\xBF"
                       "x\r\ny",
                       7);
    stream.SetPosition(0);
    back.LoadFromStream(&stream);
    EXPECT_EQ(Items(back), (Lines{"x", "y"}));
}
