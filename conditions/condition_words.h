#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The pieces of a condition's words, each read strictly; on failure the
// readers return nothing or a Spanish error text, never a guess.

// A word of the file as a message shows it: «word», unprintable bytes as '?'.
std::string QuotedWord(std::string_view word);

struct BoundPair {
    double minimum = 0.0;
    double maximum = 0.0;
};

// How the bounds of a range are written.
enum class BoundForm { kInteger, kDecimal };

// Reads "MIN-MAX" with 0 <= MIN <= MAX <= `largest`; decimals take a point
// or a comma. Returns the error text, empty when `bounds` was set.
std::string ReadBounds(std::string_view word, BoundForm form, double largest, BoundPair& bounds);

// Matches "1-4,7,9" as a 14-bit mask (bit m for match m + 1). Returns the
// error text, empty when `mask` was set.
std::string ReadMatchList(std::string_view word, std::uint16_t& mask);

// Signs "X", "X2", "12": bit s for sign code s ('x' as 'X'). Returns the
// error text, empty when `signs` was set.
std::string ReadSignSet(std::string_view word, std::uint8_t& signs);

// A column of 14 signs as its three sign masks. Returns the error text.
std::string ReadBaseColumn(std::string_view word, std::array<std::uint16_t, 3>& masks);

}  // namespace lumo
