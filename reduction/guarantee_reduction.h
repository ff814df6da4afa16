#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <vector>

#include "core/column_set.h"

namespace lumo {

// How the columns of a guarantee reduction were found.
enum class ReductionMethod {
    kGreedy,   // the greedy covering, redundant columns dropped
    kProduct,  // a product construction from small known codes, or those
               // of its columns that lie in the bet, completed greedily
    kSearch,   // the local search, from one of the two
};

// Whether a reduction ran to its end or was stopped on request.
enum class ReductionOutcome {
    kComplete,
    kStopped,
};

// What to reduce to and how: the guarantee (0..14 hits), how long to improve
// the first covering (zero: not at all), a token whose stop request ends the
// work within a second, and a receiver of the progress 0..100 (may be empty;
// it may be called from a worker thread, never from two at once).
struct ReductionRequest {
    std::int32_t guarantee = 0;
    std::chrono::steady_clock::duration optimise{};
    std::stop_token stop{};
    std::function<void(std::int32_t)> progress{};
};

struct GuaranteeReduction {
    // Positions in the bet of the columns kept, increasing: the first
    // occurrence of each kept column.
    std::vector<std::int32_t> positions;
    ReductionMethod method = ReductionMethod::kGreedy;
    // No reduction of this bet with this guarantee has fewer columns than
    // this; 0 when no bound is known.
    std::int32_t lowerBound = 0;
    // kStopped: a stop request ended the work. Stopped before the first
    // covering was complete, `positions` is empty; stopped while improving
    // it, `positions` holds the smallest complete covering found so far.
    ReductionOutcome outcome = ReductionOutcome::kComplete;
};

// A subset of the bet such that every column of the bet agrees with some
// kept column in at least `request.guarantee` matches. A product bet of more
// than 100,000 columns (fixed results, doubles and triples), or without
// `optimise` al 11 of more than about 40,000 (large_product.h), is reduced
// by the product construction alone
// (product_cover.h), with the sphere bound and no search, `optimise` or not: its codes are the best
// known or close to them. Any other bet: builds the weighted greedy covering (greedy_cover.h),
// first taking the columns of a code of the bet's hull that lie in the bet when that pays
// (hull_code.h), and drops its redundant columns; when the bet is exactly a product of per-match
// choices, also builds the product construction (product_cover.h), keeps the smaller (the greedy
// one on a tie) and improves it by a short local search (cover_search.h). Then a short swap search
// (tabu_cover.h) of fixed length, longer and on two seeds at once for a product bet
// (short_swap_search.h); with a positive `request.optimise`, a swap search for that long on every
// hardware thread, each with its own seed, keeping the smallest, after an eighth of that time spent
// raising the lower bound (cover_bound.h) above the local sphere bound that the greedy covering
// gives (greedy_cover.h). The same request on the same bet gives the same result without
// `optimise`. An empty bet gives an empty result. May throw std::bad_alloc.
GuaranteeReduction ReduceWithGuarantee(const CColumnSet& bet, const ReductionRequest& request);

}  // namespace lumo
