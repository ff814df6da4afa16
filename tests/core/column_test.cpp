#include "core/column.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <sstream>
#include <string>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(ColumnTest, DefaultColumnIsAllHomeWinsUnscoredUnmarked) {
    const CColumn column;
    EXPECT_EQ(SignsOf(column), "11111111111111");
    EXPECT_EQ(column.score, 0);
    EXPECT_EQ(column.marked, 0);
}

TEST(ColumnTest, IndexDecodesMatchOneAsLeastSignificantDigit) {
    EXPECT_EQ(SignsOf(CColumn(0)), "11111111111111");
    EXPECT_EQ(SignsOf(CColumn(1)), "X1111111111111");
    EXPECT_EQ(SignsOf(CColumn(2)), "21111111111111");
    EXPECT_EQ(SignsOf(CColumn(3)), "1X111111111111");
    EXPECT_EQ(SignsOf(CColumn(1'594'323)), "1111111111111X");
    EXPECT_EQ(SignsOf(CColumn(kAllColumns - 1)), "22222222222222");
}

TEST(ColumnTest, SetFromIndexClearsScoreAndMark) {
    CColumn column;
    column.score = 77;
    column.marked = 1;
    column.SetFromIndex(12345);
    EXPECT_EQ(column.score, 0);
    EXPECT_EQ(column.marked, 0);
}

TEST(ColumnTest, EveryIndexRoundTrips) {
    CColumn column;
    for (std::int32_t index = 0; index < kAllColumns; ++index) {
        column.SetFromIndex(index);
        if (NaiveIndex(column) != index || column.Index() != index) {
            FAIL() << "index " << index << " decodes to " << SignsOf(column) << ", read back as "
                   << column.Index();
        }
    }
}

TEST(ColumnTest, ParseTextMapsEveryCharacter) {
    struct Case {
        std::string text;
        std::string signs;
    };
    const Case cases[] = {
        {"1x2X          ", "1X2X1111111111"},
        {"12X", "12X11111111111"},  // shorter text: 1 from its end on
        {"", "11111111111111"},
        {"X2", "X2111111111111"},
        {"22222222222222XXXX", "22222222222222"},  // past the 14th: ignored
        {"0a3Z?-+ \t\n9b2x", "1111111111112X"},    // nothing skipped, blanks are 1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SignsOf(ColumnOf(c.text)), c.signs) << "text '" << c.text << "'";
    }
}

TEST(ColumnTest, ParseTextClearsScoreAndMark) {
    CColumn column;
    column.score = 5;
    column.marked = 1;
    column.ParseText("X");
    EXPECT_EQ(column.score, 0);
    EXPECT_EQ(column.marked, 0);
}

TEST(ColumnTest, ReadTextSkipsWhiteSpaceAndMapsOtherCharactersToTwo) {
    std::istringstream in("1 X\n2\t1\r\n1x\v1\f1 1a1 1 1 1 X");
    CColumn column;
    column.score = 9;
    column.marked = 1;
    column.ReadText(in);
    EXPECT_TRUE(in);
    // Lower-case x and any other letter read as 2 (where ParseText reads x as X).
    EXPECT_EQ(SignsOf(column), "1X211211121111");
    EXPECT_EQ(column.score, 0);
    EXPECT_EQ(column.marked, 0);
}

TEST(ColumnTest, ReadTextChainsAndReportsTheEndOfInput) {
    std::istringstream in("XXXXXXXXXXXXXX 22222222222222\n1111111");
    CColumn first;
    CColumn second;
    std::istream& rest = first.ReadText(in);
    EXPECT_EQ(&rest, &in);
    second.ReadText(rest);
    EXPECT_EQ(SignsOf(first), "XXXXXXXXXXXXXX");
    EXPECT_EQ(SignsOf(second), "22222222222222");

    CColumn third = ColumnOf("XXXXXXXXXXXXXX");
    third.ReadText(in);
    EXPECT_FALSE(in);
    // Seven signs were read; the positions not reached keep their codes.
    EXPECT_EQ(SignsOf(third), "1111111XXXXXXX");
}

TEST(ColumnTest, WriteTextWritesFourteenSignsAndNothingElse) {
    std::ostringstream out;
    ColumnOf("1X2").WriteText(out) << '|';
    EXPECT_EQ(out.str(), "1X211111111111|");
}

TEST(ColumnTest, SignOfWritesEachCodeAndAnyLargerCodeAsTwo) {
    EXPECT_EQ(SignOf(kHomeWin), '1');
    EXPECT_EQ(SignOf(kDraw), 'X');
    EXPECT_EQ(SignOf(kAwayWin), '2');
    EXPECT_EQ(SignOf(3), '2');
    EXPECT_EQ(SignOf(255), '2');
}

TEST(ColumnTest, CountsMatchAMatchByMatchCount) {
    EXPECT_EQ(ColumnOf("XXXXXXXXXXXXX2").CountVariants(), 14);
    EXPECT_EQ(ColumnOf("XXXXXXXXXXXXX2").CountDoses(), 1);
    EXPECT_EQ(ColumnOf("11111111111111").CountVariants(), 0);
    EXPECT_EQ(ColumnOf("22222222222222").CountDoses(), 14);

    std::mt19937 engine(7);
    for (int round = 0; round < 20'000; ++round) {
        const CColumn a = RandomColumn(engine);
        const CColumn b = RandomColumn(engine);
        std::int32_t variants = 0;
        std::int32_t doses = 0;
        for (const auto result : a.results) {
            variants += result != 0 ? 1 : 0;
            doses += result == 2 ? 1 : 0;
        }
        ASSERT_EQ(a.CountVariants(), variants) << SignsOf(a);
        ASSERT_EQ(a.CountDoses(), doses) << SignsOf(a);
        ASSERT_EQ(a.Hits(b), NaiveHits(a, b)) << SignsOf(a) << " " << SignsOf(b);
        ASSERT_EQ(b.Hits(a), a.Hits(b));
    }
}

TEST(ColumnTest, HitsCountsEqualMatchesInEveryPosition) {
    const CColumn all1 = ColumnOf("11111111111111");
    EXPECT_EQ(all1.Hits(all1), 14);
    EXPECT_EQ(all1.Hits(ColumnOf("22222222222222")), 0);
    EXPECT_EQ(ColumnOf("XXXXXXXXXXXXXX").Hits(ColumnOf("22222222222222")), 0);
    // One difference in each position in turn, the overlapping bytes included.
    for (std::size_t m = 0; m < 14; ++m) {
        for (const std::uint8_t code : {1, 2}) {
            CColumn other = all1;
            other.results[m] = code;
            EXPECT_EQ(all1.Hits(other), 13) << "match " << m + 1;
        }
    }
    // Score and mark do not count.
    CColumn scored = all1;
    scored.score = 99;
    scored.marked = 1;
    EXPECT_EQ(all1.Hits(scored), 14);
}

TEST(ColumnTest, ProbabilityMultipliesChosenValuesAsFractions) {
    CForecastTable table = TableOf({50, 50, 50});
    EXPECT_EQ(ColumnOf("1X21X21X21X21X").Probability(table), 0.00006103515625);

    table.rows[6][1] = 0;
    EXPECT_EQ(ColumnOf("111111X1111111").Probability(table), 0.0);
    EXPECT_GT(ColumnOf("11111121111111").Probability(table), 0.0);

    table = TableOf({100, 100, 100});
    EXPECT_EQ(ColumnOf("11111111111111").Probability(table), 1.0);
    table.rows[0][0] = 150;
    EXPECT_GT(ColumnOf("11111111111111").Probability(table), 1.0);
}

TEST(ColumnTest, ResultForDrawFollowsTheScaledDraw) {
    struct Case {
        std::int32_t draw, p1, pX;
        std::uint8_t result;
    };
    const Case cases[] = {
        {32767, 100, 0, kAwayWin},  // v = 100: the only draw past p1 = 100
        {32766, 100, 0, kHomeWin},  // v = 99
        {0, 100, 0, kHomeWin},
        {0, 0, 0, kAwayWin},  // p1 = pX = 0: always 2, whatever p2 says
        {32767, 0, 0, kAwayWin},
        {16383, 0, 0, kAwayWin},
        {13106, 40, 33, kHomeWin},  // v = 39
        {13107, 40, 33, kDraw},     // v = 40
        {23919, 40, 33, kDraw},     // v = 72
        {23920, 40, 33, kAwayWin},  // v = 73
        {100, INT32_MAX, INT32_MAX, kHomeWin},
        {32767, -5, INT32_MAX, kDraw},  // p1 + pX without overflow
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResultForDraw(c.draw, c.p1, c.pX), c.result)
            << "draw " << c.draw << " p1 " << c.p1 << " pX " << c.pX;
    }
}

TEST(ColumnTest, RandomizeDrawsByEachMatchsPercentagesAndKeepsTheMark) {
    CForecastTable table = TableOf({0, 0, 100});
    table.rows[0] = {0, 0, 0};
    CColumn column;
    column.score = 42;
    column.marked = 1;
    column.Randomize(table);
    EXPECT_EQ(SignsOf(column), "22222222222222");
    EXPECT_EQ(column.score, 0);
    EXPECT_EQ(column.marked, 1);

    // 50, 30, 20 in every match: the shares of the drawn results follow.
    table = TableOf({50, 30, 20});
    std::array<std::int32_t, 3> seen{};
    for (int round = 0; round < 5'000; ++round) {
        column.Randomize(table);
        for (const auto result : column.results) {
            ++seen[result];
        }
    }
    const double draws = 5'000.0 * 14;
    EXPECT_NEAR(seen[0] / draws, 0.50, 0.01);
    EXPECT_NEAR(seen[1] / draws, 0.30, 0.01);
    EXPECT_NEAR(seen[2] / draws, 0.20, 0.01);
}

}  // namespace
