#pragma once

#include <cstdint>

#include "core/column_set.h"

namespace lumo {

// Bounds of the condition step, all inclusive: the number of variants
// (results other than 1) and of doses (results 2) a column may have.
struct ConditionBounds {
    std::int32_t minVariants = 0;
    std::int32_t maxVariants = 14;
    std::int32_t minDoses = 0;
    std::int32_t maxDoses = 14;
};

// Keeps, in order and in place, the columns of the bet whose variants and
// doses lie within the bounds. Each column i of n that stays is reported as
// i * 100 / n before it is moved down (a report equal to the one just before
// is left out); dropped columns report nothing. The caller puts the progress
// bar back to 0 afterwards. Allocates nothing.
void KeepWithinCondition(CColumnSet& bet, const ConditionBounds& bounds);

}  // namespace lumo
