#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/column.h"
#include "core/column_set.h"
#include "core/forecast_table.h"

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

// A column from 14 signs (ParseText rules).
lumo::CColumn ColumnOf(std::string_view signs);
// The 14 signs of a column.
std::string SignsOf(const lumo::CColumn& column);
// The signs of the set's columns from `from` on.
std::vector<std::string> SignsOf(const lumo::CColumnSet& set, std::int32_t from = 0);
// The index computed digit by digit, independently of CColumn::Index.
std::int32_t NaiveIndex(const lumo::CColumn& column);
// Hits counted match by match.
std::int32_t NaiveHits(const lumo::CColumn& a, const lumo::CColumn& b);

// The column, carrying `score`.
lumo::CColumn Scored(lumo::CColumn column, std::int32_t score);
// The column of `index`, carrying `score`.
lumo::CColumn Scored(std::int32_t index, std::int32_t score);

// A table with the same row for every match.
lumo::CForecastTable TableOf(const std::array<std::int32_t, 3>& row);

// The distance reduction as defined: a column stays when no column kept
// before it lies within `distance`, checked by scanning the kept ones. The
// indices of the kept columns, in order.
std::vector<std::int32_t> NaiveReduction(const std::vector<lumo::CColumn>& columns,
                                         std::int32_t distance);

// A column with uniformly random results.
lumo::CColumn RandomColumn(std::mt19937& engine);

// Makes the set hold the given columns, in order.
void FillSet(lumo::CColumnSet& set, const std::vector<lumo::CColumn>& columns);
// A new set holding the given columns, in order (a set can be neither copied
// nor moved, hence the pointer).
std::unique_ptr<lumo::CColumnSet> SetOf(const std::vector<lumo::CColumn>& columns);
// The set's columns, in order.
std::vector<lumo::CColumn> ColumnsOf(const lumo::CColumnSet& set);
// The indices of the set's columns, in order.
std::vector<std::int32_t> IndicesOf(const lumo::CColumnSet& set);
// The scores of the set's columns, in order.
std::vector<std::int32_t> ScoresOf(const lumo::CColumnSet& set);
// How many of the set's columns are marked.
std::int32_t MarkedCount(const lumo::CColumnSet& set);

// Random bets drawn from a small neighbourhood, so that every distance finds
// close columns, and with repeated columns.
std::vector<lumo::CColumn> ClusteredBet(std::mt19937& engine, std::size_t count);

// The first column of the bet that has fewer than `guarantee` hits with every
// column of the cover, found by comparing every pair; nothing when there is
// none.
std::optional<std::int32_t> NaiveFirstUncovered(const std::vector<lumo::CColumn>& bet,
                                                const std::vector<lumo::CColumn>& cover,
                                                std::int32_t guarantee);

// The fewest distinct columns of a small bet (at most 20 distinct columns)
// that hold the guarantee for all of it, by trying every subset.
std::int32_t SmallestCovering(const std::vector<lumo::CColumn>& bet, std::int32_t guarantee);

// A bet of `count` distinct columns that differ only in the first `matches`
// matches, drawn at random: small enough for SmallestCovering.
std::vector<lumo::CColumn> SmallClusteredBet(std::mt19937& engine, std::int32_t matches,
                                             std::size_t count);

// The bet a player makes of the forecast of examples/pronostico.txt with its
// two doubles made fixed (11 triples, 3 fixed results) or kept: all columns,
// the cut of scores above `above` and the zero step. Doubles fixed, above 70:
// 89,927 columns, whose balls of radius 2 hold on average 0.78 of the
// hull's; above 76: 42,606 and 0.64.
enum class ExampleDoubles { kFixed, kKept };
std::unique_ptr<lumo::CColumnSet> ElevenTriplesBet(std::int32_t above,
                                                   ExampleDoubles doubles = ExampleDoubles::kFixed);
