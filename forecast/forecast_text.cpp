#include "forecast/forecast_text.h"

#include <charconv>
#include <cstdio>

namespace lumo {

namespace {

// Room for three 32-bit values in either format, each at most 11 characters
// ("-2147483648", "-21474836.0") and two blanks.
constexpr std::size_t kRowTextBytes = 64;

double Hundredths(std::int32_t value) {
    return static_cast<double>(static_cast<float>(value) * 0.01f);
}

}  // namespace

std::array<std::string, kMatches> ForecastRowTexts(const CForecastTable& table) {
    std::array<std::string, kMatches> texts;
    for (std::size_t m = 0; m < texts.size(); ++m) {
        const auto& row = table.rows[m];
        char text[kRowTextBytes];
        std::snprintf(text, sizeof text, "%02d %02d %02d", row[0], row[1], row[2]);
        texts[m] = text;
    }
    return texts;
}

std::array<std::string, kMatches> ExpectationRowTexts(const CForecastTable& table) {
    std::array<std::string, kMatches> texts;
    for (std::size_t m = 0; m < texts.size(); ++m) {
        char text[kRowTextBytes];
        char* out = text;
        for (const std::int32_t value : table.rows[m]) {
            if (out != text) {
                *out++ = ' ';
            }
            // As "%.1f" in the C locale, whatever locale the process runs in.
            out = std::to_chars(out, text + sizeof text, Hundredths(value),
                                std::chars_format::fixed, 1)
                      .ptr;
        }
        texts[m].assign(text, out);
    }
    return texts;
}

}  // namespace lumo
