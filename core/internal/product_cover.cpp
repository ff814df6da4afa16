#include "core/internal/product_cover.h"

#include <bit>
#include <limits>

#include "core/internal/small_codes.h"

namespace {

constexpr std::size_t kLimit = kMatches + 1;

// The smallest direct sum of table codes over `symbols` symbols for every
// length and radius up to 14: its size and its first block.
struct Plans {
    std::array<std::array<std::int64_t, kLimit>, kLimit> size{};
    std::array<std::array<const SmallCode*, kLimit>, kLimit> first{};
};

Plans BestPlans(std::int32_t symbols) {
    Plans plans;
    plans.size[0].fill(1);
    for (std::size_t length = 1; length < kLimit; ++length) {
        for (std::size_t radius = 0; radius < kLimit; ++radius) {
            std::int64_t best = std::numeric_limits<std::int64_t>::max();
            for (const SmallCode& code : SmallCodes()) {
                const auto codeLength = static_cast<std::size_t>(code.length);
                const auto codeRadius = static_cast<std::size_t>(code.radius);
                if (code.symbols != symbols || codeLength > length || codeRadius > radius) {
                    continue;
                }
                const std::int64_t size = static_cast<std::int64_t>(code.words.size()) *
                                          plans.size[length - codeLength][radius - codeRadius];
                if (size < best) {
                    best = size;
                    plans.first[length][radius] = &code;
                }
            }
            plans.size[length][radius] = best;
        }
    }
    return plans;
}

using Results = std::array<std::uint8_t, kMatches>;

// Replaces every partial column by its combinations with the words of the
// plan's blocks over the given matches; `valueOf(slot, digit)` is the result
// that digit of a word stands for at the slot-th of those matches.
template <typename ValueOf>
void ExpandPlan(const Plans& plans, const std::vector<std::size_t>& matches, std::size_t radius,
                ValueOf valueOf, std::vector<Results>& columns) {
    std::size_t start = 0;
    while (start < matches.size()) {
        const SmallCode& code = *plans.first[matches.size() - start][radius];
        std::vector<Results> expanded;
        expanded.reserve(columns.size() * code.words.size());
        for (const Results& column : columns) {
            for (const std::string_view word : code.words) {
                Results next = column;
                for (std::size_t k = 0; k < word.size(); ++k) {
                    next[matches[start + k]] = valueOf(start + k, word[k] - '0');
                }
                expanded.push_back(next);
            }
        }
        columns = std::move(expanded);
        start += static_cast<std::size_t>(code.length);
        radius -= static_cast<std::size_t>(code.radius);
    }
}

}  // namespace

std::optional<MatchChoices> ProductChoices(const BetIndex& bet) {
    if (bet.Size() == 0) {
        return std::nullopt;
    }
    MatchChoices choices{};
    for (std::int32_t id = 0; id < bet.Size(); ++id) {
        const CColumn column(bet.IndexOf(id));
        for (std::size_t match = 0; match < choices.size(); ++match) {
            choices[match] =
                static_cast<std::uint8_t>(choices[match] | (1U << column.results[match]));
        }
    }
    std::int64_t combinations = 1;
    for (const std::uint8_t choice : choices) {
        combinations *= std::popcount(choice);
    }
    // Every distinct column is one of the combinations, so equal counts mean
    // that every combination is there.
    if (combinations != bet.Size()) {
        return std::nullopt;
    }
    return choices;
}

std::vector<std::int32_t> ProductCover(const MatchChoices& choices, std::int32_t radius) {
    Results base{};
    std::vector<std::size_t> triples;
    std::vector<std::size_t> doubles;
    std::vector<std::array<std::uint8_t, 2>> doubleValues;
    for (std::size_t match = 0; match < choices.size(); ++match) {
        const std::uint8_t choice = choices[match];
        if (std::popcount(choice) == 3) {
            triples.push_back(match);
        } else if (std::popcount(choice) == 2) {
            doubles.push_back(match);
            const auto low = static_cast<std::uint8_t>(std::countr_zero(choice));
            const auto high = static_cast<std::uint8_t>(
                std::countr_zero(static_cast<std::uint8_t>(choice & (choice - 1))));
            doubleValues.push_back({low, high});
        } else {
            base[match] = static_cast<std::uint8_t>(std::countr_zero(choice));
        }
    }
    const Plans ternary = BestPlans(3);
    const Plans binary = BestPlans(2);
    const auto total = static_cast<std::size_t>(radius);
    std::size_t ternaryRadius = 0;
    for (std::size_t r = 1; r <= total; ++r) {
        if (ternary.size[triples.size()][r] * binary.size[doubles.size()][total - r] <
            ternary.size[triples.size()][ternaryRadius] *
                binary.size[doubles.size()][total - ternaryRadius]) {
            ternaryRadius = r;
        }
    }
    std::vector<Results> columns{base};
    ExpandPlan(
        ternary, triples, ternaryRadius,
        [](std::size_t, std::int32_t digit) { return static_cast<std::uint8_t>(digit); }, columns);
    ExpandPlan(
        binary, doubles, total - ternaryRadius,
        [&doubleValues](std::size_t slot, std::int32_t digit) {
            return doubleValues[slot][static_cast<std::size_t>(digit)];
        },
        columns);
    std::vector<std::int32_t> indices;
    indices.reserve(columns.size());
    for (const Results& results : columns) {
        CColumn column;
        column.results = results;
        indices.push_back(column.Index());
    }
    return indices;
}
