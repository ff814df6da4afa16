#pragma once

#include "core/column_set.h"

// The full set of all columns in index order, generated once, on first use,
// with the forecast table of that moment.
const CColumnSet& FullSetInIndexOrder();

// The same columns sorted by score, highest first, sorted once.
const CColumnSet& FullSetByScore();

// Makes `target` hold the first `count` columns of `source` in their order.
// Used outside the timed region to give every iteration fresh input.
void CopyColumns(const CColumnSet& source, std::int32_t count, CColumnSet& target);
