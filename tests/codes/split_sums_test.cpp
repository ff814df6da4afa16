#include "codes/internal/split_sums.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "codes/block_codes.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// Every sum of the list is built, verified, into the table: none is left out
// for data that does not fit or a radius that does not hold.
TEST(SplitSumsTest, EverySumReachesTheTable) {
    const auto& codes = BlockCodes();
    for (const SplitSum& sum : SplitSums()) {
        ASSERT_FALSE(sum.tail.empty());
        const auto triples = sum.headTriples + static_cast<std::int32_t>(sum.tail.front().size());
        EXPECT_EQ(sum.tailParts.size(), sum.tail.size()) << triples;
        EXPECT_TRUE(std::any_of(codes.begin(), codes.end(),
                                [&](const BlockCode& code) {
                                    return code.triples == triples && code.doubles == 0 &&
                                           code.radius == sum.radius;
                                }))
            << triples << " positions, radius " << sum.radius;
    }
}

}  // namespace
