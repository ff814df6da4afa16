#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

// A file of conditions on columns ("condiciones.txt") as read: its lines as
// written and the conditions they hold, each a measure of the column with
// inclusive bounds. A column passes the file when it breaks at most
// `failures` of the counted conditions and none of those that must always
// hold.

// What a condition measures. Every count is popcount((ones & masks[0]) |
// (draws & masks[1]) | (twos & masks[2])) over the column's 14-bit sign
// masks (bit m for match m + 1), so that the signs, the variants, the groups
// and the hits with a base column are one measure.
enum class ConditionKind {
    kCount,          // matches selected by `masks`, 0..14
    kInterruptions,  // places where a match's sign differs from the next one's, 0..13
    kLongestRun,     // longest run of equal signs (all masks set), else of the signs set
    kScore,          // the column's score as the set carries it
    kProbability,    // product of the forecast's percentages, as a percentage
    kValue,          // expected prize in euros, from the caller's values
};

enum class Strictness {
    kCounted,  // breaking it counts towards the allowed failures
    kAlways,   // written with '!': a column that breaks it never passes
};

struct ColumnCondition {
    ConditionKind kind = ConditionKind::kCount;
    Strictness strictness = Strictness::kCounted;
    // Per sign 1, X, 2: the matches it is counted in (kCount), or 0x3FFF for
    // the signs whose runs are measured (kLongestRun).
    std::array<std::uint16_t, 3> masks{};
    double minimum = 0.0;
    double maximum = 0.0;
    // The line that holds it, counting from 1.
    std::int64_t line = 0;
};

// The most failures a file may allow, and the most conditions it may hold.
inline constexpr std::int32_t kMostFailures = 99;
inline constexpr std::size_t kMostConditions = 100;

struct ConditionFile {
    // Every line as written, without its line end (comments and blank lines
    // too), and its line end ("\n", "\r\n", or none for a last line without
    // one), so that the file can be written back unchanged.
    std::vector<std::string> lines;
    std::vector<std::string> lineEnds;
    bool byteOrderMark = false;
    std::vector<ColumnCondition> conditions;
    // Counted conditions a column may break (0 when the file says nothing).
    std::int32_t failures = 0;
    // The line of `fallos`, 0 when there is none.
    std::int64_t failuresLine = 0;

    // The text of a condition's line without its comment and outer blanks.
    std::string ConditionText(const ColumnCondition& condition) const;
    // The line of the first `valor` condition, 0 when there is none.
    std::int64_t ValueLine() const;
};

}  // namespace lumo
