#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "value/round.h"

namespace lumo {

// A round where only six matches are open, three in each half of the coupon
// so that both halves of the passes and of the result tables count: the
// others end 1 for sure and every column of the public plays 1 there.
// 2,000 public columns at 0,75 €, so that some categories pay under 1 € on
// some results.
inline constexpr std::array<std::size_t, 6> kOpenMatches{0, 3, 6, 7, 10, 13};
Round SmallRound();

// The indices of the 3^6 results that can happen, in the order of the
// open matches' signs as a base-3 number, the first open match lowest.
std::vector<std::int32_t> PossibleResults();

// The column with sign code `sign` (0..2) on match `match` (from 0).
std::int32_t WithSign(std::int32_t column, std::size_t match, std::int32_t sign);

// The expected prize of a bet by brute force: every possible result, every
// public column on the open matches to find the chance of each category,
// and the binomial expectation of the split summed term by term.
struct BruteValue {
    double expected = 0.0;
    double cashChance = 0.0;
    std::array<double, 5> categoryChances{};
};
// Whether the brute force drops the prizes under kLeastPrize, or pays them
// all, to show that a round exercises the rule.
enum class LeastPrizeRule { kApplied, kIgnored };

class BruteForce {
  public:
    explicit BruteForce(const Round& round, LeastPrizeRule rule = LeastPrizeRule::kApplied);
    BruteValue Value(const std::vector<std::int32_t>& bet);

  private:
    double Split(std::int32_t ours, double q);

    Round round;
    LeastPrizeRule rule;
    std::int32_t others;                              // the public's columns
    std::vector<std::array<double, 5>> publicMisses;  // per possible result
    std::vector<double> logFactorials;
    std::map<std::pair<std::int32_t, double>, double> splits;
};

}  // namespace lumo
