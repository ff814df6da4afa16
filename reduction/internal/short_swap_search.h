#pragma once

#include <stop_token>

#include "reduction/guarantee_reduction.h"
#include "reduction/internal/cover_instance.h"
#include "reduction/internal/covering.h"

namespace lumo::internal {

// The short swap search (tabu_cover.h) every covering gets after the first:
// a fixed number of steps, fewer the larger the balls (tuning::
// kShortSearchWork), so that the same bet always gives the same result; it
// ends at the covering's lower bound. A product bet (the large ones
// never come here) gets more steps (tuning::kProductSwapWork over its ball
// in the bet squared plus tuning::kSwapStepCost) on each of tuning::kProductSwapSearches
// seeds at once, the first from the covering and the others from its
// alternative (covering.h) when it has one, the first seed's covering kept on
// a tie, so the result does not depend on the threads either. Takes what it finds when smaller.
// kStopped on a stop request. May throw std::bad_alloc.
ReductionOutcome ShortSwapSearch(const CoverInstance& instance, Covering& covering,
                                 const std::stop_token& stop);

}  // namespace lumo::internal
