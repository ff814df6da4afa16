#include "core/greedy_step.h"

#include "core/bet_additions.h"
#include "core/covering.h"

namespace lumo {

GreedyStepEnd GreedyStep(CColumnSet& bet, CColumnSet& universe, std::int32_t distance) {
    // Room first, so that a picked column always reaches the bet.
    if (ReserveMore(bet, 1) == MemoryOutcome::kNoMemory) {
        return GreedyStepEnd::kNoMemory;
    }
    const CColumn* picked = ReduceStep(bet, universe, distance);
    if (picked == nullptr) {
        return GreedyStepEnd::kAllExplored;
    }
    bet.Append(*picked);
    return GreedyStepEnd::kAdded;
}

}  // namespace lumo
