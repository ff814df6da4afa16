#pragma once

#include <optional>

#include "core/progress.h"
#include "reduction/guarantee_reduction.h"
#include "reduction/internal/cover_instance.h"

namespace lumo::internal {

// The first phase, for a product bet (product_cover.h) of more than
// tuning::kLargestGreedyProduct columns, or without `request.optimise` one
// whose greedy covering would walk more than tuning::kMostGreedyProductWork
// columns (its size times its ball in the bet: al 11 from about 40,000
// columns): the product construction alone,
// whose codes are at or near the best known sizes, with the sphere bound,
// and no search; reports 100 when done. Nothing for any other bet, which
// the phases from first_covering.h on reduce. May throw std::bad_alloc.
std::optional<GuaranteeReduction> LargeProductReduction(const CoverInstance& instance,
                                                        const ReductionRequest& request);

}  // namespace lumo::internal
