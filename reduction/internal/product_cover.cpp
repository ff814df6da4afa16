#include "reduction/internal/product_cover.h"

#include <bit>
#include <limits>

#include "codes/block_codes.h"

namespace lumo::internal {

namespace {

constexpr std::size_t kLimit = kMatches + 1;

// The smallest direct sum of block codes for every number of triples,
// number of doubles and radius up to 14: its size and its first block.
struct Plans {
    std::array<std::array<std::array<std::int64_t, kLimit>, kLimit>, kLimit> size{};
    std::array<std::array<std::array<const BlockCode*, kLimit>, kLimit>, kLimit> first{};
};

Plans BestPlans() {
    Plans plans;
    for (std::size_t triples = 0; triples < kLimit; ++triples) {
        for (std::size_t doubles = 0; triples + doubles < kLimit; ++doubles) {
            for (std::size_t radius = 0; radius < kLimit; ++radius) {
                std::int64_t best =
                    triples + doubles == 0 ? 1 : std::numeric_limits<std::int64_t>::max();
                for (const BlockCode& code : BlockCodes()) {
                    const auto t = static_cast<std::size_t>(code.triples);
                    const auto d = static_cast<std::size_t>(code.doubles);
                    const auto r = static_cast<std::size_t>(code.radius);
                    if (t > triples || d > doubles || r > radius ||
                        plans.size[triples - t][doubles - d][radius - r] ==
                            std::numeric_limits<std::int64_t>::max()) {
                        continue;
                    }
                    const std::int64_t size =
                        code.Size() * plans.size[triples - t][doubles - d][radius - r];
                    if (size < best) {
                        best = size;
                        plans.first[triples][doubles][radius] = &code;
                    }
                }
                plans.size[triples][doubles][radius] = best;
            }
        }
    }
    return plans;
}

const Plans& TheBestPlans() {
    static const Plans plans = BestPlans();
    return plans;
}

// A column's index is the sum over the matches of its result times the
// match's place value, so a product covering is every sum of the fixed
// matches' part and one word's part per block. The place values, the fixed
// part and the matches of the triples and of the doubles, in order.
struct MatchLayout {
    std::array<std::int32_t, kMatches> place{};
    std::int32_t fixedPart = 0;
    std::vector<std::size_t> triples;
    std::vector<std::size_t> doubles;
};

MatchLayout LayoutOf(const MatchChoices& choices) {
    MatchLayout layout;
    for (std::size_t match = 0, value = 1; match < choices.size(); ++match, value *= 3) {
        layout.place[match] = static_cast<std::int32_t>(value);
        const std::uint8_t choice = choices[match];
        if (std::popcount(choice) == 3) {
            layout.triples.push_back(match);
        } else if (std::popcount(choice) == 2) {
            layout.doubles.push_back(match);
        } else {
            layout.fixedPart += std::countr_zero(choice) * layout.place[match];
        }
    }
    return layout;
}

// The part of the index each word of `code` gives when it is placed on the
// triples from `triplesUsed` and the doubles from `doublesUsed` on: a
// ternary digit is the result itself, a binary one the lower or the higher
// result of the double.
std::vector<std::int32_t> WordParts(const BlockCode& code, const MatchLayout& layout,
                                    const MatchChoices& choices, std::size_t triplesUsed,
                                    std::size_t doublesUsed) {
    std::vector<std::int32_t> parts;
    const auto length = static_cast<std::size_t>(code.Length());
    const auto triples = static_cast<std::size_t>(code.triples);
    for (std::size_t start = 0; start < code.digits.size(); start += length) {
        std::int32_t part = 0;
        for (std::size_t k = 0; k < length; ++k) {
            const std::uint8_t digit = code.digits[start + k];
            if (k < triples) {
                part += digit * layout.place[layout.triples[triplesUsed + k]];
                continue;
            }
            const std::size_t match = layout.doubles[doublesUsed + k - triples];
            std::uint8_t choice = choices[match];
            if (digit == 1) {
                choice = static_cast<std::uint8_t>(choice & (choice - 1));
            }
            part += std::countr_zero(choice) * layout.place[match];
        }
        parts.push_back(part);
    }
    return parts;
}

// Every sum of an index and a part.
std::vector<std::int32_t> DirectSum(const std::vector<std::int32_t>& indices,
                                    const std::vector<std::int32_t>& parts) {
    std::vector<std::int32_t> sums;
    sums.reserve(indices.size() * parts.size());
    for (const std::int32_t index : indices) {
        for (const std::int32_t part : parts) {
            sums.push_back(index + part);
        }
    }
    return sums;
}

}  // namespace

std::optional<MatchChoices> ProductChoices(const BetIndex& bet) {
    if (bet.Size() == 0) {
        return std::nullopt;
    }
    const MatchChoices& choices = bet.UsedResults();
    // Every distinct column is one of the combinations, so equal counts mean
    // that every combination is there.
    if (ProductSize(choices) != bet.Size()) {
        return std::nullopt;
    }
    return choices;
}

std::vector<std::int32_t> ProductCover(const MatchChoices& choices, std::int32_t radius) {
    const MatchLayout layout = LayoutOf(choices);
    const Plans& plans = TheBestPlans();
    std::vector<std::int32_t> indices{layout.fixedPart};
    std::size_t triplesUsed = 0;
    std::size_t doublesUsed = 0;
    auto radiusLeft = static_cast<std::size_t>(radius);
    while (triplesUsed < layout.triples.size() || doublesUsed < layout.doubles.size()) {
        const BlockCode& code = *plans.first[layout.triples.size() - triplesUsed]
                                            [layout.doubles.size() - doublesUsed][radiusLeft];
        indices = DirectSum(indices, WordParts(code, layout, choices, triplesUsed, doublesUsed));
        triplesUsed += static_cast<std::size_t>(code.triples);
        doublesUsed += static_cast<std::size_t>(code.doubles);
        radiusLeft -= static_cast<std::size_t>(code.radius);
    }
    return indices;
}

std::int64_t ProductCoverSize(const MatchChoices& choices, std::int32_t radius) {
    std::size_t triples = 0;
    std::size_t doubles = 0;
    for (const std::uint8_t choice : choices) {
        triples += std::popcount(choice) == 3 ? 1U : 0U;
        doubles += std::popcount(choice) == 2 ? 1U : 0U;
    }
    return TheBestPlans().size[triples][doubles][static_cast<std::size_t>(radius)];
}

std::int64_t ProductSize(const MatchChoices& choices) {
    std::int64_t size = 1;
    for (const std::uint8_t choice : choices) {
        size *= std::popcount(choice);
    }
    return size;
}

std::int64_t ProductBall(const MatchChoices& choices, std::int32_t radius) {
    // Coefficient k: the combinations differing from one in exactly k matches.
    std::array<std::int64_t, kMatches + 1> differing{1};
    for (const std::uint8_t choice : choices) {
        const std::int64_t others = std::popcount(choice) - 1;
        for (std::size_t k = kMatches; k > 0; --k) {
            differing[k] += differing[k - 1] * others;
        }
    }
    std::int64_t ball = 0;
    for (std::int32_t k = 0; k <= radius && k <= kMatches; ++k) {
        ball += differing[static_cast<std::size_t>(k)];
    }
    return ball;
}

}  // namespace lumo::internal
