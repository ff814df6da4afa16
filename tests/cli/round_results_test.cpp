#include "cli/round_results.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/argument_parsing.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// The rounds file of the text, in the temporary folder.
std::filesystem::path RoundsFile(const std::string& text) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("r-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(RoundResultsTest, ReadsNamesAndResultsSkippingBlankAndCommentLines) {
    const std::filesystem::path path =
        RoundsFile("# temporada\nJornada 3  1x21X21X21X21X\r\n\n  J4 22222222222222\n");
    const std::vector<RoundResult> rounds = ReadRoundResults(path);
    std::filesystem::remove(path);
    ASSERT_EQ(rounds.size(), 2U);
    EXPECT_EQ(rounds[0].name, "Jornada 3");
    EXPECT_EQ(SignsOf(rounds[0].result), "1X21X21X21X21X");
    EXPECT_EQ(rounds[1].name, "J4");
}

TEST(RoundResultsTest, NamesTheLineItCannotUse) {
    for (const std::string text : {"J1 11111111111111\nJ2 1111\n", "J1 11111111111111\nJ2\n",
                                   "J1 11111111111111\nJ2 111111111111110\n"}) {
        const std::filesystem::path path = RoundsFile(text);
        try {
            ReadRoundResults(path);
            ADD_FAILURE() << text;
        } catch (const CommandError& error) {
            EXPECT_NE(std::string(error.what()).find(path.filename().string() + "», línea 2"),
                      std::string::npos)
                << error.what();
        }
        std::filesystem::remove(path);
    }
}

}  // namespace
