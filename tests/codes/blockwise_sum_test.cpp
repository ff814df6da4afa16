#include "codes/internal/blockwise_sum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

using namespace lumo;
using namespace lumo::internal;

namespace {

BlockCode TernaryCode(std::int32_t length, std::initializer_list<std::string_view> words) {
    BlockCode code{.triples = length, .doubles = 0, .radius = 0, .digits = {}};
    for (const std::string_view word : words) {
        for (const char digit : word) {
            code.digits.push_back(static_cast<std::uint8_t>(digit - '0'));
        }
    }
    return code;
}

const BlockCode& CodeOf(std::int32_t triples, std::int32_t radius) {
    const auto& codes = BlockCodes();
    const auto found = std::find_if(codes.begin(), codes.end(), [&](const BlockCode& code) {
        return code.triples == triples && code.doubles == 0 && code.radius == radius;
    });
    EXPECT_NE(found, codes.end());
    return *found;
}

struct SumCase {
    const char* name;
    BlockCode first;
    std::vector<std::uint8_t> firstParts;
    BlockCode second;
    std::vector<std::uint8_t> secondParts;
};

// The radius found from the distances to the parts is the radius of the
// listed sum, whatever the parts: one part, three, an empty one, repeated
// codes.
TEST(BlockwiseSumTest, RadiusMatchesTheListedSum) {
    const BlockCode tetracode = CodeOf(4, 1);
    const BlockCode three = TernaryCode(3, {"012", "020", "110", "122", "201"});
    const BlockCode pair = TernaryCode(2, {"00", "11", "22", "01"});
    const std::vector<SumCase> cases = {
        {"one part each", tetracode, std::vector<std::uint8_t>(9, 0), pair, {0, 0, 0, 0}},
        {"by digit sum", tetracode, PartsByDigitSum(tetracode), three, {0, 1, 2, 0, 1}},
        {"an empty part", three, {0, 0, 1, 1, 0}, pair, {0, 1, 1, 0}},
        {"by first digit", tetracode, {0, 0, 0, 1, 1, 1, 2, 2, 2}, three, {2, 1, 0, 2, 1}},
        {"parts that never meet", pair, {0, 0, 0, 0}, pair, {1, 1, 1, 1}},
    };
    for (const SumCase& c : cases) {
        const SplitCode first{.code = &c.first, .parts = c.firstParts};
        const SplitCode second{.code = &c.second, .parts = c.secondParts};
        const BlockCode sum = BlockwiseSum(first, second);
        EXPECT_EQ(sum.Length(), c.first.Length() + c.second.Length()) << c.name;
        EXPECT_EQ(BlockwiseSumRadius(first, second), CoveringRadiusOf(sum)) << c.name;
    }
}

TEST(BlockwiseSumTest, RejectsPartsThatDoNotFit) {
    const BlockCode pair = TernaryCode(2, {"00", "11"});
    BlockCode mixed = pair;
    mixed.triples = 1;
    mixed.doubles = 1;
    const std::vector<std::uint8_t> good{0, 1};
    const std::vector<std::uint8_t> tooFew{0};
    const std::vector<std::uint8_t> outOfRange{0, 3};
    const SplitCode ok{.code = &pair, .parts = good};
    EXPECT_EQ(BlockwiseSumRadius(ok, {.code = &pair, .parts = tooFew}), -1);
    EXPECT_EQ(BlockwiseSumRadius({.code = &pair, .parts = outOfRange}, ok), -1);
    EXPECT_EQ(BlockwiseSumRadius(ok, {.code = &mixed, .parts = good}), -1);
    EXPECT_EQ(BlockwiseSumRadius(ok, {.code = nullptr, .parts = {}}), -1);
}

// The sums the table holds, checked over every word of their shape.
TEST(BlockwiseSumTest, SplitSumsCoverTheirWholeSpace) {
    struct Sum {
        std::int32_t triples;
        std::int32_t radius;
        std::int64_t size;
    };
    for (const Sum sum : {Sum{9, 2, 219}, Sum{13, 3, 1'215}, Sum{14, 3, 2'187}}) {
        const BlockCode& code = CodeOf(sum.triples, sum.radius);
        EXPECT_EQ(code.Size(), sum.size) << sum.triples;
        EXPECT_EQ(CoveringRadiusOf(code), sum.radius) << sum.triples;
    }
}

}  // namespace
