#pragma once

#include <chrono>

#include "reduction/guarantee_reduction.h"
#include "reduction/internal/cover_instance.h"
#include "reduction/internal/covering.h"
#include "reduction/internal/phase_control.h"

namespace lumo::internal {

// The optimisation, for `time` in all: the parity Golay start (parity_start.h)
// beside the covering, then 1/tuning::kBoundShareDivisor of the time raising
// the covering's lower bound (cover_bound.h), then swap searches from both
// starts on every hardware thread (every_thread_search.h) until the time is
// up, the smallest result taken when smaller. kStopped on a stop request:
// during the parity start the covering is emptied, as no search has begun;
// later it holds the smallest found so far. May throw std::bad_alloc.
ReductionOutcome Optimise(const CoverInstance& instance, Covering& covering,
                          std::chrono::steady_clock::duration time, const PhaseControl& control);

}  // namespace lumo::internal
