#pragma once

#include <cstdint>
#include <memory>

#include "core/column_set.h"
#include "reduction/guarantee_reduction.h"

namespace lumo {

// What the front ends make of a guarantee reduction.

// The lowest guarantee the programs offer: 10 hits. Below it a reduction
// keeps too few columns to be worth playing.
inline constexpr std::int32_t kLowestGuarantee = 10;

// The columns of `bet` that `reduction` kept, in the bet's order.
std::unique_ptr<CColumnSet> KeptColumns(const CColumnSet& bet, const GuaranteeReduction& reduction);

}  // namespace lumo
