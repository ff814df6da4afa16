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

// An amount as typed without the blanks around it and a trailing "€" (and
// the blanks before that): " 2,50 € " is "2,50".
std::string_view AmountOf(std::string_view typed);

// The cents of an amount typed in euros, the one reader of every money box:
// the whole euros plain or grouped by thousands dots ("12", "1.500",
// "1.234.567"), then optionally a decimal comma and one or two digits
// ("0,75", "2.500,00"). A point followed by one or two digits, with no
// thousands dots before it, is a decimal point ("1.5" is 1,50 €); followed
// by three it is a thousands dot. Blanks around it and a trailing "€" are
// allowed. Nothing for anything it would have to guess: a sign, groups not
// of three ("1.50.000"), three decimals, or 10^12 euros and more.
std::optional<std::int64_t> ParseEuros(std::string_view text);

// What a refused amount is told to the operator, to show how to write one.
inline constexpr std::string_view kEurosExample =
    "Escriba el importe en euros, por ejemplo 0,75 o 2.500,00.";

// The share `part` of `whole` as a percentage with one decimal, rounded half
// up, a decimal comma and " %": "0,0 %", "33,3 %", "100,0 %". "0,0 %" when
// `whole` is 0. Both at least 0, `part` at most `whole`.
std::string PercentText(std::int64_t part, std::int64_t whole);

// A number with `decimals` digits after a decimal comma, rounded to the
// nearest, without grouping: "61,7", "0,00123", "-2,50".
std::string DecimalCommaText(double number, int decimals);

// A chance (0 to 1) as a percentage with three significant digits, so that
// a rare one does not show as nothing: "61,7 %", "0,00123 %", "100 %";
// exactly 0 is "0 %".
std::string ChanceText(double chance);

}  // namespace lumo
