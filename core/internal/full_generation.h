#pragma once

#include "core/column.h"

namespace lumo::internal {

// Writes all kAllColumns columns in index order into destination[0..kAllColumns),
// each not marked and scored as ComputeScore with `scoring` would score it.
// Reports
// i * 100 / kAllColumns to the ProgressSink for every i that is a multiple of
// 10,000, in order, and nothing else.
//
// Each column is put together from two precomputed halves of 7 matches
// (codes and partial sums), so that one column costs three stores.
void WriteAllColumns(const Scoring& scoring, CColumn* destination);

}  // namespace lumo::internal
