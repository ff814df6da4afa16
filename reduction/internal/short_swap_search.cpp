#include "reduction/internal/short_swap_search.h"

#include "core/distance_ball.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/tabu_cover.h"

namespace lumo::internal {

ReductionOutcome ShortSwapSearch(const CoverInstance& instance, Covering& covering,
                                 const std::stop_token& stop) {
    const std::int64_t ball = BallSize(instance.radius);
    const SearchLimit limit{.time = std::chrono::hours(1),
                            .moves = tuning::kShortSearchWork / (ball * ball),
                            .enough = static_cast<std::size_t>(covering.lowerBound),
                            .stop = stop};
    std::vector<std::int32_t> shortened = TabuImproveCover(instance, covering.ids, limit, 1);
    if (stop.stop_requested()) {
        return ReductionOutcome::kStopped;
    }
    KeepIfSmaller(covering, std::move(shortened), ReductionMethod::kSearch);
    return ReductionOutcome::kComplete;
}

}  // namespace lumo::internal
