#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>

#include "value/match_file.h"

namespace lumo::internal {

// Whether a number may end in '%', or be followed by a lone '%'.
enum class PercentSign { kAllowed, kRefused };

// The 14 rows of three numbers as written, and the line of each.
struct NumberRows {
    std::array<std::array<double, 3>, 14> rows{};
    std::array<std::int64_t, 14> lines{};
    std::array<std::array<std::string, 3>, 14> words;  // the numbers as written
};

// Reads the rows by the grammar of match_file.h. On an error, `read` holds
// it and the rows are not all set; `read.table` is left alone.
NumberRows ReadNumberRows(std::istream& in, PercentSign percent, MatchFileRead& read);

}  // namespace lumo::internal
