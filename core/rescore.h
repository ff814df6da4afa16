#pragma once

#include <cstdint>
#include <functional>

#include "core/column_set.h"
#include "core/scoring.h"

namespace lumo {

// Receives the re-score tool's status: the index of the column about to be
// scored and the bet's count.
using RescoreStatus = std::function<void(std::int32_t index, std::int32_t count)>;

// Scores every column of the bet anew with ComputeScore with `scoring`.
// Before each
// column whose index i is a multiple of 10,000 it calls status(i, count),
// then reports i * 100 / kAllColumns: on the scale of all columns, not of
// the bet. An empty bet calls and reports nothing. Allocates nothing.
void RescoreAll(CColumnSet& bet, const Scoring& scoring, const RescoreStatus& status);

}  // namespace lumo
