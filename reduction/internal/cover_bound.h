#pragma once

#include <chrono>
#include <cstdint>

#include "reduction/internal/cover_instance.h"
#include "reduction/internal/cover_search.h"

namespace lumo::internal {

// How long the bound goes on within its limit: for `time`, then until it
// has taken `leastSteps` steps. The default: for the limit's whole time.
struct BoundEffort {
    std::chrono::steady_clock::duration time = std::chrono::steady_clock::duration::max();
    std::int64_t leastSteps = 0;
};

// A lower bound on the size of every covering inside a bet (see
// greedy_cover.h) from the Lagrangian relaxation of the covering problem:
// for multipliers u >= 0 on the bet columns, sum(u) + sum over columns c of
// min(0, 1 - the sum of u over the ball of c) bounds every covering from
// below. Starts from the multipliers of the local sphere bound and takes
// subgradient steps aimed between the best bound and `upper` (the size of a
// known covering) within `limit` (time and stop request, looked at between
// the passes over the balls; `moves` caps the steps), the balls summed as
// BetIndex::SumsNear does. How far the steps aim and how soon they shorten
// depend on how many steps fit: fewer than 40 moves, or a first step longer
// than a fortieth of the time the effort takes (its time or its least
// steps, within the limit's), count as few. Returns the best
// bound found, rounded up, and never less than `known`. May throw
// std::bad_alloc.
std::int32_t LagrangianBound(const CoverInstance& instance, std::int32_t known, std::int32_t upper,
                             const SearchLimit& limit, const BoundEffort& effort = {});

}  // namespace lumo::internal
