#include "core/internal/blockwise_sum.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <set>

namespace {

using Distances = std::array<std::int32_t, 3>;

constexpr std::int32_t kUnreached = std::numeric_limits<std::int32_t>::max() / 4;

bool IsValidSplit(const SplitCode& split) {
    if (split.code == nullptr || split.code->doubles != 0 || split.code->triples <= 0 ||
        static_cast<std::int64_t>(split.parts.size()) != split.code->Size()) {
        return false;
    }
    return std::all_of(split.parts.begin(), split.parts.end(),
                       [](std::uint8_t part) { return part < 3; });
}

// The distinct triples of distances from a word of the code's length to its
// three parts (kUnreached for an empty part), over every such word.
std::set<Distances> DistanceTriples(const SplitCode& split) {
    const auto length = static_cast<std::size_t>(split.code->Length());
    std::int32_t count = 1;
    for (std::size_t p = 0; p < length; ++p) {
        count *= 3;
    }
    std::array<std::vector<std::int32_t>, 3> distance;
    std::vector<std::int32_t> queue;
    for (std::size_t part = 0; part < 3; ++part) {
        std::vector<std::int32_t>& d = distance[part];
        d.assign(static_cast<std::size_t>(count), kUnreached);
        queue.clear();
        for (std::size_t word = 0; word < split.parts.size(); ++word) {
            if (split.parts[word] != part) {
                continue;
            }
            std::int32_t number = 0;
            for (std::size_t p = length; p-- > 0;) {
                number = number * 3 + split.code->digits[word * length + p];
            }
            if (d[static_cast<std::size_t>(number)] != 0) {
                d[static_cast<std::size_t>(number)] = 0;
                queue.push_back(number);
            }
        }
        for (std::size_t head = 0; head < queue.size(); ++head) {
            const std::int32_t from = queue[head];
            std::int32_t place = 1;
            for (std::size_t p = 0; p < length; ++p, place *= 3) {
                const std::int32_t digit = from / place % 3;
                for (std::int32_t other = 0; other < 3; ++other) {
                    const auto to = static_cast<std::size_t>(from + (other - digit) * place);
                    if (d[to] == kUnreached) {
                        d[to] = d[static_cast<std::size_t>(from)] + 1;
                        queue.push_back(static_cast<std::int32_t>(to));
                    }
                }
            }
        }
    }
    std::set<Distances> triples;
    for (std::size_t word = 0; word < static_cast<std::size_t>(count); ++word) {
        triples.insert({distance[0][word], distance[1][word], distance[2][word]});
    }
    return triples;
}

}  // namespace

BlockCode BlockwiseSum(const SplitCode& first, const SplitCode& second) {
    const BlockCode& a = *first.code;
    const BlockCode& b = *second.code;
    const auto lengthA = static_cast<std::size_t>(a.Length());
    const auto lengthB = static_cast<std::size_t>(b.Length());
    BlockCode sum{.triples = a.triples + b.triples, .doubles = 0, .radius = 0, .digits = {}};
    for (std::size_t i = 0; i < first.parts.size(); ++i) {
        for (std::size_t j = 0; j < second.parts.size(); ++j) {
            if (first.parts[i] != second.parts[j]) {
                continue;
            }
            const auto wordA = a.digits.begin() + static_cast<std::ptrdiff_t>(i * lengthA);
            const auto wordB = b.digits.begin() + static_cast<std::ptrdiff_t>(j * lengthB);
            sum.digits.insert(sum.digits.end(), wordA,
                              wordA + static_cast<std::ptrdiff_t>(lengthA));
            sum.digits.insert(sum.digits.end(), wordB,
                              wordB + static_cast<std::ptrdiff_t>(lengthB));
        }
    }
    return sum;
}

std::int32_t BlockwiseSumRadius(const SplitCode& first, const SplitCode& second) {
    if (!IsValidSplit(first) || !IsValidSplit(second)) {
        return -1;
    }
    const std::set<Distances> fromFirst = DistanceTriples(first);
    const std::set<Distances> fromSecond = DistanceTriples(second);
    std::int32_t radius = 0;
    for (const Distances& u : fromFirst) {
        for (const Distances& v : fromSecond) {
            std::int32_t nearest = kUnreached;
            for (std::size_t part = 0; part < 3; ++part) {
                nearest = std::min(nearest, u[part] + v[part]);
            }
            radius = std::max(radius, nearest);
        }
    }
    return radius >= kUnreached ? -1 : radius;
}

std::vector<std::uint8_t> PartsByDigitSum(const BlockCode& code) {
    const auto length = static_cast<std::size_t>(code.Length());
    std::vector<std::uint8_t> parts;
    for (std::size_t start = 0; start + length <= code.digits.size(); start += length) {
        std::int32_t sum = 0;
        for (std::size_t p = 0; p < length; ++p) {
            sum += code.digits[start + p];
        }
        parts.push_back(static_cast<std::uint8_t>(sum % 3));
    }
    return parts;
}
