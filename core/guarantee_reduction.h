#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "core/column_set.h"

// How the columns of a guarantee reduction were found.
enum class ReductionMethod {
    kGreedy,   // the greedy covering, redundant columns dropped
    kProduct,  // a product construction from small known codes
    kSearch,   // the local search, from one of the two
};

struct GuaranteeReduction {
    // Positions in the bet of the columns kept, increasing: the first
    // occurrence of each kept column.
    std::vector<std::int32_t> positions;
    ReductionMethod method = ReductionMethod::kGreedy;
};

// A subset of the bet such that every column of the bet agrees with some
// kept column in at least `guarantee` (0..14) matches. Builds the greedy
// covering (greedy_cover.h) and drops its redundant columns; when the bet is
// exactly a product of per-match choices, also builds the product
// construction (product_cover.h) and keeps the smaller, the greedy one on a
// tie. With a positive `optimise`, then improves the result by local search
// (cover_search.h) for at most that long, one search per hardware thread
// with its own seed, keeping the smallest. An empty bet gives an empty
// result. May throw std::bad_alloc.
GuaranteeReduction ReduceWithGuarantee(const CColumnSet& bet, std::int32_t guarantee,
                                       std::chrono::steady_clock::duration optimise);
