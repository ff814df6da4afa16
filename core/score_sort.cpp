#include "core/score_sort.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// How many slots ahead of a bucket's next slot to prefetch (a few cache
// lines of 20-byte records).
constexpr std::size_t kPrefetchAhead = 16;

// Swaps two records as whole 20-byte blocks. (A member-wise swap copies the
// 19 meaningful bytes as 16 + 4 overlapping ones through the stack, and
// reading back such a straddling copy stalls.)
void SwapRecords(CColumn& a, CColumn& b) {
    unsigned char held[sizeof(CColumn)];
    std::memcpy(held, &a, sizeof held);
    std::memcpy(&a, &b, sizeof held);
    std::memcpy(&b, held, sizeof held);
}

// Hints the cache about a slot that may lie past the range (a prefetch never
// faults); computed on integers so that no out-of-range pointer is formed.
void PrefetchForWrite(const CColumn* base, std::size_t slot) {
    const auto address = reinterpret_cast<std::uintptr_t>(base) + slot * sizeof(CColumn);
    __builtin_prefetch(reinterpret_cast<const void*>(address), 1);
}

bool HigherScore(const CColumn& a, const CColumn& b) {
    return a.score > b.score;
}

}  // namespace

void SortColumnsByScore(CColumn* first, CColumn* last) {
    if (last - first < 2) {
        return;
    }
    const auto [lowest, highest] = std::minmax_element(
        first, last, [](const CColumn& a, const CColumn& b) { return a.score < b.score; });
    const std::int32_t top = highest->score;
    const std::int64_t buckets = std::int64_t{top} - lowest->score + 1;
    if (buckets > kMaxScoreBuckets) {
        std::sort(first, last, HigherScore);
        return;
    }
    // Bucket b holds the score top - b, so the buckets run highest first.
    const auto bucketOf = [top](const CColumn& column) {
        return static_cast<std::size_t>(std::int64_t{top} - column.score);
    };
    std::vector<std::size_t> next(static_cast<std::size_t>(buckets) + 1, 0);
    for (const CColumn* column = first; column != last; ++column) {
        ++next[bucketOf(*column) + 1];
    }
    for (std::size_t b = 1; b < next.size(); ++b) {
        next[b] += next[b - 1];
    }
    // next[b] is the first slot of bucket b still to fill; bucket b ends
    // where bucket b + 1 began.
    const std::vector<std::size_t> end(next.begin() + 1, next.end());
    const std::size_t bucketCount = end.size();
    // Each round walks the unfilled slots of every bucket and swaps the column
    // found there into the next free slot of its own bucket, which settles
    // that column for good. The swaps of one walk do not wait for each other
    // (unlike following one cycle of moves), so many run at once. A column
    // swapped into a slot already walked waits for the next round.
    bool unsettled = true;
    while (unsettled) {
        unsettled = false;
        for (std::size_t b = 0; b < bucketCount; ++b) {
            const std::size_t regionEnd = end[b];
            for (std::size_t slot = next[b]; slot < regionEnd; ++slot) {
                const std::size_t target = bucketOf(first[slot]);
                // Every bucket fills its region front to back: fetch the coming
                // slots early, as a hundred such streams are more than the
                // hardware follows by itself.
                PrefetchForWrite(first, next[target] + kPrefetchAhead);
                SwapRecords(first[slot], first[next[target]++]);
            }
            unsettled = unsettled || next[b] < end[b];
        }
    }
}
