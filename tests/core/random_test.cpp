#include "core/random.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace lumo;

namespace {

TEST(RandomTest, DrawsCoverZeroTo32767Uniformly) {
    SeedRandom(12345);
    std::int32_t lowest = 32767;
    std::int32_t highest = 0;
    std::array<std::int32_t, 8> bins{};
    constexpr std::int32_t kDraws = 1'000'000;
    for (std::int32_t i = 0; i < kDraws; ++i) {
        const std::int32_t draw = DrawRandom();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
        lowest = std::min(lowest, draw);
        highest = std::max(highest, draw);
        ++bins[static_cast<std::size_t>(draw / 4096)];
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
    for (const std::int32_t bin : bins) {
        EXPECT_NEAR(bin, kDraws / 8, kDraws / 100);
    }
}

TEST(RandomTest, SameSeedRepeatsTheSequenceAndAnotherDoesNot) {
    const auto draws = [](std::uint32_t seed) {
        SeedRandom(seed);
        std::vector<std::int32_t> sequence;
        for (int i = 0; i < 100; ++i) {
            sequence.push_back(DrawRandom());
        }
        return sequence;
    };
    EXPECT_EQ(draws(99), draws(99));
    EXPECT_NE(draws(99), draws(100));
}

}  // namespace
