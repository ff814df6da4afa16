#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/column.h"

namespace lumo {

// For each match (match 1 first), how many of the columns have result 1, X
// and 2 there; a result code above 2 counts under 2, as WriteText writes it.
using MatchCounts = std::array<std::array<std::int32_t, 3>, kMatches>;

MatchCounts CountResultsPerMatch(std::span<const CColumn> columns);

}  // namespace lumo
