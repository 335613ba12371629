// TList: notifications of what enters and leaves, index errors, order operations.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host/List.h"

namespace {

struct Event {
    void* item;
    TListNotification action;
    bool inList; // whether the item was in the list when it was reported
    bool operator==(const Event&) const = default;
};

/// Records each notification together with whether the item was stored at that moment.
class TRecordingList : public TList {
public:
    explicit TRecordingList(std::vector<Event>& log) : FLog(log) {}
    ~TRecordingList() override { Clear(); }

protected:
    void Notify(void* Ptr, TListNotification Action) override {
        FLog.push_back({Ptr, Action, IndexOf(Ptr) >= 0});
    }

private:
    std::vector<Event>& FLog;
};

int a, b, c, d;

template <class F> std::string ListErrorOf(F f) {
    try {
        f();
    } catch (const EListError& e) {
        return e.Message();
    }
    return "(no EListError)";
}

} // namespace

TEST(List, AddInsert_ReportAfterTheItemIsStored) {
    std::vector<Event> log;
    TRecordingList list(log);
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&b), 1);
    list.Insert(0, &c);
    list.Insert(3, &d);
    EXPECT_EQ(
        log,
        (std::vector<Event>{
            {&a, lnAdded, true}, {&b, lnAdded, true}, {&c, lnAdded, true}, {&d, lnAdded, true}}));
    EXPECT_EQ(list.IndexOf(&c), 0);
    EXPECT_EQ(list.Last(), &d);
}

TEST(List, DeleteRemoveExtract_ReportAfterTheItemIsGone) {
    std::vector<Event> log;
    TRecordingList list(log);
    for (void* p : {&a, &b, &c, &d})
        list.Add(p);
    log.clear();

    list.Delete(1);                       // b
    EXPECT_EQ(list.Remove(&d), 2);        // former index
    EXPECT_EQ(list.Remove(&d), -1);       // not there: no report
    EXPECT_EQ(list.Extract(&a), &a);      // removed without deleting
    EXPECT_EQ(list.Extract(&a), nullptr); // not there
    EXPECT_EQ(log, (std::vector<Event>{
                       {&b, lnDeleted, false}, {&d, lnDeleted, false}, {&a, lnExtracted, false}}));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.First(), &c);
}

TEST(List, Clear_ReportsLastToFirst) {
    std::vector<Event> log;
    TRecordingList list(log);
    for (void* p : {&a, &b, &c})
        list.Add(p);
    log.clear();
    list.Clear();
    EXPECT_EQ(log, (std::vector<Event>{
                       {&c, lnDeleted, false}, {&b, lnDeleted, false}, {&a, lnDeleted, false}}));
    EXPECT_EQ(list.Count(), 0);
}

TEST(List, NullItems_AreStoredButNotReported) {
    std::vector<Event> log;
    TRecordingList list(log);
    list.Add(nullptr);
    list.Insert(0, nullptr);
    list.Add(&a);
    list.Delete(0);
    list.SetCount(3); // grows with null items
    EXPECT_EQ(list.Count(), 3);
    list.Pack();
    EXPECT_EQ(list.Count(), 1);
    list.Clear();
    EXPECT_EQ(log, (std::vector<Event>{{&a, lnAdded, true}, {&a, lnDeleted, false}}));
}

TEST(List, SetItem_ReportsOldDeletedThenNewAdded) {
    std::vector<Event> log;
    TRecordingList list(log);
    list.Add(&a);
    log.clear();
    list.SetItem(0, &a); // same item: nothing changes
    list.SetItem(0, &b);
    EXPECT_EQ(log, (std::vector<Event>{{&a, lnDeleted, false}, {&b, lnAdded, true}}));
}

TEST(List, Free_ReachesTheOverriddenNotify) {
    // Freed through Free(), even a descendant that does not Clear in its destructor hears of
    // its items leaving.
    struct TPlainRecordingList : TList {
        std::vector<void*>* deleted;
        void Notify(void* Ptr, TListNotification Action) override {
            if (Action == lnDeleted) deleted->push_back(Ptr);
        }
    };
    std::vector<void*> deleted;
    auto* list = new TPlainRecordingList;
    list->deleted = &deleted;
    list->Add(&a);
    list->Add(&b);
    list->Free();
    EXPECT_EQ(deleted, (std::vector<void*>{&b, &a}));
}

TEST(List, BadIndex_RaisesListErrorNamingTheIndex) {
    TList list;
    list.Add(&a);
    list.Add(&b);
    struct Case {
        std::function<void()> op;
        const char* message;
    } cases[] = {
        {[&] { list.Items(-1); }, "List index out of bounds (-1)"},
        {[&] { list.Items(2); }, "List index out of bounds (2)"},
        {[&] { list.SetItem(2, &c); }, "List index out of bounds (2)"},
        {[&] { list.Delete(2); }, "List index out of bounds (2)"},
        {[&] { list.Insert(3, &c); }, "List index out of bounds (3)"},
        {[&] { list.Insert(-1, &c); }, "List index out of bounds (-1)"},
        {[&] { list.Exchange(0, 5); }, "List index out of bounds (5)"},
        {[&] { list.Move(4, 0); }, "List index out of bounds (4)"},
        {[&] { list.Move(0, 2); }, "List index out of bounds (2)"},
        {[&] { TList().First(); }, "List index out of bounds (0)"},
        {[&] { TList().Last(); }, "List index out of bounds (-1)"},
        {[&] { list.SetCapacity(1); }, "List capacity out of bounds (1)"},
        {[&] { list.SetCount(-1); }, "List count out of bounds (-1)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListErrorOf(c.op), c.message);
    EXPECT_EQ(list.Count(), 2);
}

TEST(List, MoveExchangeSort_ReorderWithoutReports) {
    std::vector<Event> log;
    TRecordingList list(log);
    int v[5] = {3, 1, 4, 1, 5};
    for (int& x : v)
        list.Add(&x);
    log.clear();
    auto order = [&] {
        std::vector<int> r;
        for (int i = 0; i < list.Count(); ++i)
            r.push_back(int(static_cast<int*>(list.Items(i)) - v));
        return r;
    };
    list.Move(0, 3);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 3, 0, 4}));
    list.Move(4, 1);
    EXPECT_EQ(order(), (std::vector<int>{1, 4, 2, 3, 0}));
    list.Exchange(0, 4);
    EXPECT_EQ(order(), (std::vector<int>{0, 4, 2, 3, 1}));
    list.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
    EXPECT_EQ(order(), (std::vector<int>{3, 1, 0, 2, 4})); // the equal 1s keep their order
    EXPECT_TRUE(log.empty());
}

TEST(List, Assign_CopiesItemsAndCapacityGrows) {
    TList source, dest;
    source.Add(&a);
    source.Add(nullptr);
    source.Add(&b);
    dest.Add(&c);
    dest.Assign(&source);
    ASSERT_EQ(dest.Count(), 3);
    EXPECT_EQ(dest.Items(2), &b);
    dest.Assign(&dest);
    EXPECT_EQ(dest.Count(), 3);
    dest.SetCapacity(100);
    EXPECT_GE(dest.Capacity(), 100);
    dest.SetCapacity(3);
    EXPECT_EQ(dest.Items(0), &a);
    TObject* created = TList::StaticClass()->Create();
    EXPECT_EQ(created->ClassName(), "TList");
    created->Free();
}
