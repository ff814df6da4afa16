#pragma once

#include <cstdint>
#include <string>

#include "core/column_set.h"

namespace lumo {

// The shape of a bet as a player reads it: how many of its matches are
// fixed (one result used), doubles (two) and triples (three), and whether
// the bet is exactly every combination of those results (a product, such as
// "4 triples, 3 dobles, 7 fijos") or only part of the smallest product that
// holds it.
struct BetShape {
    std::int32_t fixed = 0;
    std::int32_t doubles = 0;
    std::int32_t triples = 0;
    // The bet's distinct columns are every combination of the results it
    // uses in each match. False for an empty bet.
    bool product = false;
    // Distinct columns of the bet, and of the smallest product holding it.
    std::int64_t distinctColumns = 0;
    std::int64_t productColumns = 0;
};

// The shape of the bet; all counts 0 for an empty bet. Looks at every
// column once and uses a bitmap of one bit per possible column (about
// 600 kB); may throw std::bad_alloc.
BetShape ShapeOf(const CColumnSet& bet);

// "4 triples, 3 dobles, 7 fijos", singular where a count is 1 ("1 triple,
// 1 doble, 12 fijos"), leaving out a count of 0 except when all are: the
// shape of the product that holds the bet.
std::string ShapeText(const BetShape& shape);

}  // namespace lumo
