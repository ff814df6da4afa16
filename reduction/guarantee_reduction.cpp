#include "reduction/guarantee_reduction.h"

#include <optional>

#include "reduction/internal/bet_index.h"
#include "reduction/internal/cover_instance.h"
#include "reduction/internal/covering.h"
#include "reduction/internal/first_covering.h"
#include "reduction/internal/large_product.h"
#include "reduction/internal/optimisation.h"
#include "reduction/internal/phase_control.h"
#include "reduction/internal/quick_bound.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/short_swap_search.h"

namespace lumo {

using namespace internal;

namespace {

GuaranteeReduction Stopped() {
    GuaranteeReduction reduction;
    reduction.outcome = ReductionOutcome::kStopped;
    return reduction;
}

// The bet's positions of the covering's columns, increasing as its numbers.
GuaranteeReduction ReductionOf(const BetIndex& bet, const Covering& covering,
                               ReductionOutcome outcome) {
    GuaranteeReduction reduction;
    reduction.method = covering.method;
    reduction.lowerBound = covering.lowerBound;
    reduction.outcome = outcome;
    reduction.positions.reserve(covering.ids.size());
    for (const std::int32_t id : covering.ids) {
        reduction.positions.push_back(bet.PositionOf(id));
    }
    return reduction;
}

// The reduction of a complete covering, its progress at its end.
GuaranteeReduction Finished(const BetIndex& bet, const Covering& covering, ReductionOutcome outcome,
                            const ProgressSink& progress) {
    if (progress) {
        progress(100);
    }
    return ReductionOf(bet, covering, outcome);
}

}  // namespace

GuaranteeReduction ReduceWithGuarantee(const CColumnSet& bet, const ReductionRequest& request) {
    const bool optimising = request.optimise > std::chrono::steady_clock::duration::zero();
    const std::int32_t firstEnd = optimising ? tuning::kConstructionShare : 100;
    // The index and its kept balls come first in the first covering's stretch.
    const std::int32_t ballsEnd = firstEnd * tuning::kBallKeepingShare / 100;
    BetIndex index(bet);
    const CoverInstance instance{index, RadiusOf(request.guarantee)};
    if (request.stop.stop_requested()) {
        return Stopped();
    }
    if (std::optional<GuaranteeReduction> large = LargeProductReduction(instance, request)) {
        return *std::move(large);
    }
    const ProgressSink construction = Scaled(request.progress, 0, firstEnd);
    if (construction) {
        construction(tuning::kBallKeepingShare / 2);
    }
    index.KeepBalls(instance.radius, tuning::kKeptBallsBudget);
    std::optional<Covering> covering = FirstCovering(
        instance,
        {.stop = request.stop, .progress = request.progress, .first = ballsEnd, .last = firstEnd});
    if (!covering) {
        return Stopped();
    }
    // From here on the covering is complete: a stop keeps it.
    if (request.stop.stop_requested() ||
        ShortSwapSearch(instance, *covering, request.stop) == ReductionOutcome::kStopped) {
        return Finished(index, *covering, ReductionOutcome::kStopped, request.progress);
    }
    if (!optimising) {
        QuickBound(instance, *covering, request.stop);
        return Finished(index, *covering,
                        request.stop.stop_requested() ? ReductionOutcome::kStopped
                                                      : ReductionOutcome::kComplete,
                        request.progress);
    }
    const ReductionOutcome outcome =
        Optimise(instance, *covering, request.optimise,
                 {.stop = request.stop, .progress = request.progress, .first = firstEnd});
    return Finished(index, *covering, outcome, request.progress);
}

}  // namespace lumo
