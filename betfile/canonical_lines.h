#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/column_set.h"

namespace lumo {

// A bet file as it is written is almost all canonical lines: exactly 14 signs
// '1', 'X' or '2' and a line end, "\r\n" or "\n". The general grammar reads
// such a line as the column of its signs and skips its line end before the
// next column; here a line is checked and converted 16 bytes at a time
// (with SSE2; elsewhere nothing is taken here and the general grammar reads
// every line).

struct CanonicalRun {
    std::size_t used = 0;      // bytes of the text consumed
    std::int32_t columns = 0;  // columns appended
};

// Appends the columns of the canonical lines at the start of `text`, at most
// `due` of them and no more than the set has free slots (so it never
// allocates). Stops before the first line that is not canonical or that does
// not stand in the text with 16 bytes from its start. Each line is consumed
// with its line end, except the line of the `due`-th column: nothing after
// the last column due is read.
CanonicalRun ReadCanonicalLines(std::string_view text, std::int32_t due, CColumnSet& set);

}  // namespace lumo
