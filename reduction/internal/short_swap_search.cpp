#include "reduction/internal/short_swap_search.h"

#include <optional>
#include <vector>

#include "core/distance_ball.h"
#include "reduction/internal/parallel_chunks.h"
#include "reduction/internal/product_cover.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/tabu_cover.h"

namespace lumo::internal {

namespace {

// How many searches to run and for how many moves each: several with more
// work on a product bet small enough for it, one otherwise.
struct ShortSearchPlan {
    std::int32_t searches = 1;
    std::int64_t moves = 0;
};

ShortSearchPlan PlanFor(const CoverInstance& instance) {
    const std::optional<MatchChoices> choices = ProductChoices(instance.bet);
    if (choices) {
        const std::int64_t ball = ProductBall(*choices, instance.radius);
        return {.searches = tuning::kProductSwapSearches,
                .moves = tuning::kProductSwapWork / (ball * ball + tuning::kSwapStepCost)};
    }
    const std::int64_t ball = BallSize(instance.radius);
    return {.searches = 1, .moves = tuning::kShortSearchWork / (ball * ball)};
}

}  // namespace

ReductionOutcome ShortSwapSearch(const CoverInstance& instance, Covering& covering,
                                 const std::stop_token& stop) {
    const ShortSearchPlan plan = PlanFor(instance);
    const SearchLimit limit{.time = std::chrono::hours(1),
                            .moves = plan.moves,
                            .enough = static_cast<std::size_t>(covering.lowerBound),
                            .stop = stop};
    // The first search starts from the covering, the others from the
    // alternative when there is one.
    const std::vector<std::int32_t>& other =
        covering.alternative.empty() ? covering.ids : covering.alternative;
    std::vector<std::vector<std::int32_t>> found(static_cast<std::size_t>(plan.searches));
    RunInChunks(plan.searches, [&](std::int32_t begin, std::int32_t end) {
        for (std::int32_t search = begin; search < end; ++search) {
            found[static_cast<std::size_t>(search)] =
                TabuImproveCover(instance, search == 0 ? covering.ids : other, limit,
                                 static_cast<std::uint32_t>(search + 1));
        }
    });
    if (stop.stop_requested()) {
        return ReductionOutcome::kStopped;
    }
    // The first search keeps a tie, so the result does not depend on the threads.
    for (std::vector<std::int32_t>& shortened : found) {
        KeepIfSmaller(covering, std::move(shortened), ReductionMethod::kSearch);
    }
    return ReductionOutcome::kComplete;
}

}  // namespace lumo::internal
