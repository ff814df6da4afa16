#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/column.h"
#include "core/column_set.h"
#include "forecast/forecast_table.h"

// Records every position handed to the ProgressSink while it lives.
class ProgressRecorder {
  public:
    ProgressRecorder();
    ~ProgressRecorder();
    ProgressRecorder(const ProgressRecorder&) = delete;
    ProgressRecorder& operator=(const ProgressRecorder&) = delete;

    const std::vector<std::int32_t>& Positions() const { return positions; }
    // The positions with runs of equal ones collapsed to one.
    std::vector<std::int32_t> Distinct() const;

  private:
    std::vector<std::int32_t> positions;
};

// Collapses runs of equal positions.
std::vector<std::int32_t> WithoutRepeats(const std::vector<std::int32_t>& positions);

// Saves the program-wide scoring inputs and puts them back when it dies, so
// that a test may change them freely.
class ScoringStateGuard {
  public:
    ScoringStateGuard();
    ~ScoringStateGuard();
    ScoringStateGuard(const ScoringStateGuard&) = delete;
    ScoringStateGuard& operator=(const ScoringStateGuard&) = delete;

  private:
    CForecastTable forecast;
    CForecastTable expectation;
    std::int32_t savedMinSum;
    std::int32_t savedMaxSum;
    bool savedAverageMode;
};

// A column from 14 signs (ParseText rules).
CColumn ColumnOf(std::string_view signs);
// The 14 signs of a column.
std::string SignsOf(const CColumn& column);
// The index computed digit by digit, independently of CColumn::Index.
std::int32_t NaiveIndex(const CColumn& column);
// Hits counted match by match.
std::int32_t NaiveHits(const CColumn& a, const CColumn& b);

// A column with uniformly random results.
CColumn RandomColumn(std::mt19937& engine);

// A set holding the given columns, in order.
void FillSet(CColumnSet& set, const std::vector<CColumn>& columns);
// The set's columns, in order.
std::vector<CColumn> ColumnsOf(const CColumnSet& set);
// The indices of the set's columns, in order.
std::vector<std::int32_t> IndicesOf(const CColumnSet& set);
