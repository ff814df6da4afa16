#include "codes/internal/blockwise_sum.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <set>

namespace lumo::internal {

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
    std::array<std::vector<std::int32_t>, 3> distance;
    for (std::size_t part = 0; part < 3; ++part) {
        BlockCode words{.triples = split.code->triples, .doubles = 0, .radius = 0, .digits = {}};
        for (std::size_t word = 0; word < split.parts.size(); ++word) {
            if (split.parts[word] == part) {
                const auto first =
                    split.code->digits.begin() + static_cast<std::ptrdiff_t>(word * length);
                words.digits.insert(words.digits.end(), first,
                                    first + static_cast<std::ptrdiff_t>(length));
            }
        }
        distance[part] = DistancesToCode(words);
        std::replace(distance[part].begin(), distance[part].end(), -1, kUnreached);
    }
    std::set<Distances> triples;
    for (std::size_t word = 0; word < distance[0].size(); ++word) {
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

}  // namespace lumo::internal
