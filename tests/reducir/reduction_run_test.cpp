// Lumo Reducir's reduction without its window: every guarantee offered
// gives a checked covering, and a stop before the first covering keeps
// nothing.
#include "reducir/reduction_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "reduction/cover_check.h"
#include "reduction/reduced_bet.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// Every column with any sign in the first `triples` matches and 1 in the
// rest.
std::vector<CColumn> TriplesColumns(std::int32_t triples) {
    std::vector<CColumn> columns;
    std::int32_t count = 1;
    for (std::int32_t i = 0; i < triples; ++i) {
        count *= 3;
    }
    for (std::int32_t number = 0; number < count; ++number) {
        std::string signs(14, '1');
        for (std::int32_t match = 0, rest = number; match < triples; ++match, rest /= 3) {
            signs[static_cast<std::size_t>(match)] = "1X2"[rest % 3];
        }
        columns.push_back(ColumnOf(signs));
    }
    return columns;
}

void NoProgress(std::int32_t) {}

class ReductionRunTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(ReductionRunTest, KeepsACheckedCoveringNoSmallerThanItsBound) {
    const std::int32_t guarantee = GetParam();
    const auto bet = SetOf(TriplesColumns(6));
    const ReductionRun run = RunReduction(*bet, {guarantee, {}}, {}, NoProgress);
    ASSERT_EQ(run.end, ReductionEnd::kComplete);
    ASSERT_NE(run.kept, nullptr);
    EXPECT_GT(run.kept->Count(), 0);
    EXPECT_LT(run.kept->Count(), bet->Count());
    EXPECT_FALSE(FirstUncovered(*bet, *run.kept, guarantee).has_value());
    EXPECT_TRUE(run.checked);
    EXPECT_LE(run.lowerBound, run.kept->Count());
}

INSTANTIATE_TEST_SUITE_P(EveryGuaranteeOffered, ReductionRunTest,
                         ::testing::Range(kLowestGuarantee, 14));

TEST(ReductionRunStopTest, AStopBeforeTheFirstCoveringKeepsNothing) {
    // No product, so no construction that ignores the stop.
    std::vector<CColumn> columns = TriplesColumns(9);
    columns.erase(columns.begin());
    const auto bet = SetOf(columns);
    std::stop_source stop;
    stop.request_stop();
    const ReductionRun run =
        RunReduction(*bet, {kLowestGuarantee, {}}, stop.get_token(), NoProgress);
    EXPECT_EQ(run.end, ReductionEnd::kStopped);
    EXPECT_EQ(run.kept, nullptr);
}

TEST(ReductionRunStopTest, AStopWhileImprovingKeepsTheCheckedCovering) {
    std::vector<CColumn> columns = TriplesColumns(8);
    columns.erase(columns.begin());
    const auto bet = SetOf(columns);
    std::stop_source stop;
    // Once the first covering is complete, the short search improves it.
    const ReductionRun run =
        RunReduction(*bet, {12, {}}, stop.get_token(), [&stop](std::int32_t position) {
            if (position == 100) {
                stop.request_stop();
            }
        });
    EXPECT_EQ(run.end, ReductionEnd::kCutShort);
    ASSERT_NE(run.kept, nullptr);
    EXPECT_TRUE(run.checked);
    EXPECT_EQ(run.guarantee, 12);
}

}  // namespace
