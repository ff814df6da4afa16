#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "value/round.h"

namespace lumo::internal {

// The most misses a prize allows: 10 hits of 14.
inline constexpr int kMostMisses = 4;

// What a result r brings: its real probability P(r), and for e = 0..4 the
// probability that one column of the public misses r in exactly e matches.
struct ResultChances {
    double chance = 0.0;
    std::array<double, kMostMisses + 1> publicMisses{};
};

// The ResultChances of every result, from two tables of half the matches
// each (3^7 entries apiece) multiplied on demand.
class ResultChanceTables {
  public:
    explicit ResultChanceTables(const Round& round);

    // The chances of the result with column index `result` (0..kAllColumns-1).
    ResultChances At(std::int32_t result) const;

  private:
    std::vector<ResultChances> low;   // matches 1 to 7: index % 3^7
    std::vector<ResultChances> high;  // matches 8 to 14: index / 3^7
};

}  // namespace lumo::internal
