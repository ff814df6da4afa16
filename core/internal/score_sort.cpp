#include "core/internal/score_sort.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lumo::internal {

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

// Counts the scores into counts[score - base]. False, with the counts
// unfinished, as soon as a score falls outside the counted window.
bool CountScores(const CColumn* first, const CColumn* last, std::int64_t base,
                 std::vector<std::uint32_t>& counts) {
    for (const CColumn* column = first; column != last; ++column) {
        const auto offset = static_cast<std::uint64_t>(column->score - base);
        if (offset >= counts.size()) {
            return false;
        }
        ++counts[offset];
    }
    return true;
}

// Moves every column into the region of its score, highest score first,
// given the counts of the scores (counts[score - base]).
void PlaceByCounts(CColumn* first, std::int64_t base, const std::vector<std::uint32_t>& counts) {
    const auto used = [](std::uint32_t count) { return count != 0; };
    const auto highestUsed = static_cast<std::size_t>(
        std::find_if(counts.rbegin(), counts.rend(), used).base() - counts.begin() - 1);
    const auto lowestUsed =
        static_cast<std::size_t>(std::find_if(counts.begin(), counts.end(), used) - counts.begin());
    // Bucket b holds the score base + highestUsed - b, so the buckets run
    // highest score first. next[b] is the first slot of bucket b still to
    // fill; bucket b ends where bucket b + 1 begins.
    const std::size_t bucketCount = highestUsed - lowestUsed + 1;
    const std::int64_t top = base + static_cast<std::int64_t>(highestUsed);
    const auto bucketOf = [top](const CColumn& column) {
        return static_cast<std::size_t>(top - column.score);
    };
    std::vector<std::size_t> next(bucketCount);
    std::vector<std::size_t> end(bucketCount);
    std::size_t filled = 0;
    for (std::size_t b = 0; b < bucketCount; ++b) {
        next[b] = filled;
        filled += counts[highestUsed - b];
        end[b] = filled;
    }
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

}  // namespace

void SortColumnsByScore(CColumn* first, CColumn* last) {
    if (last - first < 2) {
        return;
    }
    // One pass counts the scores in a window around the first one, which
    // holds them all in the usual cases; otherwise the window moves to the
    // lowest score, or the sort falls back when they span too much.
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(kMaxScoreBuckets));
    std::int64_t base = std::int64_t{first->score} - kMaxScoreBuckets / 2;
    if (!CountScores(first, last, base, counts)) {
        const auto [lowest, highest] = std::minmax_element(
            first, last, [](const CColumn& a, const CColumn& b) { return a.score < b.score; });
        if (std::int64_t{highest->score} - lowest->score >= kMaxScoreBuckets) {
            std::sort(first, last, HigherScore);
            return;
        }
        base = lowest->score;
        std::fill(counts.begin(), counts.end(), 0);
        CountScores(first, last, base, counts);
    }
    PlaceByCounts(first, base, counts);
}

}  // namespace lumo::internal
