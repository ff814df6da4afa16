#include "core/read_number.h"

#include <algorithm>

std::int32_t ReadNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsTextSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Past 2^31 the value is saturated anyway, so accumulation stops growing there.
    constexpr std::int64_t kCap = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(kCap, magnitude * 10 + (text[i] - '0'));
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}
