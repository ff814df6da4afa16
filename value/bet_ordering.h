#pragma once

#include <memory>
#include <vector>

#include "core/column_set.h"

namespace lumo {

// A bet ordered or cut by its columns' expected prizes, `values` indexed by
// CColumn::Index() (ColumnValues).

// Sorts the bet by value, highest first; equal values keep their order.
// May throw std::bad_alloc.
void SortByValue(CColumnSet& bet, const std::vector<double>& values);

// Keeps, in order, the columns whose value is at least `euros`.
void KeepValueAtLeast(CColumnSet& bet, const std::vector<double>& values, double euros);

// A new set of the columns of `bet` whose value is at least `euros`, in
// order, scores and all. May throw std::bad_alloc.
std::unique_ptr<CColumnSet> ValueAtLeast(const CColumnSet& bet, const std::vector<double>& values,
                                         double euros);

}  // namespace lumo
