#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// Numbers and money written the Spanish way, for the messages and tables of
// every front end. Plain ASCII digits and separators, whatever the locale.

// The number with its digits grouped by threes with a point from 1.000 on,
// a minus sign before a negative one: "0", "999", "1.000", "4.782.969".
std::string GroupedNumber(std::int64_t value);

// The grouped number and the noun in the singular for exactly 1 (and -1),
// in the plural otherwise: "1 columna", "0 columnas", "4.782.969 columnas".
std::string CountWithNoun(std::int64_t count, std::string_view singular, std::string_view plural);

// An amount of cents as euros: the grouped whole euros, a decimal comma, two
// digits and " €": "0,75 €", "172.551,75 €", "-3,00 €".
std::string EurosText(std::int64_t cents);

// The cents of an amount typed in euros: decimal digits, then optionally a
// decimal point or comma and one or two digits ("12", "0,75", "0.5",
// "1500,25"); blanks around it and a trailing "€" are allowed. Nothing for
// anything else: a sign, grouping points ("1.500" is refused rather than
// guessed), three decimals, or more than 10^12 euros.
std::optional<std::int64_t> ParseEuros(std::string_view text);

// The share `part` of `whole` as a percentage with one decimal, rounded half
// up, a decimal comma and " %": "0,0 %", "33,3 %", "100,0 %". "0,0 %" when
// `whole` is 0. Both at least 0, `part` at most `whole`.
std::string PercentText(std::int64_t part, std::int64_t whole);

}  // namespace lumo
