#include "reduction/internal/cover_search.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "reduction/internal/greedy_cover.h"
#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

TEST(CoverSearchTest, ReturnsASmallerCoveringOrTheGivenOne) {
    std::mt19937 engine(9);
    for (std::int32_t round = 0; round < 6; ++round) {
        const std::vector<CColumn> columns = ClusteredBet(engine, 600);
        const auto bet = SetOf(columns);
        const BetIndex index(*bet);
        const std::int32_t guarantee = 12 + round % 2;
        const std::vector<std::int32_t> greedy = GreedyCover({index, RadiusOf(guarantee)}).chosen;
        const SearchLimit limit{std::chrono::hours(1), 20'000};
        const std::vector<std::int32_t> improved =
            ImproveCover({index, RadiusOf(guarantee)}, greedy, limit, 7);
        EXPECT_LE(improved.size(), greedy.size());
        EXPECT_TRUE(std::is_sorted(improved.begin(), improved.end()));
        std::vector<CColumn> kept;
        for (const std::int32_t id : improved) {
            kept.emplace_back(index.IndexOf(id));
        }
        EXPECT_EQ(NaiveFirstUncovered(columns, kept, guarantee), std::nullopt) << "round " << round;
        // Same seed, same moves: same result.
        EXPECT_EQ(ImproveCover({index, RadiusOf(guarantee)}, greedy, limit, 7), improved);
    }
}

TEST(CoverSearchTest, NoMovesKeepTheCovering) {
    std::mt19937 engine(2);
    const auto bet = SetOf(ClusteredBet(engine, 200));
    const BetIndex index(*bet);
    const std::vector<std::int32_t> greedy = GreedyCover({index, 1}).chosen;
    EXPECT_EQ(ImproveCover({index, 1}, greedy, {std::chrono::hours(1), 0}, 1), greedy);
}

}  // namespace
