#include "reduction/reduced_bet.h"

namespace lumo {

std::unique_ptr<CColumnSet> KeptColumns(const CColumnSet& bet,
                                        const GuaranteeReduction& reduction) {
    auto kept = std::make_unique<CColumnSet>(static_cast<std::int32_t>(reduction.positions.size()));
    for (const std::int32_t position : reduction.positions) {
        kept->AppendNoGrow(bet[position]);
    }
    return kept;
}

}  // namespace lumo
