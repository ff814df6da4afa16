#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>

namespace lumo {

// The one reader of the plain decimals that files and options hold: up to
// 12 digits, then optionally a point or a comma, always decimal, and at
// least one and at most `mostDecimals` digits ("0,0625", "1.25", "7").
// Nothing for anything else: a sign, blanks, grouping, an exponent, a
// separator without digits on both sides. Whatever the program's locale.
std::optional<double> ParseDecimal(
    std::string_view text, std::size_t mostDecimals = std::numeric_limits<std::size_t>::max());

}  // namespace lumo
