#include "text/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "text/number_grammar.h"

namespace lumo {

std::optional<double> ParseDecimal(std::string_view text, std::size_t mostDecimals) {
    const std::size_t separator = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), IsDecimalDigit);
    };
    if (whole.empty() || whole.size() > 12 || !digits(whole) || fraction.size() > mostDecimals ||
        (separator != std::string_view::npos && (fraction.empty() || !digits(fraction)))) {
        return std::nullopt;
    }
    // from_chars reads the C locale's form whatever the program's locale.
    std::string plain(whole);
    if (!fraction.empty()) {
        plain += '.';
        plain += fraction;
    }
    double value = 0.0;
    std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return value;
}

}  // namespace lumo
