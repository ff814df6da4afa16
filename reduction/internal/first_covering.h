#pragma once

#include <optional>

#include "reduction/internal/cover_instance.h"
#include "reduction/internal/covering.h"
#include "reduction/internal/phase_control.h"

namespace lumo::internal {

// The first covering of every bet the large product phase leaves: the
// weighted greedy covering (greedy_cover.h), first taking the columns of
// the hull's code that lie in the bet when that pays (hull_code.h), its
// redundant columns dropped, with the greedy's local sphere bound. For a bet
// that is exactly a product of per-match choices, the product construction
// (product_cover.h) instead when smaller (the greedy on a tie), then a short
// local search of fixed work (cover_search.h). Progress over the greedy
// covering; nothing on a stop request. May throw std::bad_alloc.
std::optional<Covering> FirstCovering(const CoverInstance& instance, const PhaseControl& control);

}  // namespace lumo::internal
