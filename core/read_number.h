#pragma once

#include <cstdint>
#include <string_view>

// The white space of the program's text: blank, tab, line feed, vertical
// tab, form feed and carriage return. No other byte is white space, whatever
// the locale.
inline constexpr bool IsTextSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads a number typed into an edit box: leading white space is skipped, one
// optional '+' or '-' is taken, then the decimal digits up to the first
// character that is not a digit. A text without digits in that place (an
// empty text, a lone sign, a letter) reads as 0. A number beyond the 32-bit
// range reads as the nearest 32-bit limit (INT32_MIN or INT32_MAX).
std::int32_t ReadNumber(std::string_view text);
