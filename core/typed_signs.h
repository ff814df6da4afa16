#pragma once

#include <optional>
#include <string_view>

#include "core/column.h"

namespace lumo {

// A column typed by a player: 14 signs '1', 'X' (or 'x') and '2', match 1
// first, with blanks, tabs or hyphens anywhere between them
// ("1X2 11X 2X1 1121 X", "1-X-2-..."). Nothing for any other text: another
// character, fewer or more than 14 signs.
std::optional<CColumn> ColumnFromTypedSigns(std::string_view text);

// What is wrong with a text ColumnFromTypedSigns refuses, in Spanish, to
// follow the text in a message: "tiene 13 signos en vez de 14" or
// "lleva un signo, «3», que no es 1, X ni 2".
std::string TypedSignsProblem(std::string_view text);

}  // namespace lumo
