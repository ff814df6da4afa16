#pragma once

#include <vector>

#include "value/round.h"

namespace lumo {

// The expected prize in euros of every column played alone, indexed by
// CColumn::Index(): the sum over the results r within 4 misses of the column
// of P(r) times what its category on r pays one more winner (value/README.md),
// plus its Especial term. Uses every hardware thread and about 230 MB;
// throws std::bad_alloc when the memory is not to be had.
std::vector<double> ColumnValues(const Round& round);

}  // namespace lumo
