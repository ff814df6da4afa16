#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/column_set.h"
#include "core/distance_ball.h"

namespace lumo::internal {

// What SummariseBalls finds for every column of a bet: the sum of values and
// the largest mark over its ball.
struct BallSummaries {
    std::vector<std::int64_t> sums;
    std::vector<std::int32_t> most;
};

// The distinct columns of a bet, numbered 0..Size()-1 in the order of their
// first occurrence, with a lookup from any column index to that number. The
// covering reductions work on these numbers: a column that occurs twice is
// one column to cover and one to keep.
//
// Holds one number per possible column (about 19 MB) and a membership bitmap
// (about 600 kB, so that most lookups of a ball stay in the cache). Balls are
// enumerated over the results the bet uses in each match only, so a bet with
// fixed results and doubles has smaller balls to look through. The
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
    // Per match, bit r set when some bet column has result r there: the bet's
    // hull is every combination of these results.
    const std::array<std::uint8_t, kMatches>& UsedResults() const { return used; }

    // Keeps, for every distinct column, the bet columns within `radius` of
    // it in a list (in the order a walk of its ball visits them), when the
    // lists take at most `budget` bytes and the memory is there; otherwise
    // keeps none. ForEachNear and the sums below at that radius then read the
    // lists, several times as fast as walking the balls. Replaces lists kept
    // before.
    void KeepBalls(std::int32_t radius, std::int64_t budget);
    // The radius whose balls are kept, or -1.
    std::int32_t KeptRadius() const { return keptRadius; }

    // Calls visit(otherId) for every distinct bet column within `radius` of
    // column `id` (itself included), each once, always in the same order.
    template <typename Visit>
    void ForEachNear(std::int32_t id, std::int32_t radius, Visit&& visit) const {
        if (radius == keptRadius) {
            const std::int64_t end = ballStarts[static_cast<std::size_t>(id) + 1];
            for (std::int64_t at = ballStarts[static_cast<std::size_t>(id)]; at < end; ++at) {
                visit(balls[static_cast<std::size_t>(at)]);
            }
            return;
        }
        const CColumn column(IndexOf(id));
        Moves moves{};
        std::int32_t movable = 0;
        for (std::size_t m = 0; m < moves.size(); ++m) {
            const std::uint8_t code = column.results[m];
            const auto& steps = kIndexStepsByCode[m][code];
            Move& move = moves[static_cast<std::size_t>(movable)];
            move.count = 0;
            for (std::size_t k = 0; k < steps.size(); ++k) {
                const auto other = static_cast<std::uint8_t>((code + 1 + k) % 3);
                if ((used[m] >> other & 1) != 0) {
                    move.steps[static_cast<std::size_t>(move.count++)] = steps[k];
                }
            }
            movable += move.count > 0 ? 1 : 0;
        }
        const auto visitMember = [&](std::int32_t index) {
            if (Contains(index)) {
                visit(ids[static_cast<std::size_t>(index)]);
            }
        };
        VisitMoves(moves, IndexOf(id), movable, std::min(radius, movable), visitMember);
    }

    // For every distinct column, the number of distinct bet columns within
    // `radius` of it, itself included: what ForEachNear would count. May
    // throw std::bad_alloc.
    //
    // This and the three below walk every ball when the bet is small, the
    // balls shared among the threads. For a large bet they work on all 3^14
    // columns at once, match by match, using (min(radius, 14) + 1) arrays of
    // all columns (19 MB each, 38 MB for the sums) while they run.
    std::vector<std::int32_t> CountsNear(std::int32_t radius) const;
    // For every distinct column, the sum of values[other] and the largest
    // marks[other] over the bet columns `other` within `radius` of it,
    // itself included. `values` and `marks` have one entry per distinct
    // column; the sums must fit.
    BallSummaries SummariseBalls(std::int32_t radius, const std::vector<std::int64_t>& values,
                                 const std::vector<std::int32_t>& marks) const;
    // The sums alone, of real values (in an order that may differ from
    // ForEachNear's, so the last bits may differ from a walk's). The passes
    // over all columns work in `scratch`, which a caller summing many times
    // keeps from one call to the next: allocating 150 MB afresh each time
    // costs more than the sums.
    std::vector<double> SumsNear(std::int32_t radius, const std::vector<double>& values,
                                 std::vector<double>& scratch) const;
    std::vector<double> SumsNear(std::int32_t radius, const std::vector<double>& values) const {
        std::vector<double> scratch;
        return SumsNear(radius, values, scratch);
    }
    // The largest marks alone.
    std::vector<std::int32_t> LargestNear(std::int32_t radius,
                                          const std::vector<std::int32_t>& marks) const;

  private:
    // Whether walking every ball costs less than the passes over all columns.
    bool WalksBalls(std::int32_t radius) const;

    // The index steps of one match to the other results the bet uses there.
    struct Move {
        std::int32_t count;
        std::array<std::int32_t, 2> steps;
    };
    using Moves = std::array<Move, kMatches>;

    // Visits `index` and every index reached from it by up to `changesLeft`
    // moves among moves 0..end-1, each set of matches and results once.
    template <typename Visit>
    static void VisitMoves(const Moves& moves, std::int32_t index, std::int32_t end,
                           std::int32_t changesLeft, Visit& visit) {
        visit(index);
        if (changesLeft <= 0) {
            return;
        }
        if (changesLeft == 1) {
            for (std::int32_t m = 0; m < end; ++m) {
                const Move& move = moves[static_cast<std::size_t>(m)];
                for (std::int32_t k = 0; k < move.count; ++k) {
                    visit(index + move.steps[static_cast<std::size_t>(k)]);
                }
            }
            return;
        }
        for (std::int32_t m = end - 1; m >= 0; --m) {
            const Move& move = moves[static_cast<std::size_t>(m)];
            for (std::int32_t k = 0; k < move.count; ++k) {
                VisitMoves(moves, index + move.steps[static_cast<std::size_t>(k)], m,
                           changesLeft - 1, visit);
            }
        }
    }

    // Per match, bit r set when some bet column has result r there.
    std::array<std::uint8_t, kMatches> used{};
    std::vector<std::uint64_t> members;
    std::vector<std::int32_t> ids;  // by column index; meaningful where the bit is set
    std::vector<std::int32_t> indices;
    std::vector<std::int32_t> positions;
    std::vector<std::int32_t> scores;
    // The kept balls: those of column id are balls[ballStarts[id]] up to
    // balls[ballStarts[id + 1]].
    std::int32_t keptRadius = -1;
    std::vector<std::int64_t> ballStarts;
    std::vector<std::int32_t> balls;
};

// The radius of the ball that a guarantee of `guarantee` hits needs: 14 - G.
inline constexpr std::int32_t RadiusOf(std::int32_t guarantee) {
    return kMatches - guarantee;
}

}  // namespace lumo::internal
