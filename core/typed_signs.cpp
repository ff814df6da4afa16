#include "core/typed_signs.h"

#include <string>

#include "text/spanish_numbers.h"

namespace lumo {

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '-';
}

// The result code of a sign, or 3 for a character that is no sign.
std::uint8_t CodeOfSign(char c) {
    switch (c) {
        case '1':
            return kHomeWin;
        case 'X':
        case 'x':
            return kDraw;
        case '2':
            return kAwayWin;
        default:
            return 3;
    }
}

}  // namespace

std::optional<CColumn> ColumnFromTypedSigns(std::string_view text) {
    CColumn column;
    std::size_t signs = 0;
    for (const char c : text) {
        if (IsSeparator(c)) {
            continue;
        }
        const std::uint8_t code = CodeOfSign(c);
        if (code > kAwayWin || signs == column.results.size()) {
            return std::nullopt;
        }
        column.results[signs++] = code;
    }
    if (signs != column.results.size()) {
        return std::nullopt;
    }
    return column;
}

std::string TypedSignsProblem(std::string_view text) {
    std::int32_t signs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsSeparator(text[i])) {
            continue;
        }
        if (CodeOfSign(text[i]) > kAwayWin) {
            // A whole UTF-8 character, so that the message shows it as typed.
            std::size_t length = 1;
            while (i + length < text.size() && (text[i + length] & 0xC0) == 0x80) {
                ++length;
            }
            return "lleva un signo, «" + std::string(text.substr(i, length)) +
                   "», que no es 1, X ni 2";
        }
        ++signs;
    }
    return "tiene " + CountWithNoun(signs, "signo", "signos") + " en vez de 14";
}

}  // namespace lumo
