#pragma once

#include <cstdint>

#include "core/column_set.h"

namespace lumo {

// A column a bet holds twice is played, and paid for, twice. Repeats are
// counted and dropped by the column's index, whatever its score or mark.

// The columns that repeat one earlier in the bet.
std::int32_t CountRepeated(const CColumnSet& bet);

// Drops every column that repeats one earlier, keeping the bet's order and
// the first of each. May throw std::bad_alloc (a bit per possible column).
void DropRepeated(CColumnSet& bet);

}  // namespace lumo
