// TList: notifications of what enters and leaves, index errors, order operations.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host/core/List.h"

namespace {

struct Event {
    void* item;
    TListNotification action;
    bool inList; // whether the item was stored when it was reported
    bool operator==(const Event&) const = default;
};
using Log = std::vector<Event>;

/// Records each notification together with whether the item was stored at that moment.
class TRecordingList : public TList {
public:
    explicit TRecordingList(Log& log) : FLog(log) {}
    ~TRecordingList() override { Clear(); }

protected:
    void Notify(void* Ptr, TListNotification Action) override {
        FLog.push_back({Ptr, Action, IndexOf(Ptr) >= 0});
    }

private:
    Log& FLog;
};

int a, b, c, d;

} // namespace

TEST(List, AddAndRemove_ReportAfterTheChange) {
    Log log;
    TRecordingList list(log);
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&b), 1);
    list.Insert(0, &c);
    list.Insert(3, &d); // c a b d
    EXPECT_EQ(
        log,
        (Log{{&a, lnAdded, true}, {&b, lnAdded, true}, {&c, lnAdded, true}, {&d, lnAdded, true}}));
    log.clear();
    list.Delete(2);                       // b
    EXPECT_EQ(list.Remove(&d), 2);        // the former index
    EXPECT_EQ(list.Remove(&d), -1);       // not there: no report
    EXPECT_EQ(list.Extract(&a), &a);      // removed without deleting
    EXPECT_EQ(list.Extract(&a), nullptr); // not there
    list.SetItem(0, &b);                  // replaces c
    EXPECT_EQ(log, (Log{{&b, lnDeleted, false},
                        {&d, lnDeleted, false},
                        {&a, lnExtracted, false},
                        {&c, lnDeleted, false},
                        {&b, lnAdded, true}}));
}

TEST(List, Clear_ReportsLastToFirst) {
    Log log;
    TRecordingList list(log);
    for (void* p : {&a, &b, &c})
        list.Add(p);
    log.clear();
    list.Clear();
    EXPECT_EQ(log, (Log{{&c, lnDeleted, false}, {&b, lnDeleted, false}, {&a, lnDeleted, false}}));
    EXPECT_EQ(list.Count(), 0);
}

TEST(List, NullItems_AreStoredButNotReported) {
    Log log;
    TRecordingList list(log);
    list.Add(nullptr);
    list.Insert(0, nullptr);
    list.Add(&a);
    list.Delete(0);
    list.SetCount(3); // grows with null items
    EXPECT_EQ(list.Count(), 3);
    list.Pack();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(log, (Log{{&a, lnAdded, true}}));
}

TEST(List, Free_ReachesTheOverriddenNotify) {
    // Freed through Free(), even a descendant that does not Clear in its destructor hears
    // of its items leaving.
    struct TPlainList : TList {
        std::vector<void*>* deleted = nullptr;
        void Notify(void* Ptr, TListNotification Action) override {
            if (Action == lnDeleted) deleted->push_back(Ptr);
        }
    };
    std::vector<void*> deleted;
    auto* list = new TPlainList;
    list->deleted = &deleted;
    list->Add(&a);
    list->Add(&b);
    list->Free();
    EXPECT_EQ(deleted, (std::vector<void*>{&b, &a}));
}

TEST(List, BadIndex_RaisesListErrorNamingTheIndex) {
    TList list, empty;
    list.Add(&a);
    list.Add(&b);
    std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { list.Items(-1); }, "列表索引越界（-1）"},
        {[&] { list.SetItem(2, &c); }, "列表索引越界（2）"},
        {[&] { list.Delete(2); }, "列表索引越界（2）"},
        {[&] { list.Insert(3, &c); }, "列表索引越界（3）"},
        {[&] { list.Exchange(0, 5); }, "列表索引越界（5）"},
        {[&] { list.Move(4, 0); }, "列表索引越界（4）"},
        {[&] { list.Move(0, 2); }, "列表索引越界（2）"},
        {[&] { empty.First(); }, "列表索引越界（0）"},
        {[&] { empty.Last(); }, "列表索引越界（-1）"},
        {[&] { list.SetCapacity(1); }, "列表容量越界（1）"},
        {[&] { list.SetCount(-1); }, "列表项数越界（-1）"}};
    for (auto& [op, message] : cases) {
        try {
            op();
            ADD_FAILURE() << "no EListError for " << message;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
    EXPECT_EQ(list.Count(), 2);
}

TEST(List, Reordering_ReportsNothing) {
    Log log;
    TRecordingList list(log);
    int v[5] = {3, 1, 4, 1, 5};
    for (int& x : v)
        list.Add(&x);
    log.clear();
    auto order = [&] {
        std::vector<long> r;
        for (int i = 0; i < list.Count(); ++i)
            r.push_back(static_cast<int*>(list.Items(i)) - v);
        return r;
    };
    list.Move(0, 3);
    EXPECT_EQ(order(), (std::vector<long>{1, 2, 3, 0, 4}));
    list.Move(4, 1);
    EXPECT_EQ(order(), (std::vector<long>{1, 4, 2, 3, 0}));
    list.Exchange(0, 4);
    list.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
    EXPECT_EQ(order(), (std::vector<long>{3, 1, 0, 2, 4})); // the equal 1s keep their order
    EXPECT_TRUE(log.empty());

    TList copy;
    copy.Add(&a);
    copy.Assign(&list);
    EXPECT_EQ(copy.Count(), 5);
    EXPECT_EQ(copy.Last(), &v[4]);
}
