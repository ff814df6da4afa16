#include "codes/coset_search.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace lumo;

namespace {

// Shapes whose best union of cosets is known: the search reaches each, what
// it returns covers at the radius asked, and a shape below the sphere bound
// (two balls of 11 syndromes for 27) is never claimed.
TEST(CosetSearchTest, ReachesKnownCodesAndNeverClaimsTooFewCosets) {
    const struct {
        CosetShape shape;
        bool exists;
    } cases[] = {
        {{.length = 4, .checks = 2, .radius = 1, .cosets = 1}, true},   // tetracode, 9 words
        {{.length = 5, .checks = 3, .radius = 1, .cosets = 3}, true},   // 27 words
        {{.length = 6, .checks = 5, .radius = 3, .cosets = 2}, true},   // 6 words, optimal
        {{.length = 5, .checks = 3, .radius = 1, .cosets = 2}, false},  // 22 < 27
    };
    for (const auto& [shape, exists] : cases) {
        // A search that must succeed tries matrices until it does (the seed
        // fixes which); the impossible one gets a single matrix.
        const auto deadline = std::chrono::steady_clock::now() +
                              (exists ? std::chrono::minutes(1) : std::chrono::minutes(0));
        const std::optional<CosetCode> found = SearchCosetCode(shape, 7, 2'000, deadline);
        ASSERT_EQ(found.has_value(), exists) << shape.length << "/" << shape.radius;
        if (found) {
            EXPECT_EQ(found->syndromes.size(), static_cast<std::size_t>(shape.cosets));
            EXPECT_EQ(found->rows.size(), static_cast<std::size_t>(shape.checks));
            EXPECT_LE(CoveringRadiusOf(*found), shape.radius);
        }
    }
}

// The 486-word code of 8 positions, radius 1, read back as written.
TEST(CosetSearchTest, ChecksTheRadiusOfAWrittenCode) {
    CosetCode code{.rows = {"10100110", "01120211", "00020000", "00011111"},
                   .syndromes = {"0000", "2210", "1020", "2212", "1201", "0020"}};
    EXPECT_EQ(CoveringRadiusOf(code), 1);
    code.syndromes.pop_back();
    EXPECT_GT(CoveringRadiusOf(code), 1);
}

}  // namespace
