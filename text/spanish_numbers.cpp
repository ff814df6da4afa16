#include "text/spanish_numbers.h"
#include "text/number_grammar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

bool AllDigits(std::string_view text) {
    return std::ranges::all_of(text, IsDecimalDigit);
}

// The digits of whole euros written plain ("1500") or grouped by thousands
// dots ("1.500", "1.234.567"): 1 to 3 digits, not a lone 0 or a leading 0,
// then groups of exactly three. Nothing for a grouping written any other way.
std::optional<std::string> WholeDigits(std::string_view text) {
    std::size_t dot = text.find('.');
    std::string digits(text.substr(0, dot));
    if (digits.empty() || !AllDigits(digits)) {
        return std::nullopt;
    }
    if (dot != std::string_view::npos && (digits.size() > 3 || digits.front() == '0')) {
        return std::nullopt;
    }
    while (dot != std::string_view::npos) {
        const std::size_t next = text.find('.', dot + 1);
        const std::string_view group = text.substr(dot + 1, next - dot - 1);
        if (group.size() != 3 || !AllDigits(group)) {
            return std::nullopt;
        }
        digits += group;
        dot = next;
    }
    return digits;
}

// Where the decimals of a typed amount start: after its comma, or after a
// last point followed by only one or two digits ("1.5", "150.75"); a point
// followed by three is a thousands dot. npos without decimals.
std::size_t DecimalSeparator(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos) {
        return comma;
    }
    const std::size_t point = text.rfind('.');
    const std::size_t decimals = text.size() - point - 1;
    return point != std::string_view::npos && decimals >= 1 && decimals <= 2
               ? point
               : std::string_view::npos;
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

std::string_view AmountOf(std::string_view typed) {
    constexpr std::string_view kEuroSign = "€";
    std::string_view text = Trimmed(typed);
    if (text.ends_with(kEuroSign)) {
        text = Trimmed(text.substr(0, text.size() - kEuroSign.size()));
    }
    return text;
}

std::optional<std::int64_t> ParseEuros(std::string_view text) {
    text = AmountOf(text);
    const std::size_t separator = DecimalSeparator(text);
    const std::string_view whole = text.substr(0, separator);
    const std::string_view decimals =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    // A decimal point after thousands dots ("1.500.5") would be a guess.
    const bool mixedPoints = separator != std::string_view::npos && text[separator] == '.' &&
                             whole.find('.') != std::string_view::npos;
    const std::optional<std::string> digits = WholeDigits(whole);
    constexpr std::size_t kMaxWholeDigits = 12;
    if (!digits || digits->size() > kMaxWholeDigits || mixedPoints ||
        (separator != std::string_view::npos &&
         (decimals.empty() || decimals.size() > 2 || !AllDigits(decimals)))) {
        return std::nullopt;
    }
    std::int64_t cents = 0;
    for (const char digit : *digits) {
        cents = cents * 10 + (digit - '0');
    }
    cents *= 100;
    if (!decimals.empty()) {
        cents += (decimals[0] - '0') * 10 + (decimals.size() == 2 ? decimals[1] - '0' : 0);
    }
    return cents;
}

std::string PercentText(std::int64_t part, std::int64_t whole) {
    // Tenths of a percent, rounded half up without leaving integers.
    const std::int64_t tenths = whole == 0 ? 0 : (part * 2000 + whole) / (2 * whole);
    return GroupedNumber(tenths / 10) + "," + static_cast<char>('0' + tenths % 10) + " %";
}

std::string DecimalCommaText(double number, int decimals) {
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, decimals).ptr;
    std::string shown(text, end);
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

std::string ChanceText(double chance) {
    const double percent = 100.0 * chance;
    if (!(percent > 0.0)) {
        return "0 %";
    }
    // Digits after the comma for three significant ones; one fewer when the
    // rounding carries into one more before it (99,96 is "100 %").
    int decimals = std::max(0, 2 - static_cast<int>(std::floor(std::log10(percent))));
    const double scale = std::pow(10.0, decimals);
    if (decimals > 0 && std::round(percent * scale) / scale >= std::pow(10.0, 3 - decimals)) {
        --decimals;
    }
    return DecimalCommaText(percent, decimals) + " %";
}

}  // namespace lumo
