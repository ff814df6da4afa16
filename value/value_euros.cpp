#include "value/value_euros.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace lumo {

namespace {

constexpr std::size_t kMostDecimals = 4;

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<double> ParseValueEuros(std::string_view typed) {
    std::string_view text = Trimmed(typed);
    constexpr std::string_view kEuro = "€";
    if (text.ends_with(kEuro)) {
        text = Trimmed(text.substr(0, text.size() - kEuro.size()));
    }
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string decimals = point == std::string::npos ? "" : number.substr(point + 1);
    const auto digits = [](const std::string& part) {
        return std::all_of(part.begin(), part.end(),
                           [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
    };
    if (whole.empty() || !digits(whole) || !digits(decimals) || decimals.size() > kMostDecimals ||
        (point != std::string::npos && decimals.empty())) {
        return std::nullopt;
    }
    double euros = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), euros);
    if (error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return euros;
}

}  // namespace lumo
