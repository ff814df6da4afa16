#pragma once

#include <cstdint>
#include <vector>

#include "core/column_set.h"
#include "core/distance_ball.h"

// The distinct columns of a bet, numbered 0..Size()-1 in the order of their
// first occurrence, with a lookup from any column index to that number. The
// covering reductions work on these numbers: a column that occurs twice is
// one column to cover and one to keep.
//
// Holds one number per possible column (about 19 MB) and a membership bitmap
// (about 600 kB, so that most lookups of a ball stay in the cache). The
// constructor may throw std::bad_alloc.
class BetIndex {
  public:
    explicit BetIndex(const CColumnSet& bet);

    // Number of distinct columns.
    std::int32_t Size() const { return static_cast<std::int32_t>(indices.size()); }
    // The number of the column with this index, or -1 when the bet lacks it.
    std::int32_t IdOf(std::int32_t index) const {
        return Contains(index) ? ids[static_cast<std::size_t>(index)] : -1;
    }
    bool Contains(std::int32_t index) const {
        const auto bit = static_cast<std::uint32_t>(index);
        return ((members[bit / 64] >> (bit % 64)) & 1) != 0;
    }
    // The column index, the first position in the bet and the score there.
    std::int32_t IndexOf(std::int32_t id) const { return indices[static_cast<std::size_t>(id)]; }
    std::int32_t PositionOf(std::int32_t id) const {
        return positions[static_cast<std::size_t>(id)];
    }
    std::int32_t ScoreOf(std::int32_t id) const { return scores[static_cast<std::size_t>(id)]; }

    // Calls visit(otherId) for every distinct bet column within `radius` of
    // column `id` (itself included), each once.
    template <typename Visit>
    void ForEachNear(std::int32_t id, std::int32_t radius, Visit&& visit) const {
        ForEachWithin(CColumn(IndexOf(id)), radius, [&](std::int32_t index) {
            if (Contains(index)) {
                visit(ids[static_cast<std::size_t>(index)]);
            }
        });
    }

  private:
    std::vector<std::uint64_t> members;
    std::vector<std::int32_t> ids;  // by column index; meaningful where the bit is set
    std::vector<std::int32_t> indices;
    std::vector<std::int32_t> positions;
    std::vector<std::int32_t> scores;
};

// The radius of the ball that a guarantee of `guarantee` hits needs: 14 - G.
inline constexpr std::int32_t RadiusOf(std::int32_t guarantee) {
    return kMatches - guarantee;
}
