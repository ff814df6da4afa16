#include "reducir/reduction_run.h"

#include "core/cover_check.h"
#include "core/guarantee_reduction.h"

ReductionRun RunReduction(const CColumnSet& bet, const ReductionOrder& order, std::stop_token stop,
                          const ReductionProgress& progress) {
    const auto start = std::chrono::steady_clock::now();
    const GuaranteeReduction reduction = ReduceWithGuarantee(bet, order.guarantee, order.optimise);
    ReductionRun run;
    if (stop.stop_requested()) {
        run.end = ReductionEnd::kStopped;
        return run;
    }
    run.kept = std::make_unique<CColumnSet>(static_cast<std::int32_t>(reduction.positions.size()));
    for (const std::int32_t position : reduction.positions) {
        run.kept->AppendNoGrow(bet[position]);
    }
    run.took = std::chrono::steady_clock::now() - start;
    run.checked = !FirstUncovered(bet, *run.kept, order.guarantee).has_value();
    if (progress) {
        progress(100);
    }
    return run;
}
