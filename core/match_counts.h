#pragma once

#include <array>
#include <cstdint>

#include "core/column_set.h"

// For each match (match 1 first), how many columns of the whole bet have
// result 1, X and 2 there.
using MatchCounts = std::array<std::array<std::int32_t, 3>, kMatches>;

MatchCounts CountResultsPerMatch(const CColumnSet& bet);
