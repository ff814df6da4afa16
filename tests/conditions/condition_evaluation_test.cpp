#include "conditions/condition_evaluation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <sstream>
#include <stdexcept>

#include "conditions/condition_reader.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// Each condition's measure counted match by match, independently of the
// sign masks.
using NaiveMeasure = std::function<double(const CColumn&)>;

// Matches m (0..13) for which picked(m) holds.
std::int32_t CountMatches(const std::function<bool(std::size_t)>& picked) {
    std::int32_t count = 0;
    for (std::size_t m = 0; m < 14; ++m) {
        count += picked(m) ? 1 : 0;
    }
    return count;
}

std::int32_t CountOf(const CColumn& c, int code) {
    return CountMatches([&](std::size_t m) { return c.results[m] == code; });
}

std::int32_t Interruptions(const CColumn& c) {
    return CountMatches([&](std::size_t m) { return m < 13 && c.results[m] != c.results[m + 1]; });
}

// The longest run of equal signs; of sign `sign` alone when it is 0..2.
std::int32_t LongestRun(const CColumn& c, int sign) {
    std::int32_t longest = 0;
    std::int32_t run = 0;
    for (std::size_t m = 0; m < 14; ++m) {
        if (sign >= 0 && c.results[m] != sign) {
            run = 0;
        } else if (m > 0 && c.results[m] == c.results[m - 1] && run > 0) {
            ++run;
        } else {
            run = 1;
        }
        longest = std::max(longest, run);
    }
    return longest;
}

class ConditionEvaluationTest : public testing::Test {
  protected:
    ConditionEvaluationTest() {
        for (std::size_t m = 0; m < 14; ++m) {
            const auto step = static_cast<std::int32_t>(3 * m);
            inputs.table.rows[m] = {30 + step, 30, 40 - step};
        }
        const Scoring scoring = ScoringOf(inputs.table);
        std::mt19937 engine(5);
        std::uniform_real_distribution<double> euros(0.0, 1.0);
        values.resize(kAllColumns);
        std::generate(values.begin(), values.end(), [&] { return euros(engine); });
        inputs.values = values;
        for (const char* signs : {"11111111111111", "XXXXXXXXXXXXXX", "22222222222222",
                                  "1X21X21X21X21X", "11122XXX1X2221", "2111111111111X"}) {
            columns.push_back(ColumnOf(signs));
        }
        while (columns.size() < 20'000) {
            columns.push_back(RandomColumn(engine));
        }
        for (CColumn& column : columns) {
            column.score = column.ComputeScore(scoring);
        }
        FillSet(set, columns);
    }

    static ConditionFile FileOf(const std::string& text) {
        std::istringstream in(text);
        ConditionFileRead read = ReadConditions(in);
        EXPECT_TRUE(read.Ok()) << ConditionErrorText(read);
        return read.file;
    }

    ConditionInputs inputs;
    std::vector<double> values;
    std::vector<CColumn> columns;
    CColumnSet set;
};

struct MeasureCase {
    std::string line;
    double minimum;
    double maximum;
    NaiveMeasure naive;
};

TEST_F(ConditionEvaluationTest, EachConditionBreaksWhereTheNaiveCountLeavesItsBounds) {
    const CColumn base = ColumnOf("1X1121X21X1X21");
    const std::vector<MeasureCase> cases{
        {"unos 5-9", 5, 9, [](const CColumn& c) { return CountOf(c, 0); }},
        {"equis 3-5", 3, 5, [](const CColumn& c) { return CountOf(c, 1); }},
        {"doses 0-4", 0, 4, [](const CColumn& c) { return CountOf(c, 2); }},
        {"variantes 4-8", 4, 8, [](const CColumn& c) { return 14 - CountOf(c, 0); }},
        {"interrupciones 7-10", 7, 10, [](const CColumn& c) { return Interruptions(c); }},
        {"racha 1-3", 1, 3, [](const CColumn& c) { return LongestRun(c, -1); }},
        {"racha X 0-1", 0, 1, [](const CColumn& c) { return LongestRun(c, 1); }},
        {"racha 2 2-14", 2, 14, [](const CColumn& c) { return LongestRun(c, 2); }},
        {"grupo 1-4,7,9 X2 1-3", 1, 3,
         [](const CColumn& c) {
             return CountMatches(
                 [&](auto m) { return (m < 4 || m == 6 || m == 8) && c.results[m] != 0; });
         }},
        {"grupo 14 1 1-1", 1, 1, [](const CColumn& c) { return c.results[13] == 0 ? 1 : 0; }},
        {"base 1X1121X21X1X21 5-8", 5, 8, [&](const CColumn& c) { return NaiveHits(c, base); }},
        {"puntuacion 40-60", 40, 60, [](const CColumn& c) { return c.score; }},
        {"probabilidad 0,00002-0,0009", 0.00002, 0.0009,
         [&](const CColumn& c) {
             double product = 100.0;
             for (std::size_t m = 0; m < 14; ++m) {
                 product *= inputs.table.rows[m][c.results[m]] / 100.0;
             }
             return product;
         }},
        {"valor 0,2-0.6", 0.2, 0.6,
         [&](const CColumn& c) { return values[static_cast<std::size_t>(NaiveIndex(c))]; }},
    };
    for (const MeasureCase& test : cases) {
        for (const Strictness strictness : {Strictness::kCounted, Strictness::kAlways}) {
            const std::string prefix = strictness == Strictness::kAlways ? "! " : "";
            std::vector<std::int32_t> breaking;
            const auto breaks = CountBreaks(set, FileOf(prefix + test.line), inputs, breaking);
            std::int32_t expected = 0;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const double value = test.naive(columns[i]);
                const bool broke = value < test.minimum || value > test.maximum;
                expected += broke ? 1 : 0;
                const int mark = strictness == Strictness::kAlways ? kAlwaysBroken : 1;
                ASSERT_EQ(breaks[i], broke ? mark : 0)
                    << prefix << test.line << " on " << SignsOf(columns[i]) << ": " << value;
            }
            EXPECT_EQ(breaking, std::vector<std::int32_t>{expected}) << test.line;
            EXPECT_GT(expected, 0) << test.line << " breaks nothing: a weak case";
            EXPECT_LT(expected, set.Count()) << test.line << " breaks all: a weak case";
        }
    }
}

// Counted breaks against 0, some and all allowed failures, beside one
// condition that must always hold.
TEST_F(ConditionEvaluationTest, KeepsColumnsWithinTheAllowedFailures) {
    const std::string counted = "unos 4-7\nequis 2-5\ninterrupciones 8-11\nracha 1-3\n";
    const std::string always = "! doses 0-6\n";
    const std::vector<std::function<bool(const CColumn&)>> breaks{
        [](const CColumn& c) { return CountOf(c, 0) < 4 || CountOf(c, 0) > 7; },
        [](const CColumn& c) { return CountOf(c, 1) < 2 || CountOf(c, 1) > 5; },
        [](const CColumn& c) { return Interruptions(c) < 8 || Interruptions(c) > 11; },
        [](const CColumn& c) { return LongestRun(c, -1) > 3; },
    };
    for (const std::int32_t failures : {0, 1, 4}) {
        const ConditionFile file =
            FileOf(counted + always + "fallos " + std::to_string(failures) + "\n");
        auto copy = SetOf(columns);
        const ConditionTally tally = ApplyConditions(*copy, file, inputs);
        std::vector<CColumn> kept;
        std::int32_t keptBreaking = 0;
        for (const CColumn& column : columns) {
            const auto broken = std::count_if(breaks.begin(), breaks.end(),
                                              [&](const auto& b) { return b(column); });
            if (broken <= failures && CountOf(column, 2) <= 6) {
                kept.push_back(column);
                keptBreaking += broken > 0 ? 1 : 0;
            }
        }
        EXPECT_EQ(IndicesOf(*copy), IndicesOf(*SetOf(kept))) << "fallos " << failures;
        EXPECT_EQ(tally.input, set.Count());
        EXPECT_EQ(tally.removed, set.Count() - static_cast<std::int32_t>(kept.size()));
        EXPECT_EQ(tally.keptBreaking, keptBreaking);
        EXPECT_EQ(tally.breaking.size(), 5U);
    }
}

TEST_F(ConditionEvaluationTest, AValueConditionWithoutValuesIsRefusedBeforeFiltering) {
    inputs.values = {};
    const ConditionFile file = FileOf("unos 0-14\n# el valor\nvalor 0,1-2\n");
    try {
        ApplyConditions(set, file, inputs);
        FAIL() << "a value condition without values was applied";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(
            error.what(),
            "la condición «valor» de la línea 3 necesita el valor esperado de cada columna");
    }
    EXPECT_EQ(set.Count(), static_cast<std::int32_t>(columns.size()));
}

}  // namespace
