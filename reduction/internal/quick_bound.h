#pragma once

#include <stop_token>

#include "reduction/internal/cover_instance.h"
#include "reduction/internal/covering.h"

namespace lumo::internal {

// The bound a reduction without optimisation gets: as many steps of the
// Lagrangian bound (cover_bound.h) as fit in a fixed amount of work
// (tuning::kQuickBoundWork, about half a second), at most
// tuning::kQuickBoundSteps, none when fewer than two fit, so that the same bet always prints the
// same bound. Raises the covering's lower bound when it finds a better one. May throw
// std::bad_alloc.
void QuickBound(const CoverInstance& instance, Covering& covering, const std::stop_token& stop);

}  // namespace lumo::internal
