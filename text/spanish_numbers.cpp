#include "text/spanish_numbers.h"
#include "text/number_grammar.h"

#include <cstdlib>

namespace lumo {

namespace {

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

std::string GroupedNumber(std::int64_t value) {
    // Through the unsigned magnitude, so that the lowest value has one too.
    std::uint64_t magnitude =
        value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    std::string digits;
    for (int written = 0; written == 0 || magnitude != 0; ++written) {
        if (written > 0 && written % 3 == 0) {
            digits.insert(digits.begin(), '.');
        }
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    }
    return value < 0 ? "-" + digits : digits;
}

std::string CountWithNoun(std::int64_t count, std::string_view singular, std::string_view plural) {
    return GroupedNumber(count) + " " + std::string(count == 1 || count == -1 ? singular : plural);
}

std::string EurosText(std::int64_t cents) {
    const std::int64_t whole = cents / 100;
    const std::int64_t rest = std::llabs(cents % 100);
    const std::string sign = cents < 0 && whole == 0 ? "-" : "";
    return sign + GroupedNumber(whole) + "," + static_cast<char>('0' + rest / 10) +
           static_cast<char>('0' + rest % 10) + " €";
}

std::optional<std::int64_t> ParseEuros(std::string_view text) {
    constexpr std::string_view kEuroSign = "€";
    text = Trimmed(text);
    if (text.ends_with(kEuroSign)) {
        text = Trimmed(text.substr(0, text.size() - kEuroSign.size()));
    }
    constexpr std::size_t kMaxWholeDigits = 12;
    std::size_t i = 0;
    std::int64_t euros = 0;
    while (i < text.size() && IsDecimalDigit(text[i])) {
        if (i == kMaxWholeDigits) {
            return std::nullopt;
        }
        euros = euros * 10 + (text[i++] - '0');
    }
    if (i == 0) {
        return std::nullopt;
    }
    std::int64_t cents = 0;
    if (i < text.size()) {
        if (text[i] != ',' && text[i] != '.') {
            return std::nullopt;
        }
        const std::string_view decimals = text.substr(i + 1);
        if (decimals.empty() || decimals.size() > 2 || !IsDecimalDigit(decimals[0]) ||
            (decimals.size() == 2 && !IsDecimalDigit(decimals[1]))) {
            return std::nullopt;
        }
        cents = (decimals[0] - '0') * 10 + (decimals.size() == 2 ? decimals[1] - '0' : 0);
    }
    return euros * 100 + cents;
}

std::string PercentText(std::int64_t part, std::int64_t whole) {
    // Tenths of a percent, rounded half up without leaving integers.
    const std::int64_t tenths = whole == 0 ? 0 : (part * 2000 + whole) / (2 * whole);
    return GroupedNumber(tenths / 10) + "," + static_cast<char>('0' + tenths % 10) + " %";
}

}  // namespace lumo
