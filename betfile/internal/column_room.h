#pragma once

#include <cstdint>
#include <ios>

#include "core/column_set.h"

namespace lumo::internal {

// Reserves room for the announced columns after those the set holds, but
// never for more than `available` bytes of text can hold (14 signs a
// column), whatever the count says, nor beyond the 32-bit count. Throws
// std::bad_alloc as Reserve does.
void ReserveForText(CColumnSet& set, std::int32_t announced, std::streamsize available);

}  // namespace lumo::internal
