#pragma once

#include <cstdint>
#include <vector>

#include "core/column.h"
#include "reduction/internal/bet_index.h"

// The columns of these BetIndex numbers, in order.
std::vector<CColumn> ColumnsOfIds(const BetIndex& index, const std::vector<std::int32_t>& ids);
