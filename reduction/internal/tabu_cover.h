#pragma once

#include <cstdint>
#include <vector>

#include "reduction/internal/cover_instance.h"
#include "reduction/internal/cover_search.h"

namespace lumo::internal {

// Improves a covering inside a bet (see greedy_cover.h) by a swap tabu
// search within `limit`, on a SwapState: whenever everything is covered it
// keeps the covering and drops the chosen column of least loss (the weight
// only it covers); otherwise each step takes a random uncovered bet column
// and makes the best swap of a column reaching it against a chosen column
// (the uncovered weight it gains less the weight the other leaves
// uncovered; among equal swaps the columns changed longest ago), forbids
// both columns to change back for a few steps, and raises the weight of
// every column left uncovered. Every 20,000 steps the raises are halved; when
// more than 30 columns are uncovered, columns of most gain are added until
// none is, and dropping starts again from there. Returns the smallest
// covering it completed, in increasing order: `cover` itself (sorted) when
// it found none smaller, so the result is a covering when `cover` is one.
// The same seed and the same number of moves give the same result. May
// throw std::bad_alloc.
std::vector<std::int32_t> TabuImproveCover(const CoverInstance& instance,
                                           std::vector<std::int32_t> cover,
                                           const SearchLimit& limit, std::uint32_t seed);

}  // namespace lumo::internal
