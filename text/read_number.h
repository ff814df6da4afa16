#pragma once

#include <cstdint>
#include <string_view>

#include "text/number_grammar.h"

namespace lumo {

// Reads a number typed into an edit box by the grammar of number_grammar.h:
// leading white space is skipped, one optional '+' or '-' is taken, then the
// decimal digits up to the first character that is not a digit. A text
// without digits in that place (an
// empty text, a lone sign, a letter) reads as 0. A number beyond the 32-bit
// range reads as the nearest 32-bit limit (INT32_MIN or INT32_MAX).
std::int32_t ReadNumber(std::string_view text);

}  // namespace lumo
