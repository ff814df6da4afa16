#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

#include "core/internal/bet_index.h"
#include "core/progress.h"

// Coverings inside a bet: sets of the bet's own distinct columns (BetIndex
// numbers) such that every column of the bet lies within `radius` of a chosen
// one. Radius 14 - G gives the guarantee "at least G hits when the result is
// in the bet".

// The greedy covering: repeatedly takes the column that covers the most
// columns not yet covered; among equal ones the higher score, then the
// earlier in the bet. Returns the chosen numbers in increasing order (the
// bet's order). Progress goes to `progress` as the share of columns covered.
// A stop request ends it early with a covering that is not complete: the
// caller tells by the token. May throw std::bad_alloc.
std::vector<std::int32_t> GreedyCover(const BetIndex& bet, std::int32_t radius,
                                      const std::stop_token& stop = {},
                                      const ProgressSink& progress = {});

// Drops from a covering, one at a time, every column whose neighbourhood in
// the bet stays covered by the others, trying the lowest scores first and,
// among equal scores, the later in the bet first. The covering stays in
// increasing order and remains a covering.
void DropRedundant(const BetIndex& bet, std::int32_t radius, std::vector<std::int32_t>& cover);
