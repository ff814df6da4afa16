#pragma once

#include <array>
#include <cstdint>

#include "core/column.h"
#include "core/forecast_table.h"

namespace lumo {

// The column predicates of the step commands and of the profitability tool.
// Each is a small function object that carries its parameter and is passed
// to CColumnSet::Filter, e.g. bet.Filter(ScoreAbove{limit}).

// Keeps a column whose score is strictly greater than the limit.
struct ScoreAbove {
    std::int32_t limit;
    bool operator()(const CColumn& column) const { return column.score > limit; }
};

// Keeps a column whose score is strictly less than the limit.
struct ScoreBelow {
    std::int32_t limit;
    bool operator()(const CColumn& column) const { return column.score < limit; }
};

// Keeps a column when, in every match, the table's percentage for the
// column's result is not 0. The table is read when the predicate is made.
class NoZeroPercent {
  public:
    explicit NoZeroPercent(const CForecastTable& table);
    bool operator()(const CColumn& column) const;

  private:
    // Per match, bit r set when result code r has a percentage other than 0.
    std::array<std::uint8_t, kMatches> allowed{};
};

// Keeps a column whose Probability over the table (the window passes the
// Expectation table) is strictly greater than `threshold`; the
// profitability tool passes 1.0. The table is copied when the predicate is
// made.
class IsProfitable {
  public:
    explicit IsProfitable(double threshold, const CForecastTable& table);
    bool operator()(const CColumn& column) const;

  private:
    double threshold;
    CForecastTable table;
};

}  // namespace lumo
