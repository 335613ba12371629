// The set that tells live window records from dead ones: removals inside runs of colliding
// entries must leave every other entry findable.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "host/qt/PointerSet_p.h"

namespace {
const void* P(uintptr_t n) {
    return reinterpret_cast<const void*>(n * 16);
}
} // namespace

TEST(PointerSet, AgreesWithAReferenceSetThroughGrowthAndRemovalsInEveryOrder) {
    TPointerSet set;
    std::set<const void*> reference;
    std::mt19937 random(7);
    // Few distinct values against many operations, so that runs form, wrap around the end of
    // the table and are cut in the middle.
    std::uniform_int_distribution<uintptr_t> value(1, 400);
    for (int step = 0; step < 20000; ++step) {
        const void* p = P(value(random));
        if (random() % 3 == 0) {
            EXPECT_EQ(set.Erase(p), reference.erase(p) == 1);
        } else {
            EXPECT_EQ(set.Insert(p), reference.insert(p).second);
        }
        if (step % 997 != 0) continue;
        for (uintptr_t n = 1; n <= 400; ++n) {
            ASSERT_EQ(set.Contains(P(n)), reference.count(P(n)) == 1) << n << " at " << step;
        }
    }
    EXPECT_EQ(set.Size(), reference.size());
    std::vector<const void*> left(reference.begin(), reference.end());
    std::shuffle(left.begin(), left.end(), random);
    for (const void* p : left) {
        EXPECT_TRUE(set.Erase(p));
        EXPECT_FALSE(set.Contains(p));
    }
    EXPECT_EQ(set.Size(), 0u);
}

TEST(PointerSet, NullAndUnknownPointersAreNeverHeld) {
    TPointerSet set;
    EXPECT_FALSE(set.Contains(nullptr));
    EXPECT_FALSE(set.Erase(P(3)));
    EXPECT_FALSE(set.Insert(nullptr));
    EXPECT_TRUE(set.Insert(P(3)));
    EXPECT_FALSE(set.Contains(nullptr));
    EXPECT_FALSE(set.Contains(P(4)));
    EXPECT_FALSE(set.Erase(nullptr));
}
