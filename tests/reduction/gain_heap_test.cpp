#include "reduction/internal/gain_heap.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

using namespace lumo;
using namespace lumo::internal;

namespace {

// The order the heap keeps, as a set's key: larger gain first, then the
// lower rank.
using Key = std::pair<std::int64_t, std::int32_t>;
Key KeyOf(const GainEntry& entry) {
    return {-entry.gain, entry.rank};
}

// Any number an entry carries, different from its rank.
std::int32_t IdOfRank(std::int32_t rank) {
    return 7 * rank + 1;
}

// Random pops and lowerings of the top, on heaps of sizes around the
// branching (incomplete last levels) and larger, with many equal gains;
// the top always equals the first of a sorted reference and carries its own
// number.
TEST(GainHeapTest, TheTopIsAlwaysTheLargestGainThenTheLowestRank) {
    std::mt19937 engine(3);
    for (const std::int32_t size : {1, 2, 4, 5, 6, 17, 21, 1000}) {
        std::uniform_int_distribution<std::int64_t> gain(0, size / 3 + 1);
        std::vector<GainEntry> entries;
        std::set<Key> reference;
        for (std::int32_t rank = 0; rank < size; ++rank) {
            entries.push_back({gain(engine), rank, IdOfRank(rank)});
            reference.insert(KeyOf(entries.back()));
        }
        GainHeap heap(entries);
        std::bernoulli_distribution lower(0.7);
        while (!reference.empty()) {
            ASSERT_FALSE(heap.Empty());
            const GainEntry top = heap.Top();
            ASSERT_EQ(KeyOf(top), *reference.begin()) << "size " << size;
            ASSERT_EQ(top.id, IdOfRank(top.rank)) << "size " << size;
            reference.erase(reference.begin());
            if (top.gain > 0 && lower(engine)) {
                std::uniform_int_distribution<std::int64_t> lowered(0, top.gain - 1);
                const GainEntry entry{lowered(engine), top.rank, top.id};
                heap.LowerTop(entry);
                reference.insert(KeyOf(entry));
            } else {
                heap.Pop();
            }
        }
        EXPECT_TRUE(heap.Empty());
    }
}

}  // namespace
