#include "conditions/condition_words.h"
#include "text/decimal_text.h"

#include <algorithm>
#include <charconv>

#include "text/number_grammar.h"
#include "text/shown_text.h"

namespace lumo {

namespace {

constexpr int kMatches = 14;

// Digits only, at most 9 of them, as an integer.
std::optional<std::int32_t> ReadWhole(std::string_view word) {
    if (word.empty() || word.size() > 9 || !std::all_of(word.begin(), word.end(), IsDecimalDigit)) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    std::from_chars(word.data(), word.data() + word.size(), value);
    return value;
}

// A sign letter as its code: '1' 0, 'X' or 'x' 1, '2' 2.
std::optional<int> SignCode(char c) {
    switch (c) {
        case '1':
            return 0;
        case 'X':
        case 'x':
            return 1;
        case '2':
            return 2;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string QuotedWord(std::string_view word) {
    return "«" + ShownText(word) + "»";
}

std::string ReadBounds(std::string_view word, BoundForm form, double largest, BoundPair& bounds) {
    const std::size_t dash = word.find('-');
    if (dash == std::string_view::npos) {
        return QuotedWord(word) + " no es un intervalo MÍNIMO-MÁXIMO";
    }
    const std::string_view low = word.substr(0, dash);
    const std::string_view high = word.substr(dash + 1);
    std::optional<double> minimum;
    std::optional<double> maximum;
    if (form == BoundForm::kInteger) {
        minimum = ReadWhole(low);
        maximum = ReadWhole(high);
    } else {
        minimum = ParseDecimal(low);
        maximum = ParseDecimal(high);
    }
    if (!minimum || !maximum) {
        return QuotedWord(word) + (form == BoundForm::kInteger
                                       ? " no es un intervalo de enteros MÍNIMO-MÁXIMO"
                                       : " no es un intervalo MÍNIMO-MÁXIMO de números");
    }
    if (*minimum > *maximum) {
        return "el mínimo " + std::string(low) + " es mayor que el máximo " + std::string(high);
    }
    if (*maximum > largest) {
        return "el máximo " + std::string(high) + " pasa del mayor posible, " +
               std::to_string(static_cast<std::int64_t>(largest));
    }
    bounds = {*minimum, *maximum};
    return {};
}

std::string ReadMatchList(std::string_view word, std::uint16_t& mask) {
    const std::string bad =
        QuotedWord(word) + " no es una lista de partidos del 1 al 14 (por ejemplo 1-4,7,9)";
    std::uint16_t matches = 0;
    for (std::string_view rest = word;;) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        const std::size_t dash = item.find('-');
        const auto first = ReadWhole(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : ReadWhole(item.substr(dash + 1));
        if (!first || !last || *first < 1 || *last > kMatches || *first > *last) {
            return bad;
        }
        for (std::int32_t m = *first; m <= *last; ++m) {
            const auto bit = static_cast<std::uint16_t>(1U << (m - 1));
            if ((matches & bit) != 0) {
                return "el partido " + std::to_string(m) + " se repite en " + QuotedWord(word);
            }
            matches = static_cast<std::uint16_t>(matches | bit);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    mask = matches;
    return {};
}

std::string ReadSignSet(std::string_view word, std::uint8_t& signs) {
    std::uint8_t set = 0;
    for (const char c : word) {
        const std::optional<int> code = SignCode(c);
        if (!code) {
            return QuotedWord(word) + " no son signos: escriba 1, X o 2, o varios juntos como X2";
        }
        const auto bit = static_cast<std::uint8_t>(1U << *code);
        if ((set & bit) != 0) {
            return "el signo " + std::string(1, c) + " se repite en " + QuotedWord(word);
        }
        set = static_cast<std::uint8_t>(set | bit);
    }
    if (set == 0) {
        return "faltan los signos";
    }
    signs = set;
    return {};
}

std::string ReadBaseColumn(std::string_view word, std::array<std::uint16_t, 3>& masks) {
    std::array<std::uint16_t, 3> read{};
    bool good = word.size() == kMatches;
    for (std::size_t m = 0; good && m < word.size(); ++m) {
        const std::optional<int> code = SignCode(word[m]);
        good = code.has_value();
        if (good) {
            auto& mask = read[static_cast<std::size_t>(*code)];
            mask = static_cast<std::uint16_t>(mask | (1U << m));
        }
    }
    if (!good) {
        return QuotedWord(word) + " no es una columna de 14 signos 1, X o 2";
    }
    masks = read;
    return {};
}

}  // namespace lumo
