#pragma once

#include <cstdint>
#include <vector>

// A candidate of the greedy covering: the gain it had when last looked at,
// its rank of preference (lower first among equal gains) and the column's
// number, carried along so that the top needs no lookup.
struct GainEntry {
    std::int64_t gain;
    std::int32_t rank;
    std::int32_t id;
};
static_assert(sizeof(GainEntry) == 16, "the number fills what would be padding");

// The greedy's candidates, largest gain first and, among equal gains, the
// lowest rank: a 4-ary heap (half the levels of a binary one) whose top can
// be lowered in place with one sift, as a candidate found out of date is
// with its current gain. Ranks are distinct, so the top is always unique.
class GainHeap {
  public:
    explicit GainHeap(std::vector<GainEntry> entries);

    bool Empty() const { return entries.empty(); }
    const GainEntry& Top() const { return entries.front(); }
    void Pop();
    // Replaces the top by `entry`, which must not come before it (gains
    // only fall).
    void LowerTop(GainEntry entry);

  private:
    void SiftDown(std::size_t at);

    std::vector<GainEntry> entries;
};
