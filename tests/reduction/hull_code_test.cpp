#include "reduction/internal/hull_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "reduction/cover_check.h"
#include "reduction/internal/greedy_cover.h"
#include "reduction/internal/product_cover.h"
#include "tests/core/test_support.h"
#include "tests/reduction/column_ids.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// Any two of the seeds differ in 5 matches or more.
void ExpectFiveApart(const BetIndex& index, const std::vector<std::int32_t>& seeds) {
    for (std::size_t a = 0; a < seeds.size(); ++a) {
        const CColumn first(index.IndexOf(seeds[a]));
        for (std::size_t b = a + 1; b < seeds.size(); ++b) {
            ASSERT_LE(NaiveHits(first, CColumn(index.IndexOf(seeds[b]))), kMatches - 5)
                << seeds[a] << " " << seeds[b];
        }
    }
}

// Every combination of the first `triples` matches as triples and a double
// (1 or X) at match 11, the other matches fixed at 1.
std::unique_ptr<CColumnSet> TriplesAndADouble(std::int32_t triples) {
    constexpr std::int32_t kDoublePlace = 177'147;  // 3^11
    std::int32_t span = 1;
    for (std::int32_t m = 0; m < triples; ++m) {
        span *= 3;
    }
    std::vector<CColumn> columns;
    for (const std::int32_t doubled : {0, kDoublePlace}) {
        for (std::int32_t index = 0; index < span; ++index) {
            columns.emplace_back(index + doubled);
        }
    }
    return SetOf(columns);
}

class HullCodeTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        thick = ElevenTriplesBet(70);
        thickIndex = std::make_unique<BetIndex>(*thick);
        // As the reduction does: the greedy coverings read the balls from
        // lists, several times as fast.
        thickIndex->KeepBalls(2, std::int64_t{320} << 20);
    }
    static void TearDownTestSuite() {
        thickIndex.reset();
        thick.reset();
    }

    static inline std::unique_ptr<CColumnSet> thick;
    static inline std::unique_ptr<BetIndex> thickIndex;
};

TEST_F(HullCodeTest, SeedsAreWordsOfTheGolayCodeInsideTheBet) {
    const std::vector<std::int32_t> seeds = HullCodeSeeds({*thickIndex, 2});
    ASSERT_FALSE(seeds.empty());
    EXPECT_TRUE(std::is_sorted(seeds.begin(), seeds.end()));
    EXPECT_EQ(std::adjacent_find(seeds.begin(), seeds.end()), seeds.end());
    // Relabelling keeps distances: any two words stay 5 apart or more.
    ExpectFiveApart(*thickIndex, seeds);
    // The relabelling brings more words into the bet than the code has there
    // as it comes.
    std::int64_t asItComes = 0;
    for (const std::int32_t index : ProductCover(thickIndex->UsedResults(), 2)) {
        asItComes += thickIndex->Contains(index) ? 1 : 0;
    }
    EXPECT_GT(static_cast<std::int64_t>(seeds.size()), asItComes);
}

// The greedy covering seeded with the code's words keeps them, covers the
// bet, and is smaller than the greedy covering alone (1,140 against 1,296).
TEST_F(HullCodeTest, SeededGreedyCoveringIsSmaller) {
    const std::vector<std::int32_t> seeds = HullCodeSeeds({*thickIndex, 2});
    ASSERT_FALSE(seeds.empty());
    std::vector<std::int32_t> seeded = GreedyCover({*thickIndex, 2}, seeds).chosen;
    EXPECT_TRUE(std::includes(seeded.begin(), seeded.end(), seeds.begin(), seeds.end()));
    DropRedundant({*thickIndex, 2}, seeded);
    EXPECT_EQ(FirstUncovered(*thick, *SetOf(ColumnsOfIds(*thickIndex, seeded)), 12), std::nullopt);
    std::vector<std::int32_t> plain = GreedyCover({*thickIndex, 2}).chosen;
    DropRedundant({*thickIndex, 2}, plain);
    EXPECT_LT(seeded.size(), plain.size());
}

TEST_F(HullCodeTest, GivesNoneWhereSeedsDoNotPay) {
    EXPECT_TRUE(HullCodeSeeds({*thickIndex, 1}).empty());
    EXPECT_TRUE(HullCodeSeeds({BetIndex(*ElevenTriplesBet(76)), 2}).empty());
    // Eight triples less one column: as thick as can be, but the code al 12
    // (two tetracodes, 81 columns) covers the hull 1.59 times.
    std::vector<CColumn> eightTriples;
    for (std::int32_t index = 1; index < 6'561; ++index) {
        eightTriples.emplace_back(index);
    }
    EXPECT_TRUE(HullCodeSeeds({BetIndex(*SetOf(eightTriples)), 2}).empty());
    EXPECT_TRUE(HullCodeSeeds({BetIndex(*SetOf({})), 2}).empty());
}

// Eleven triples and a double: the extended Golay code's 729 words all lie
// in it.
TEST(ParityGolaySeedsTest, LayTheGolayWordsOnTheTriplesAndTheParityOnTheDouble) {
    const auto bet = TriplesAndADouble(11);
    const BetIndex index(*bet);
    std::vector<std::vector<std::int32_t>> byLone;
    for (std::uint8_t lone = 0; lone < kParityDigits; ++lone) {
        SCOPED_TRACE(lone);
        const std::vector<std::int32_t>& seeds =
            byLone.emplace_back(ParityGolaySeeds({index, 3}, lone));
        ASSERT_EQ(seeds.size(), 729U);
        EXPECT_TRUE(std::is_sorted(seeds.begin(), seeds.end()));
        ExpectFiveApart(index, seeds);
        // The parity digit takes each value on a third of the words: the
        // lone one gives the double one result, the other two the other.
        const auto onX = std::count_if(seeds.begin(), seeds.end(), [&index](std::int32_t id) {
            return CColumn(index.IndexOf(id)).results[11] == 1;
        });
        EXPECT_TRUE(onX == 243 || onX == 486) << onX;
    }
    // Each lone digit puts the double's results on other words.
    EXPECT_NE(byLone[0], byLone[1]);
    EXPECT_NE(byLone[1], byLone[2]);
    EXPECT_NE(byLone[0], byLone[2]);
    EXPECT_TRUE(ParityGolaySeeds({index, 2}, 0).empty());
    EXPECT_TRUE(ParityGolaySeeds({index, 3}, kParityDigits).empty());
}

// Eleven triples and the rest fixed: the seeds would be the Golay code
// itself. Ten triples and a double: too few triples.
TEST_F(HullCodeTest, ParitySeedsNeedElevenTriplesAndAMatchForTheParity) {
    EXPECT_TRUE(ParityGolaySeeds({*thickIndex, 3}, 0).empty());
    EXPECT_TRUE(ParityGolaySeeds({BetIndex(*TriplesAndADouble(10)), 3}, 0).empty());
}

}  // namespace
