#include "core/internal/block_codes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

#include "core/internal/algebraic_codes.h"
#include "core/internal/blockwise_sum.h"
#include "core/internal/coset_codes.h"
#include "core/internal/small_codes.h"
#include "core/internal/syndrome_code.h"

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

// Short codes that, each word given one of three parts, extend the Golay code
// split by digit sum (blockwise_sum.h) to radius 3 with few words: found by
// a search over the labellings of all words of two and three positions.
struct GolayTail {
    std::int32_t length;
    std::array<std::string_view, 9> words;
    std::array<std::uint8_t, 9> parts;
};
constexpr std::array kGolayTails{
    // 13 positions, 1,215 words.
    GolayTail{.length = 2, .words = {"10", "01", "21", "02", "22"}, .parts = {1, 0, 2, 2, 0}},
    // 14 positions, 2,187 words.
    GolayTail{.length = 3,
              .words = {"200", "010", "120", "101", "211", "021", "002", "112", "222"},
              .parts = {0, 2, 1, 2, 1, 0, 1, 0, 2}},
};

// The sums of the Golay code with each tail, of radius 3, that hold it.
std::vector<BlockCode> GolaySums(const BlockCode& golay) {
    constexpr std::int32_t kRadius = 3;
    const std::vector<std::uint8_t> golayParts = PartsByDigitSum(golay);
    std::vector<BlockCode> sums;
    for (const GolayTail& tail : kGolayTails) {
        BlockCode tailCode{.triples = tail.length, .doubles = 0, .radius = 0, .digits = {}};
        std::size_t words = 0;
        for (; words < tail.words.size() && !tail.words[words].empty(); ++words) {
            for (const char digit : tail.words[words]) {
                tailCode.digits.push_back(static_cast<std::uint8_t>(digit - '0'));
            }
        }
        const SplitCode first{.code = &golay, .parts = golayParts};
        const SplitCode second{.code = &tailCode,
                               .parts = std::span<const std::uint8_t>(tail.parts).first(words)};
        const std::int32_t radius = BlockwiseSumRadius(first, second);
        if (radius >= 0 && radius <= kRadius) {
            BlockCode sum = BlockwiseSum(first, second);
            sum.radius = kRadius;
            sums.push_back(std::move(sum));
        }
    }
    return sums;
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
    const auto golay = std::find_if(codes.begin(), codes.end(), [](const BlockCode& code) {
        return code.triples == 11 && code.doubles == 0 && code.radius == 2;
    });
    if (golay != codes.end()) {
        std::vector<BlockCode> sums = GolaySums(*golay);
        std::move(sums.begin(), sums.end(), std::back_inserter(codes));
    }
    for (const SmallCode& small : SmallCodes()) {
        BlockCode code{.triples = small.triples,
                       .doubles = small.doubles,
                       .radius = small.radius,
                       .digits = {}};
        for (const std::string_view word : small.words) {
            for (const char digit : word) {
                code.digits.push_back(static_cast<std::uint8_t>(digit - '0'));
            }
        }
        const std::int32_t radius = CoveringRadiusOf(code);
        if (radius >= 0 && radius <= small.radius) {
            codes.push_back(std::move(code));
        }
    }
    return codes;
}

}  // namespace

std::int64_t BlockCode::Size() const {
    const std::int32_t length = Length();
    return length == 0 ? 0 : static_cast<std::int64_t>(digits.size()) / length;
}

std::int32_t CoveringRadiusOf(const BlockCode& code) {
    const auto length = static_cast<std::size_t>(code.Length());
    if (length == 0 || code.digits.size() < length) {
        return -1;
    }
    // Words are numbered in mixed radix, position 0 the least significant.
    std::vector<std::int32_t> radix(length);
    std::vector<std::int32_t> place(length);
    std::int32_t count = 1;
    for (std::size_t p = 0; p < length; ++p) {
        radix[p] = p < static_cast<std::size_t>(code.triples) ? 3 : 2;
        place[p] = count;
        count *= radix[p];
    }
    std::vector<std::int32_t> distance(static_cast<std::size_t>(count), -1);
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
    return distance[static_cast<std::size_t>(queue.back())];
}

const std::vector<BlockCode>& BlockCodes() {
    static const std::vector<BlockCode> codes = BuildBlockCodes();
    return codes;
}
