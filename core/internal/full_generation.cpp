#include "core/internal/full_generation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

#include "core/progress.h"

namespace lumo::internal {

namespace {

// 3^7: the combinations of one half of the coupon.
constexpr std::int32_t kHalfColumns = 2187;
constexpr std::int32_t kHalfMatches = 7;

// Above this many distinct sums, scores are computed per column instead of
// looked up.
constexpr std::int64_t kMaxLookupSums = 1 << 16;

constexpr std::int32_t kProgressStep = 10'000;

static_assert(kHalfColumns * kHalfColumns == kAllColumns);
static_assert(offsetof(CColumn, score) == 0 && offsetof(CColumn, marked) == 4 &&
                  offsetof(CColumn, results) == 5,
              "the record is written as score, then mark and codes as two 8-byte words");

// One half of the coupon for each of its 3^7 combinations: the codes as they
// lie in the record and the sum of the chosen table values.
struct HalfTable {
    std::array<std::uint64_t, kHalfColumns> words{};
    std::array<std::int64_t, kHalfColumns> sums{};
};

// Codes of matches firstMatch..firstMatch+6 for every combination (the
// combination's base-3 digits, least significant first), placed from byte
// `firstByte` of the word.
HalfTable MakeHalfTable(const CForecastTable& table, std::int32_t firstMatch,
                        std::int32_t firstByte) {
    HalfTable half;
    for (std::int32_t combination = 0; combination < kHalfColumns; ++combination) {
        std::int32_t rest = combination;
        std::uint64_t word = 0;
        std::int64_t sum = 0;
        for (std::int32_t k = 0; k < kHalfMatches; ++k) {
            const std::int32_t code = rest % 3;
            rest /= 3;
            word |= static_cast<std::uint64_t>(code) << (8 * (firstByte + k));
            sum +=
                table
                    .rows[static_cast<std::size_t>(firstMatch + k)][static_cast<std::size_t>(code)];
        }
        half.words[static_cast<std::size_t>(combination)] = word;
        half.sums[static_cast<std::size_t>(combination)] = sum;
    }
    return half;
}

void StoreColumn(CColumn* slot, std::int32_t score, std::uint64_t lowWord, std::uint64_t highWord) {
    auto* bytes = reinterpret_cast<unsigned char*>(slot);
    std::memcpy(bytes, &score, sizeof score);
    std::memcpy(bytes + 4, &lowWord, sizeof lowWord);
    std::memcpy(bytes + 12, &highWord, sizeof highWord);
}

// Reports the positions of the multiples of 10,000 among the indices
// [first, first + kHalfColumns), given the next multiple still to report.
void ReportRow(std::int32_t first, std::int32_t& nextReport) {
    while (nextReport < first + kHalfColumns) {
        ReportProgress(static_cast<std::int32_t>(std::int64_t{nextReport} * 100 / kAllColumns));
        nextReport += kProgressStep;
    }
}

}  // namespace

void WriteAllColumns(const Scoring& scoring, CColumn* destination) {
    // Low half: the mark (byte 0, always 0) and matches 1..7; high half:
    // matches 8..14 and the record's padding byte.
    const HalfTable low = MakeHalfTable(scoring.table, 0, 1);
    const HalfTable high = MakeHalfTable(scoring.table, kHalfMatches, 0);

    const std::int64_t lowMin = *std::min_element(low.sums.begin(), low.sums.end());
    const std::int64_t highMin = *std::min_element(high.sums.begin(), high.sums.end());
    const std::int64_t sumRange = *std::max_element(low.sums.begin(), low.sums.end()) - lowMin +
                                  *std::max_element(high.sums.begin(), high.sums.end()) - highMin;

    std::int32_t nextReport = 0;
    if (sumRange < kMaxLookupSums) {
        // Scores by sum, offset by the smallest sum; each half keeps its
        // offset from its own minimum.
        std::vector<std::int32_t> scoreBySum(static_cast<std::size_t>(sumRange + 1));
        for (std::size_t k = 0; k < scoreBySum.size(); ++k) {
            scoreBySum[k] = ScoreForSum(scoring, lowMin + highMin + static_cast<std::int64_t>(k));
        }
        std::array<std::int32_t, kHalfColumns> lowOffsets{};
        for (std::size_t l = 0; l < lowOffsets.size(); ++l) {
            lowOffsets[l] = static_cast<std::int32_t>(low.sums[l] - lowMin);
        }
        for (std::int32_t h = 0; h < kHalfColumns; ++h) {
            const std::int32_t first = h * kHalfColumns;
            ReportRow(first, nextReport);
            const std::uint64_t highWord = high.words[static_cast<std::size_t>(h)];
            const std::int32_t* scores =
                scoreBySum.data() + (high.sums[static_cast<std::size_t>(h)] - highMin);
            CColumn* row = destination + first;
            for (std::size_t l = 0; l < kHalfColumns; ++l) {
                StoreColumn(row + l, scores[lowOffsets[l]], low.words[l], highWord);
            }
        }
        return;
    }
    // Tables with values far apart: too many sums to tabulate.
    for (std::int32_t h = 0; h < kHalfColumns; ++h) {
        const std::int32_t first = h * kHalfColumns;
        ReportRow(first, nextReport);
        const std::uint64_t highWord = high.words[static_cast<std::size_t>(h)];
        const std::int64_t highSum = high.sums[static_cast<std::size_t>(h)];
        CColumn* row = destination + first;
        for (std::size_t l = 0; l < kHalfColumns; ++l) {
            StoreColumn(row + l, ScoreForSum(scoring, low.sums[l] + highSum), low.words[l],
                        highWord);
        }
    }
}

}  // namespace lumo::internal
