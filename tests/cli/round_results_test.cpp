#include "cli/round_results.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"
#include "tests/core/test_support.h"

namespace {

TEST(RoundResultsTest, ReadsNamesAndResultsSkippingBlankAndCommentLines) {
    std::istringstream in("# temporada\nJornada 3  1x21X21X21X21X\r\n\n  J4 22222222222222\n");
    const std::vector<RoundResult> rounds = ReadRoundResults(in, "r.txt");
    ASSERT_EQ(rounds.size(), 2U);
    EXPECT_EQ(rounds[0].name, "Jornada 3");
    EXPECT_EQ(SignsOf(rounds[0].result), "1X21X21X21X21X");
    EXPECT_EQ(rounds[1].name, "J4");
}

TEST(RoundResultsTest, NamesTheLineItCannotUse) {
    for (const std::string text : {"J1 11111111111111\nJ2 1111\n", "J1 11111111111111\nJ2\n",
                                   "J1 11111111111111\nJ2 111111111111110\n"}) {
        std::istringstream in(text);
        try {
            ReadRoundResults(in, "r.txt");
            ADD_FAILURE() << text;
        } catch (const CommandError& error) {
            EXPECT_NE(std::string(error.what()).find("«r.txt», línea 2"), std::string::npos)
                << error.what();
        }
    }
}

}  // namespace
