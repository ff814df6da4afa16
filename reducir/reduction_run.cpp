#include "reducir/reduction_run.h"

#include "reduction/cover_check.h"
#include "reduction/guarantee_reduction.h"
#include "reduction/reduced_bet.h"

using namespace lumo;

ReductionRun RunReduction(const CColumnSet& bet, const ReductionOrder& order, std::stop_token stop,
                          const ReductionProgress& progress) {
    const auto start = std::chrono::steady_clock::now();
    const GuaranteeReduction reduction = ReduceWithGuarantee(bet, {.guarantee = order.guarantee,
                                                                   .optimise = order.optimise,
                                                                   .stop = stop,
                                                                   .progress = progress});
    ReductionRun run;
    run.guarantee = order.guarantee;
    if (reduction.outcome == ReductionOutcome::kStopped) {
        // Stopped while improving, the engine still gives a complete covering.
        run.end = reduction.positions.empty() ? ReductionEnd::kStopped : ReductionEnd::kCutShort;
        if (run.end == ReductionEnd::kStopped) {
            return run;
        }
    }
    run.kept = KeptColumns(bet, reduction);
    run.lowerBound = reduction.lowerBound;
    run.took = std::chrono::steady_clock::now() - start;
    run.checked = !FirstUncovered(bet, *run.kept, order.guarantee).has_value();
    return run;
}
