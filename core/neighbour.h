#pragma once

#include <cstdint>

#include "core/column.h"

namespace lumo {

// Number of change numbers: two per match.
inline constexpr std::int32_t kNeighbourChanges = 2 * kMatches;

// A copy of the column with the result of match change / 2 + 1 changed: code
// r becomes (r + 1) mod 3 for an even change and (r + 2) mod 3 for an odd
// one. Score and mark are kept. The changes 0..27 give the 28 columns that
// differ from the column in exactly one match. `change` must be 0..27.
CColumn Neighbour(const CColumn& column, std::int32_t change);

}  // namespace lumo
