#pragma once

#include <cstdint>

#include "core/column_set.h"

namespace lumo {

// How one step of the greedy covering ended.
enum class GreedyStepEnd : std::uint8_t {
    kAdded,        // the picked column was appended to the bet
    kAllExplored,  // no unmarked universe column scored above 0: nothing changed
    kNoMemory,     // no room for one more column in the bet: nothing changed
};

// One step of the greedy covering of `universe` on behalf of `bet`: makes
// room for one more bet column first, then ReduceStep (covering.h) picks the
// best unmarked universe column, marks its neighbourhood within `distance`
// and adds the number marked to bet.covered; the picked column, marked, is
// appended to the bet. Reports as ReduceStep does.
GreedyStepEnd GreedyStep(CColumnSet& bet, CColumnSet& universe, std::int32_t distance);

}  // namespace lumo
