#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "value/round.h"

namespace lumo {

// The expected prize of a bet whose columns share the funds among
// themselves, and the chances of collecting.
struct BetValue {
    double expected = 0.0;  // euros
    // That some column of the bet wins in a category that pays on the
    // result; the Especial counts as its 14, whatever the Pleno al 15.
    double cashChance = 0.0;
    // For 14, 13, 12, 11 and 10 hits (index = misses): that at least one
    // column of the bet has that many hits, paying or not.
    std::array<double, 5> categoryChances{};
};

// The value of the bet of the columns with these indices (CColumn::Index(),
// each 0..kAllColumns-1; a repeated index is one more column). Each category with m >= 1 of our
// columns on a result pays fund · E[m / (m + B)] (value/README.md). Uses
// every hardware thread and about 100 MB; throws std::bad_alloc when the
// memory is not to be had.
BetValue ValueOfBet(const Round& round, std::span<const std::int32_t> columns);

}  // namespace lumo
