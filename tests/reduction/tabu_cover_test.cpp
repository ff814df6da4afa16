#include "reduction/internal/tabu_cover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <stop_token>
#include <vector>

#include "reduction/cover_check.h"
#include "reduction/internal/greedy_cover.h"
#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

class TabuCoverTest : public ::testing::Test {
  protected:
    // The columns of a covering, for the independent check.
    std::unique_ptr<CColumnSet> Columns(const std::vector<std::int32_t>& ids) const {
        auto set = std::make_unique<CColumnSet>();
        for (const std::int32_t id : ids) {
            set->Append(CColumn(index.IndexOf(id)));
        }
        return set;
    }
    std::vector<std::int32_t> WholeBet() const {
        std::vector<std::int32_t> all(static_cast<std::size_t>(index.Size()));
        std::iota(all.begin(), all.end(), 0);
        return all;
    }

    std::mt19937 engine{17};
    std::unique_ptr<CColumnSet> bet = SetOf(ClusteredBet(engine, 900));
    BetIndex index{*bet};
};

TEST_F(TabuCoverTest, ReturnsAValidCoveringNoLargerThanItsStartAndRepeatable) {
    for (std::int32_t guarantee = 11; guarantee <= 13; ++guarantee) {
        const std::int32_t radius = RadiusOf(guarantee);
        for (const std::vector<std::int32_t>& start :
             {GreedyCover({index, radius}).chosen, WholeBet()}) {
            const SearchLimit limit{.time = std::chrono::hours(1), .moves = 3000};
            const std::vector<std::int32_t> improved =
                TabuImproveCover({index, radius}, start, limit, 3);
            EXPECT_LE(improved.size(), start.size());
            EXPECT_TRUE(std::is_sorted(improved.begin(), improved.end()));
            EXPECT_EQ(FirstUncovered(*bet, *Columns(improved), guarantee), std::nullopt)
                << "al " << guarantee;
            EXPECT_EQ(TabuImproveCover({index, radius}, start, limit, 3), improved);
        }
    }
    // From the whole bet it must find something to drop.
    const SearchLimit some{.time = std::chrono::hours(1), .moves = 100};
    EXPECT_LT(TabuImproveCover({index, 1}, WholeBet(), some, 1).size(), WholeBet().size());
}

// Long enough to pass several halvings of the weights: a search that kept
// its gains and losses wrong after one would miss the smallest coverings.
TEST(TabuCoverSmallBetTest, ALongSearchFromTheWholeBetFindsTheSmallestCovering) {
    std::mt19937 engine(29);
    for (std::int32_t round = 0; round < 8; ++round) {
        const std::vector<CColumn> columns =
            SmallClusteredBet(engine, 3 + round % 2, 12 + static_cast<std::size_t>(round));
        const auto bet = SetOf(columns);
        const BetIndex index(*bet);
        std::vector<std::int32_t> all(static_cast<std::size_t>(index.Size()));
        std::iota(all.begin(), all.end(), 0);
        for (const std::int32_t guarantee : {13, 12}) {
            const std::vector<std::int32_t> found = TabuImproveCover(
                {index, RadiusOf(guarantee)}, all, {.time = std::chrono::hours(1), .moves = 30'000},
                static_cast<std::uint32_t>(round + 1));
            EXPECT_EQ(static_cast<std::int32_t>(found.size()), SmallestCovering(columns, guarantee))
                << "round " << round << ", al " << guarantee;
        }
    }
}

TEST_F(TabuCoverTest, AStopRequestOrAReachedBoundKeepsTheStart) {
    std::stop_source source;
    source.request_stop();
    const std::vector<std::int32_t> start = WholeBet();
    EXPECT_EQ(
        TabuImproveCover(
            {index, 1}, start,
            {.time = std::chrono::hours(1), .moves = 1'000'000, .stop = source.get_token()}, 1),
        start);
    EXPECT_EQ(TabuImproveCover(
                  {index, 1}, start,
                  {.time = std::chrono::hours(1), .moves = 1'000'000, .enough = start.size()}, 1),
              start);
}

}  // namespace
