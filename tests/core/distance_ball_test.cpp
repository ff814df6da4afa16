#include "core/distance_ball.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// Sum over k = 0..d of C(14, k) * 2^k.
std::int64_t BallSize(std::int32_t distance) {
    std::int64_t size = 0;
    std::int64_t choose = 1;
    for (std::int32_t k = 0; k <= distance && k <= 14; ++k) {
        size += choose * (std::int64_t{1} << k);
        choose = choose * (14 - k) / (k + 1);
    }
    return size;
}

// Visits the ball and checks that every index is visited at most once and
// lies within the distance; with the count equal to the ball's size, that
// makes the visited indices exactly the ball.
void ExpectExactBall(const CColumn& centre, std::int32_t distance) {
    std::vector<bool> seen(kAllColumns, false);
    std::int64_t visits = 0;
    bool ok = true;
    ForEachWithin(centre, distance, [&](std::int32_t index) {
        ++visits;
        if (!ok) {
            return;
        }
        if (index < 0 || index >= kAllColumns) {
            ADD_FAILURE() << "index " << index << " out of range";
            ok = false;
            return;
        }
        if (seen[static_cast<std::size_t>(index)]) {
            ADD_FAILURE() << "index " << index << " visited twice";
            ok = false;
        }
        seen[static_cast<std::size_t>(index)] = true;
        if (NaiveHits(CColumn(index), centre) < 14 - distance) {
            ADD_FAILURE() << SignsOf(CColumn(index)) << " lies beyond " << distance;
            ok = false;
        }
    });
    EXPECT_EQ(visits, BallSize(distance)) << SignsOf(centre) << " distance " << distance;
}

TEST(DistanceBallTest, BallSizesForSmallDistances) {
    const std::int64_t sizes[] = {1, 29, 393, 3'305, 19'321, 83'385, 275'577};
    for (std::int32_t d = 0; d <= 6; ++d) {
        EXPECT_EQ(BallSize(d), sizes[d]);
    }
    EXPECT_EQ(BallSize(14), kAllColumns);
}

TEST(DistanceBallTest, VisitsExactlyTheColumnsWithinEveryDistance) {
    const CColumn mixed = ColumnOf("1X21X21X21X21X");
    for (std::int32_t d = 0; d <= 14; ++d) {
        ExpectExactBall(mixed, d);
    }
    std::mt19937 engine(11);
    for (int round = 0; round < 4; ++round) {
        const CColumn centre = RandomColumn(engine);
        for (std::int32_t d = 0; d <= 5; ++d) {
            ExpectExactBall(centre, d);
        }
    }
    ExpectExactBall(ColumnOf("11111111111111"), 3);
    ExpectExactBall(ColumnOf("22222222222222"), 3);
}

TEST(DistanceBallTest, NegativeDistanceVisitsNothingAndLargeVisitsAll) {
    std::int64_t visits = 0;
    ForEachWithin(ColumnOf("X"), -1, [&](std::int32_t) { ++visits; });
    EXPECT_EQ(visits, 0);
    ForEachWithin(ColumnOf("X"), 40, [&](std::int32_t) { ++visits; });
    EXPECT_EQ(visits, kAllColumns);
}

}  // namespace
