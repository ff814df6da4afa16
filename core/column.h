#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string_view>

#include "core/forecast_table.h"
#include "core/internal/result_words.h"
#include "core/scoring.h"

namespace lumo {

// Number of matches on a coupon.
inline constexpr std::int32_t kMatches = 14;

// Number of distinct columns: 3^14. A column's index is the 14-digit base-3
// number of its result codes, match 1 the least significant digit.
inline constexpr std::int32_t kAllColumns = 4'782'969;

// Result codes as stored in a column.
inline constexpr std::uint8_t kHomeWin = 0;  // written "1"
inline constexpr std::uint8_t kDraw = 1;     // written "X"
inline constexpr std::uint8_t kAwayWin = 2;  // written "2"

// The sign a result code is written as: '1', 'X' or '2'; any code above 2
// is written '2'.
constexpr char SignOf(std::uint8_t code) {
    constexpr std::array<char, 3> kSigns{'1', 'X', '2'};
    return kSigns[code < kAwayWin ? code : kAwayWin];
}

// One complete prediction of the 14 matches with the score and the covering
// mark that bet operations attach to it. A plain record copied by value.
struct CColumn {
    CColumn() = default;
    // Same as SetFromIndex(index).
    explicit CColumn(std::int32_t index);

    // Results from an index 0..kAllColumns-1; score 0, not marked.
    void SetFromIndex(std::int32_t index);
    // Results from the first 14 characters: '2' is 2, 'X' or 'x' is X, any
    // other character (a blank included) is 1; positions past the end of a
    // shorter text are 1. Score 0, not marked.
    void ParseText(std::string_view text);
    // Results from the next 14 non-white-space characters of the stream:
    // '1' is 1, 'X' is X, anything else (a lower-case x included) is 2.
    // Score 0, not marked. When the stream fails, the positions not read keep
    // the codes they had.
    std::istream& ReadText(std::istream& in);
    // Writes the 14 signs, no separator and no line end.
    std::ostream& WriteText(std::ostream& out) const;

    // Number of matches with equal results, 0..14.
    std::int32_t Hits(const CColumn& other) const {
        return kMatches - internal::CountDifferences(internal::LoadResultWords(results),
                                                     internal::LoadResultWords(other.results));
    }
    // Number of results other than 1.
    std::int32_t CountVariants() const {
        return internal::CountNonZeroCodes(internal::LoadResultWords(results));
    }
    // Number of results 2.
    std::int32_t CountDoses() const {
        return internal::CountCodesTwo(internal::LoadResultWords(results));
    }
    // The column's index, the inverse of SetFromIndex.
    std::int32_t Index() const {
        return internal::IndexOfCodes(internal::LoadResultWords(results));
    }

    // Score of the column's percentage sum over the scoring's table, by
    // ScoreForSum: the sum divided by 14 in average mode, otherwise the sum
    // normalised to 0..100 between the scoring's bounds (100 for every
    // column when the two are equal), never outside 0..100 whatever the
    // table.
    std::int32_t ComputeScore(const Scoring& scoring) const;
    // Product over the matches of the chosen table value times 0.01.
    double Probability(const CForecastTable& table) const;
    // 14 random results drawn by each match's percentages; score 0, the mark
    // is left as it was.
    void Randomize(const CForecastTable& table);

    std::int32_t score = 0;
    std::uint8_t marked = 0;
    std::array<std::uint8_t, kMatches> results{};
};

static_assert(sizeof(CColumn) == 20,
              "4,782,969 columns must fit in one flat array of 20-byte records");

// The result that a draw r in 0..32767 gives for a match with the
// percentages p1 and pX: v = r * 100 / 32767; 1 when v < p1, X when
// v < p1 + pX, else 2. The percentage of 2 is not consulted.
std::uint8_t ResultForDraw(std::int32_t draw, std::int32_t p1, std::int32_t pX);

// Draws one random number and returns ResultForDraw of it. p2 is accepted
// for symmetry with the table row and not consulted.
std::uint8_t RandomResult(std::int32_t p1, std::int32_t pX, std::int32_t p2);

}  // namespace lumo
