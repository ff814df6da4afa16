#include "value/odds_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace lumo;

namespace {

MatchFileRead ReadOdds(const std::string& text) {
    std::istringstream in(text);
    return ReadOddsStrictly(in);
}

// 1/odd over the row's sum: the bookmaker's margin goes, whatever the
// separator, comments and blank lines.
TEST(OddsFileTest, RowsLoseTheMargin) {
    std::string text = "# jornada 12\n\n1,60 3,70 4,90  # favorito\n";
    for (int row = 1; row < 14; ++row) {
        text += "2.00 4 4\n";
    }
    const MatchFileRead read = ReadOdds("\xEF\xBB\xBF" + text);
    ASSERT_TRUE(read.Ok());
    const double sum = 1 / 1.6 + 1 / 3.7 + 1 / 4.9;  // 1.0957...: a margin of 9.6 %
    EXPECT_NEAR(read.table[0][0], (1 / 1.6) / sum, 1e-15);
    EXPECT_NEAR(read.table[0][1], (1 / 3.7) / sum, 1e-15);
    EXPECT_NEAR(read.table[0][2], (1 / 4.9) / sum, 1e-15);
    EXPECT_DOUBLE_EQ(read.table[13][0], 0.5);
    EXPECT_DOUBLE_EQ(read.table[13][1], 0.25);
}

}  // namespace
