#include "core/progress.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// Reports for the items 0..total-1, every one announced.
std::vector<std::int32_t> ReportsOfAPass(std::int32_t total) {
    const ProgressRecorder recorder;
    ProgressCounter counter(total);
    for (std::int32_t i = 0; i < total; ++i) {
        counter.At(i);
    }
    return recorder.Positions();
}

// The positions i * 100 / total, repeats collapsed.
std::vector<std::int32_t> ExpectedPositions(std::int32_t total) {
    std::vector<std::int32_t> positions;
    for (std::int32_t i = 0; i < total; ++i) {
        positions.push_back(static_cast<std::int32_t>(std::int64_t{i} * 100 / total));
    }
    return WithoutRepeats(positions);
}

TEST(ProgressTest, ReportsEachDistinctPositionOnceInOrder) {
    EXPECT_EQ(ReportsOfAPass(4), (std::vector<std::int32_t>{0, 25, 50, 75}));
    EXPECT_EQ(ReportsOfAPass(1), (std::vector<std::int32_t>{0}));
    EXPECT_TRUE(ReportsOfAPass(0).empty());
    for (const std::int32_t total : {3, 7, 99, 100, 101, 250, 1'000, 4'782'969}) {
        EXPECT_EQ(ReportsOfAPass(total), ExpectedPositions(total)) << total << " items";
    }
}

TEST(ProgressTest, SkippedItemsReportTheirOwnPositions) {
    const ProgressRecorder recorder;
    ProgressCounter counter(10);
    for (const std::int32_t item : {1, 2, 5, 9}) {
        counter.At(item);
    }
    EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{10, 20, 50, 90}));
}

}  // namespace
