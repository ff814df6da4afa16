#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "reduction/guarantee_reduction.h"

namespace lumo::internal {

// What each phase of the guarantee reduction hands the next: a covering of
// the instance (increasing BetIndex numbers), how it was found, and the best
// lower bound known on the size of any covering.
struct Covering {
    std::vector<std::int32_t> ids;
    ReductionMethod method = ReductionMethod::kGreedy;
    std::int32_t lowerBound = 0;
    // Another covering a search may start from (a product bet's other first
    // covering, never smaller than `ids`), or empty.
    std::vector<std::int32_t> alternative = {};
};

// Takes `found` (a covering of the same instance, increasing) in place of
// the covering's columns when it has fewer, crediting `method`; a phase
// never hands on a larger covering than it was given.
inline void KeepIfSmaller(Covering& covering, std::vector<std::int32_t>&& found,
                          ReductionMethod method) {
    if (found.size() < covering.ids.size()) {
        covering.ids = std::move(found);
        covering.method = method;
    }
}

}  // namespace lumo::internal
