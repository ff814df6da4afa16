#include "codes/block_codes.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

#include "codes/internal/algebraic_codes.h"
#include "codes/internal/blockwise_sum.h"
#include "codes/internal/coset_codes.h"
#include "codes/internal/small_codes.h"
#include "codes/internal/split_sums.h"
#include "codes/internal/syndrome_code.h"

namespace lumo {

using namespace internal;

namespace {

std::vector<SyndromeCodeWithRadius> SyndromeCodes() {
    std::vector<SyndromeCodeWithRadius> codes{
        {HammingCode(2), 1},
        {HammingCode(3), 1},
        {GolayCode(), 2},
        {ExtendedGolayCode(), 3},
    };
    for (SyndromeCodeWithRadius& found : CosetCodes()) {
        codes.push_back(std::move(found));
    }
    return codes;
}

// The ternary code of the shape with the fewest words, or none.
const BlockCode* SmallestTernary(const std::vector<BlockCode>& codes, std::int32_t triples,
                                 std::int32_t radius) {
    const BlockCode* found = nullptr;
    for (const BlockCode& code : codes) {
        if (code.triples == triples && code.doubles == 0 && code.radius == radius &&
            (found == nullptr || code.Size() < found->Size())) {
            found = &code;
        }
    }
    return found;
}

// The digits of a word written as text, '0'..'2'.
std::vector<std::uint8_t> DigitsOf(std::string_view text) {
    std::vector<std::uint8_t> digits;
    for (const char digit : text) {
        digits.push_back(static_cast<std::uint8_t>(digit - '0'));
    }
    return digits;
}

// The sum, verified, or nothing when its head is missing, its data does not
// fit or its radius does not hold.
std::optional<BlockCode> BuildSplitSum(const std::vector<BlockCode>& codes,
                                       const SplitSum& recipe) {
    const BlockCode* head = SmallestTernary(codes, recipe.headTriples, recipe.headRadius);
    if (head == nullptr || recipe.tail.empty()) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> headParts =
        recipe.headParts.empty() ? PartsByDigitSum(*head) : DigitsOf(recipe.headParts);
    BlockCode tail{.triples = static_cast<std::int32_t>(recipe.tail.front().size()),
                   .doubles = 0,
                   .radius = 0,
                   .digits = {}};
    for (const std::string_view word : recipe.tail) {
        if (static_cast<std::int32_t>(word.size()) != tail.triples) {
            return std::nullopt;
        }
        const std::vector<std::uint8_t> digits = DigitsOf(word);
        tail.digits.insert(tail.digits.end(), digits.begin(), digits.end());
    }
    const std::vector<std::uint8_t> tailParts = DigitsOf(recipe.tailParts);
    const SplitCode first{.code = head, .parts = headParts};
    const SplitCode second{.code = &tail, .parts = tailParts};
    const std::int32_t radius = BlockwiseSumRadius(first, second);
    if (radius < 0 || radius > recipe.radius) {
        return std::nullopt;
    }
    BlockCode sum = BlockwiseSum(first, second);
    sum.radius = recipe.radius;
    return sum;
}

std::vector<BlockCode> BuildBlockCodes() {
    std::vector<BlockCode> codes;
    for (const SyndromeCodeWithRadius& known : SyndromeCodes()) {
        const std::int32_t radius = CoveringRadiusOf(known.code);
        if (radius >= 0 && radius <= known.radius) {
            codes.push_back({.triples = static_cast<std::int32_t>(known.code.columns.size()),
                             .doubles = 0,
                             .radius = known.radius,
                             .digits = WordsOf(known.code)});
        }
    }
    for (const SmallCode& small : SmallCodes()) {
        BlockCode code{.triples = small.triples,
                       .doubles = small.doubles,
                       .radius = small.radius,
                       .digits = {}};
        for (const std::string_view word : small.words) {
            const std::vector<std::uint8_t> digits = DigitsOf(word);
            code.digits.insert(code.digits.end(), digits.begin(), digits.end());
        }
        const std::int32_t radius = CoveringRadiusOf(code);
        if (radius >= 0 && radius <= small.radius) {
            codes.push_back(std::move(code));
        }
    }
    for (const SplitSum& recipe : SplitSums()) {
        if (std::optional<BlockCode> sum = BuildSplitSum(codes, recipe)) {
            codes.push_back(std::move(*sum));
        }
    }
    return codes;
}

}  // namespace

std::int64_t BlockCode::Size() const {
    const std::int32_t length = Length();
    return length == 0 ? 0 : static_cast<std::int64_t>(digits.size()) / length;
}

std::vector<std::int32_t> DistancesToCode(const BlockCode& code) {
    const auto length = static_cast<std::size_t>(code.Length());
    std::vector<std::int32_t> radix(length);
    std::vector<std::int32_t> place(length);
    std::int32_t count = 1;
    for (std::size_t p = 0; p < length; ++p) {
        radix[p] = p < static_cast<std::size_t>(code.triples) ? 3 : 2;
        place[p] = count;
        count *= radix[p];
    }
    std::vector<std::int32_t> distance(static_cast<std::size_t>(count), -1);
    if (length == 0) {
        return distance;
    }
    std::vector<std::int32_t> queue;
    queue.reserve(static_cast<std::size_t>(count));
    for (std::size_t start = 0; start + length <= code.digits.size(); start += length) {
        std::int32_t number = 0;
        for (std::size_t p = 0; p < length; ++p) {
            number += code.digits[start + p] * place[p];
        }
        if (distance[static_cast<std::size_t>(number)] < 0) {
            distance[static_cast<std::size_t>(number)] = 0;
            queue.push_back(number);
        }
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::int32_t from = queue[head];
        for (std::size_t p = 0; p < length; ++p) {
            const std::int32_t digit = from / place[p] % radix[p];
            for (std::int32_t other = 0; other < radix[p]; ++other) {
                const auto to = static_cast<std::size_t>(from + (other - digit) * place[p]);
                if (other != digit && distance[to] < 0) {
                    distance[to] = distance[static_cast<std::size_t>(from)] + 1;
                    queue.push_back(static_cast<std::int32_t>(to));
                }
            }
        }
    }
    return distance;
}

std::int32_t CoveringRadiusOf(const BlockCode& code) {
    const auto length = static_cast<std::size_t>(code.Length());
    if (length == 0 || code.digits.size() < length) {
        return -1;
    }
    const std::vector<std::int32_t> distance = DistancesToCode(code);
    return *std::max_element(distance.begin(), distance.end());
}

const std::vector<BlockCode>& BlockCodes() {
    static const std::vector<BlockCode> codes = BuildBlockCodes();
    return codes;
}

BlockCode ExtendedGolayBlockCode() {
    const SyndromeCode code = ExtendedGolayCode();
    return {.triples = static_cast<std::int32_t>(code.columns.size()),
            .doubles = 0,
            .radius = CoveringRadiusOf(code),
            .digits = WordsOf(code)};
}

}  // namespace lumo
