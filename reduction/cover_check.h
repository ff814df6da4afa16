#pragma once

#include <cstdint>
#include <optional>

#include "core/column_set.h"

namespace lumo {

// Checks a guarantee independently of how the covering was made: the first
// position of `bet` whose column agrees in fewer than `guarantee` matches
// with every column of `cover`, or nothing when every column of the bet has
// a column of the cover with at least that many hits. `guarantee` is 0..14.
// An empty bet always holds; an empty cover fails at position 0 of a bet
// that is not empty. Works from the smaller of the two sets, so it costs
// min(bet, cover) balls of radius 14 - guarantee. Reports nothing.
std::optional<std::int32_t> FirstUncovered(const CColumnSet& bet, const CColumnSet& cover,
                                           std::int32_t guarantee);

}  // namespace lumo
