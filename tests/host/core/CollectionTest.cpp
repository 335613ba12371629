// TCollection and TCollectionItem: ownership, order, IDs and change notification.

#include <gtest/gtest.h>

#include "StreamFixtures.h"

TEST(Collection, AddInsertDeleteKeepIndexesAndIDs) {
    TFixItems items;
    auto* a = static_cast<TFixItem*>(items.Add());
    auto* b = static_cast<TFixItem*>(items.Add());
    auto* front = static_cast<TFixItem*>(items.Insert(0));
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Items(0), front);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_EQ(b->Index(), 2);
    EXPECT_EQ((std::vector<int>{a->ID(), b->ID(), front->ID()}), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(items.FindItemID(1), b);
    items.Delete(1);
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(items.FindItemID(0), nullptr);
    // IDs are never reused.
    EXPECT_EQ(items.Add()->ID(), 3);
    EXPECT_THROW(items.Items(3), EListError);
}

TEST(Collection, ItemsLeaveTheirCollectionWhenFreedOrMoved) {
    TFixItems first, second;
    TCollectionItem* item = first.Add();
    first.Add();
    item->SetCollection(&second);
    EXPECT_EQ(first.Count(), 1);
    EXPECT_EQ(second.Count(), 1);
    EXPECT_EQ(item->Collection(), &second);
    item->Free();
    EXPECT_EQ(second.Count(), 0);
    auto* moved = first.Items(0);
    moved->SetIndex(5); // clamped
    EXPECT_EQ(moved->Index(), 0);
}

TEST(Collection, OwnerHearsOfChangesOnceOutsideAndAfterUpdateBlocks) {
    TFixItems items;
    items.Add();
    items.Add();
    EXPECT_EQ(items.Updates, 2);
    items.BeginUpdate();
    items.Add();
    items.Delete(0);
    items.Items(0)->SetIndex(1);
    EXPECT_EQ(items.Updates, 2);
    items.EndUpdate();
    EXPECT_EQ(items.Updates, 3);
    items.Clear();
    EXPECT_EQ(items.Updates, 4);
    EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, AssignCopiesItemsAndNamePathsNameTheOwner) {
    RegisterStreamFixtures();
    TFixForm form;
    auto* w = new TFixWidget(&form);
    w->SetName("Grid");
    static_cast<TFixItem*>(w->Items()->Add())->Caption = "x";
    EXPECT_EQ(w->Items()->GetNamePath(), "Grid.Items");
    EXPECT_EQ(w->Items()->Items(0)->GetNamePath(), "Grid.Items[0]");
    EXPECT_EQ(w->Items()->Items(0)->DisplayName(), "TFixItem");
    TFixItems copy;
    copy.Add();
    copy.Add();
    copy.Assign(w->Items());
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(static_cast<TFixItem*>(copy.Items(0))->Caption, "x");
    EXPECT_THROW(TCollection(TFixWidget::StaticClass()), EInvalidOperation);
}
