#pragma once

#include <algorithm>
#include <cstdint>

namespace lumo {

// The one grammar of integers in the program's texts and edit boxes: white
// space, one optional '+' or '-', then the decimal digits up to the first
// other character. The readers built on it (ReadNumber, TextScanner, the
// strict readers) differ only in what a text without digits or a value
// beyond 32 bits gives.

// The white space of the program's text: blank, tab, line feed, vertical
// tab, form feed and carriage return. No other byte is white space, whatever
// the locale.
inline constexpr bool IsTextSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// '0' to '9' only, whatever the locale.
inline constexpr bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Past 2^31 + 1 a magnitude lies beyond the 32-bit range whatever its sign,
// so accumulating stops growing there.
inline constexpr std::int64_t kMagnitudeCap = (std::int64_t{1} << 31) + 1;

// The magnitude followed by one more decimal digit, at most kMagnitudeCap.
inline constexpr std::int64_t AppendDigit(std::int64_t magnitude, char digit) {
    return std::min(kMagnitudeCap, magnitude * 10 + (digit - '0'));
}

}  // namespace lumo
