#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumo::internal {

// A candidate of the greedy covering: the gain it had when last looked at,
// its rank of preference (lower first among equal gains) and the column's
// number, carried along so that the top needs no lookup.
struct GainEntry {
    std::int64_t gain;
    std::int32_t rank;
    std::int32_t id;
};
static_assert(sizeof(GainEntry) == 16, "four entries fill one cache line");

// The greedy's candidates, largest gain first and, among equal gains, the
// lowest rank: a 4-ary heap (half the levels of a binary one) whose top can
// be lowered in place with one sift, as a candidate found out of date is
// with its current gain. Ranks are distinct, so the top is always unique.
//
// A lowered top nearly always sinks to the last levels, which are out of the
// cache: the four children of a node fill one cache line, and a sift asks
// for the lines of the next level's candidates while it compares this
// level's.
class GainHeap {
  public:
    explicit GainHeap(const std::vector<GainEntry>& entries);

    bool Empty() const { return size == 0; }
    const GainEntry& Top() const { return At(0); }
    void Pop();
    // Replaces the top by `entry`, which must not come before it (gains
    // only fall).
    void LowerTop(GainEntry entry);

  private:
    static constexpr std::size_t kChildren = 4;
    // Node i lies at place i + kShift, so that the children 4i+1..4i+4 of
    // node i fill line i + 1.
    static constexpr std::size_t kShift = kChildren - 1;
    struct alignas(64) Line {
        std::array<GainEntry, kChildren> entries;
    };

    GainEntry& At(std::size_t node) {
        return lines[(node + kShift) / kChildren].entries[(node + kShift) % kChildren];
    }
    const GainEntry& At(std::size_t node) const {
        return lines[(node + kShift) / kChildren].entries[(node + kShift) % kChildren];
    }
    void SiftDown(std::size_t node);

    std::vector<Line> lines;
    std::size_t size;
};

}  // namespace lumo::internal
