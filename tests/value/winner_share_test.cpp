#include "value/winner_share.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace lumo;

namespace {

// E[ours / (ours + B)] summed term by term over B ~ Binomial(others, q).
double BruteShare(std::int32_t ours, std::int64_t others, double q) {
    double sum = 0.0;
    for (std::int64_t b = 0; b <= others; ++b) {
        const double logChance = std::lgamma(others + 1.0) - std::lgamma(b + 1.0) -
                                 std::lgamma(others - b + 1.0) + b * std::log(q) +
                                 (others - b) * std::log1p(-q);
        sum += std::exp(logChance) * ours / (ours + static_cast<double>(b));
    }
    return sum;
}

// Every regime: few and many other winners expected, few and many of ours,
// the steepness at t = 1 on both sides of where the expansion takes over.
TEST(WinnerShareTest, AgreesWithTheBinomialSum) {
    const std::int64_t others[] = {10, 2'000, 60'000};
    const double expectedOthers[] = {1e-6, 0.3, 2.0, 9.0, 25.0, 55.0, 70.0, 400.0, 5'000.0};
    const std::int32_t ours[] = {1, 2, 3, 7, 30, 61, 300, 16'016};
    for (const std::int64_t n : others) {
        for (const double mean : expectedOthers) {
            const double q = mean / static_cast<double>(n);
            if (q >= 1.0) {
                continue;
            }
            for (const std::int32_t m : ours) {
                const double brute = BruteShare(m, n, q);
                EXPECT_NEAR(ShareOfMany(m, static_cast<double>(n), q) / brute, 1.0, 1e-5)
                    << "others " << n << ", q " << q << ", ours " << m;
            }
            EXPECT_NEAR(ShareOfOne(static_cast<double>(n), q) / BruteShare(1, n, q), 1.0, 1e-9);
        }
    }
}

TEST(WinnerShareTest, TinyChancesKeepTheirPrecision) {
    EXPECT_EQ(ShareOfOne(1e7, 0.0), 1.0);
    // 1 - N q / 2 to first order.
    EXPECT_NEAR(1.0 - ShareOfOne(1e7 - 1.0, 1e-15), 0.5e-8, 1e-15);
    EXPECT_EQ(ShareOfMany(5, 1e7, 0.0), 1.0);
}

}  // namespace
