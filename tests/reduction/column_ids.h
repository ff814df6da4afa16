#pragma once

#include <cstdint>
#include <vector>

#include "core/column.h"
#include "reduction/internal/bet_index.h"

// The columns of these BetIndex numbers, in order.
std::vector<lumo::CColumn> ColumnsOfIds(const lumo::internal::BetIndex& index,
                                        const std::vector<std::int32_t>& ids);
