#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

#include "core/progress.h"
#include "reduction/internal/cover_instance.h"

namespace lumo::internal {

// Coverings inside a bet: sets of the bet's own distinct columns (BetIndex
// numbers) such that every column of the bet lies within the radius of a
// chosen one (cover_instance.h).

// The weight of each bet column in the greedy covering, about 2^40 / deg^2
// where deg is its count of bet columns within the radius (BetIndex::
// CountsNear): a column few others reach counts more, as it constrains the
// covering more. Always positive.
std::vector<std::int64_t> CoverWeights(const std::vector<std::int32_t>& degree);

struct GreedyCovering {
    std::vector<std::int32_t> chosen;  // increasing
    // The local sphere bound: the sum over bet columns of 1 / the most bet
    // columns that one bet column reaching it reaches, rounded up. Each
    // chosen column takes at most 1 from that sum, so no covering inside
    // the bet has fewer columns.
    std::int32_t lowerBound = 0;
    // Whether every bet column is covered: false after a stop request.
    bool complete = false;
};

// The weighted greedy covering: takes the `seeds` (distinct numbers, in that
// order), then repeatedly the column whose ball holds the largest weight
// (CoverWeights) of columns not yet covered; among equal ones the higher
// score, then the earlier in the bet. Returns the chosen
// numbers in increasing order (the bet's order) and the local sphere bound,
// found on the way. Progress goes to `progress` as the share of columns
// covered. A stop request ends it early with a covering that is not
// complete and no bound: the caller tells by the token. May throw
// std::bad_alloc.
GreedyCovering GreedyCover(const CoverInstance& instance,
                           const std::vector<std::int32_t>& seeds = {},
                           const std::stop_token& stop = {}, const ProgressSink& progress = {});

// Drops from a covering, one at a time, every column whose neighbourhood in
// the bet stays covered by the others, trying the lowest scores first and,
// among equal scores, the later in the bet first. The covering stays in
// increasing order and remains a covering.
void DropRedundant(const CoverInstance& instance, std::vector<std::int32_t>& cover);

}  // namespace lumo::internal
