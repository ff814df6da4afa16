#include "value/value_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "value/bet_ordering.h"

using namespace lumo;
using ::testing::ElementsAre;

namespace {

TEST(ValueReportTest, HistogramSpreadsTheBetFromItsLowestToItsHighest) {
    const std::vector<double> values{9.0, 1.0, 2.0, 3.0, 5.0, 4.0};
    // Columns 1..4 and 1 again: 1, 2, 3, 5 and 1 in two bins of 2 €.
    const std::vector<std::int32_t> bet{1, 2, 3, 4, 1};
    ValueHistogram histogram = HistogramOf(values, bet, 2);
    EXPECT_DOUBLE_EQ(histogram.low, 1.0);
    EXPECT_DOUBLE_EQ(histogram.high, 5.0);
    EXPECT_DOUBLE_EQ(histogram.width, 2.0);
    EXPECT_THAT(histogram.counts, ElementsAre(3, 2));

    histogram = HistogramOf(values, std::vector<std::int32_t>{3, 3}, 5);
    EXPECT_DOUBLE_EQ(histogram.width, 0.0);
    EXPECT_THAT(histogram.counts, ElementsAre(2));
    EXPECT_TRUE(HistogramOf(values, {}, 5).counts.empty());
}

TEST(ValueReportTest, ValueAtLeastKeepsWhatKeepValueAtLeastKeeps) {
    std::vector<double> values(static_cast<std::size_t>(kAllColumns), 0.0);
    CColumnSet bet;
    for (std::int32_t index : {40, 7, 1000, 7, 5}) {
        values[static_cast<std::size_t>(index)] = index / 10.0;
        bet.Append(CColumn(index));
    }
    const std::unique_ptr<CColumnSet> kept = ValueAtLeast(bet, values, 0.7);
    KeepValueAtLeast(bet, values, 0.7);
    EXPECT_EQ(IndicesOf(*kept), IndicesOf(bet));
    EXPECT_THAT(IndicesOf(bet), ElementsAre(40, 7, 1000, 7));
}

}  // namespace
