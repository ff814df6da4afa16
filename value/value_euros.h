#pragma once

#include <optional>
#include <string_view>

namespace lumo {

// The euros of an expected value as typed: digits, then optionally a decimal
// comma or point and at most four digits ("0,5", "0,3390", "1.25"); blanks
// around it and a trailing "€" allowed. Nothing for anything else: a sign,
// grouping, five decimals.
std::optional<double> ParseValueEuros(std::string_view typed);

}  // namespace lumo
