#include "tests/core/test_support.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <sstream>

#include "core/column_predicates.h"
#include "core/progress.h"

using namespace lumo;

ProgressRecorder::ProgressRecorder() {
    SetProgressSink([this](std::int32_t position) { positions.push_back(position); });
}

ProgressRecorder::~ProgressRecorder() {
    SetProgressSink({});
}

std::vector<std::int32_t> ProgressRecorder::Distinct() const {
    return WithoutRepeats(positions);
}

std::vector<std::int32_t> WithoutRepeats(const std::vector<std::int32_t>& positions) {
    std::vector<std::int32_t> distinct;
    for (const std::int32_t position : positions) {
        if (distinct.empty() || distinct.back() != position) {
            distinct.push_back(position);
        }
    }
    return distinct;
}

CColumn ColumnOf(std::string_view signs) {
    CColumn column;
    column.ParseText(signs);
    return column;
}

std::string SignsOf(const CColumn& column) {
    std::ostringstream out;
    column.WriteText(out);
    return out.str();
}

std::vector<std::string> SignsOf(const CColumnSet& set, std::int32_t from) {
    std::vector<std::string> signs;
    for (std::int32_t i = from; i < set.Count(); ++i) {
        signs.push_back(SignsOf(set[i]));
    }
    return signs;
}

std::int32_t NaiveIndex(const CColumn& column) {
    std::int32_t index = 0;
    std::int32_t power = 1;
    for (const auto result : column.results) {
        index += result * power;
        power *= 3;
    }
    return index;
}

std::int32_t NaiveHits(const CColumn& a, const CColumn& b) {
    std::int32_t hits = 0;
    for (std::size_t m = 0; m < a.results.size(); ++m) {
        if (a.results[m] == b.results[m]) {
            ++hits;
        }
    }
    return hits;
}

CColumn Scored(CColumn column, std::int32_t score) {
    column.score = score;
    return column;
}

CColumn Scored(std::int32_t index, std::int32_t score) {
    return Scored(CColumn(index), score);
}

CForecastTable TableOf(const std::array<std::int32_t, 3>& row) {
    CForecastTable table;
    table.rows.fill(row);
    return table;
}

std::vector<std::int32_t> NaiveReduction(const std::vector<CColumn>& columns,
                                         std::int32_t distance) {
    std::vector<CColumn> kept;
    for (const CColumn& column : columns) {
        const bool near = std::any_of(kept.begin(), kept.end(), [&](const CColumn& other) {
            return NaiveHits(column, other) >= 14 - distance;
        });
        if (!near) {
            kept.push_back(column);
        }
    }
    std::vector<std::int32_t> indices;
    for (const CColumn& column : kept) {
        indices.push_back(NaiveIndex(column));
    }
    return indices;
}

CColumn RandomColumn(std::mt19937& engine) {
    std::uniform_int_distribution<std::int32_t> index(0, kAllColumns - 1);
    return CColumn(index(engine));
}

void FillSet(CColumnSet& set, const std::vector<CColumn>& columns) {
    set.Truncate(0);
    for (const CColumn& column : columns) {
        set.AppendNoGrow(column);
    }
}

std::unique_ptr<CColumnSet> SetOf(const std::vector<CColumn>& columns) {
    auto set = std::make_unique<CColumnSet>();
    FillSet(*set, columns);
    return set;
}

std::vector<CColumn> ColumnsOf(const CColumnSet& set) {
    return {set.begin(), set.end()};
}

std::vector<std::int32_t> IndicesOf(const CColumnSet& set) {
    std::vector<std::int32_t> indices;
    for (const CColumn& column : set) {
        indices.push_back(NaiveIndex(column));
    }
    return indices;
}

std::vector<std::int32_t> ScoresOf(const CColumnSet& set) {
    std::vector<std::int32_t> scores;
    for (const CColumn& column : set) {
        scores.push_back(column.score);
    }
    return scores;
}

std::int32_t MarkedCount(const CColumnSet& set) {
    std::int32_t marked = 0;
    for (const CColumn& column : set) {
        marked += column.marked;
    }
    return marked;
}

std::vector<CColumn> ClusteredBet(std::mt19937& engine, std::size_t count) {
    const CColumn centre = RandomColumn(engine);
    std::uniform_int_distribution<std::int32_t> matches(0, 13);
    std::uniform_int_distribution<std::int32_t> code(0, 2);
    std::uniform_int_distribution<std::int32_t> changes(0, 9);
    std::vector<CColumn> columns;
    while (columns.size() < count) {
        if (!columns.empty() && changes(engine) == 0) {
            columns.push_back(columns[static_cast<std::size_t>(matches(engine)) % columns.size()]);
            continue;
        }
        CColumn column = centre;
        for (std::int32_t k = changes(engine); k > 0; --k) {
            column.results[static_cast<std::size_t>(matches(engine))] =
                static_cast<std::uint8_t>(code(engine));
        }
        columns.push_back(column);
    }
    return columns;
}

std::optional<std::int32_t> NaiveFirstUncovered(const std::vector<CColumn>& bet,
                                                const std::vector<CColumn>& cover,
                                                std::int32_t guarantee) {
    for (std::size_t i = 0; i < bet.size(); ++i) {
        const bool reached = std::any_of(cover.begin(), cover.end(), [&](const CColumn& column) {
            return NaiveHits(bet[i], column) >= guarantee;
        });
        if (!reached) {
            return static_cast<std::int32_t>(i);
        }
    }
    return std::nullopt;
}

std::int32_t SmallestCovering(const std::vector<CColumn>& bet, std::int32_t guarantee) {
    std::vector<CColumn> distinct;
    for (const CColumn& column : bet) {
        if (std::none_of(distinct.begin(), distinct.end(),
                         [&](const CColumn& seen) { return seen.Index() == column.Index(); })) {
            distinct.push_back(column);
        }
    }
    const auto n = static_cast<std::uint32_t>(distinct.size());
    std::int32_t smallest = static_cast<std::int32_t>(n);
    for (std::uint32_t subset = 0; subset < (1U << n); ++subset) {
        const auto size = static_cast<std::int32_t>(std::popcount(subset));
        if (size >= smallest) {
            continue;
        }
        std::vector<CColumn> cover;
        for (std::uint32_t k = 0; k < n; ++k) {
            if ((subset >> k & 1U) != 0) {
                cover.push_back(distinct[k]);
            }
        }
        if (!NaiveFirstUncovered(distinct, cover, guarantee)) {
            smallest = size;
        }
    }
    return smallest;
}

std::vector<CColumn> SmallClusteredBet(std::mt19937& engine, std::int32_t matches,
                                       std::size_t count) {
    std::int32_t all = 1;
    for (std::int32_t m = 0; m < matches; ++m) {
        all *= 3;
    }
    std::vector<std::int32_t> indices(static_cast<std::size_t>(all));
    std::iota(indices.begin(), indices.end(), 0);
    std::shuffle(indices.begin(), indices.end(), engine);
    std::vector<CColumn> columns;
    for (std::size_t k = 0; k < std::min(count, indices.size()); ++k) {
        columns.emplace_back(indices[k]);
    }
    return columns;
}

std::unique_ptr<CColumnSet> ElevenTriplesBet(std::int32_t above, ExampleDoubles doubles) {
    constexpr std::array<std::int32_t, 3 * kMatches> kPercents{
        55, 27, 18, 48, 30, 22, 62, 24, 14, 100, 0,  0,  35, 32, 33, 100, 0, 0, 41, 31, 28,
        70, 20, 10, 30, 33, 37, 45, 30, 25, 38,  34, 28, 58, 26, 16, 100, 0, 0, 44, 30, 26};
    CForecastTable table;
    for (std::size_t m = 0; m < kMatches; ++m) {
        table.rows[m] = {kPercents[3 * m], kPercents[3 * m + 1], kPercents[3 * m + 2]};
    }
    if (doubles == ExampleDoubles::kKept) {
        table.rows[5] = {50, 50, 0};
        table.rows[12] = {0, 40, 60};
    }
    auto bet = std::make_unique<CColumnSet>(kAllColumns);
    bet->GenerateAll(ScoringOf(table));
    bet->Filter(ScoreAbove{above});
    bet->Filter(NoZeroPercent(table));
    return bet;
}
