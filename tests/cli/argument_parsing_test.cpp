#include "cli/argument_parsing.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace {

constexpr std::array kRules{OptionRule{"-o", OptionValue::kRequired},
                            OptionRule{"--no-zero", OptionValue::kNone}};

TEST(CommandLineTest, SplitsPositionalsOptionsAndFlags) {
    const std::vector<std::string> words{"in.txt", "-o=out.txt", "--no-zero", "-"};
    const CommandLine line = ParseCommandLine(words, kRules);
    EXPECT_EQ(line.positionals, (std::vector<std::string>{"in.txt", "-"}));
    EXPECT_EQ(line.Value("-o"), "out.txt");
    EXPECT_TRUE(line.Has("--no-zero"));
    EXPECT_FALSE(line.Has("--above"));
}

TEST(CommandLineTest, RejectsWhatItCannotUse) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"--nope"},
                                               {"-o"},
                                               {"--no-zero=1"},
                                               {"-o", "a", "-o=b"},
                                               {"--no-zero", "--no-zero"}}) {
        EXPECT_THROW(ParseCommandLine(words, kRules), CommandError) << words.front();
    }
}

TEST(CommandLineTest, NumbersAreWholeAndInRange) {
    EXPECT_EQ(ParseInteger("--above", "60"), 60);
    EXPECT_EQ(ParseInteger("--above", "+7"), 7);
    EXPECT_EQ(ParseInteger("--above", "-3"), -3);
    EXPECT_EQ(ParseInteger("--above", "2147483647"), std::numeric_limits<std::int32_t>::max());
    for (const std::string_view bad : {"", "+", "6O", " 6", "2147483648", "1.5"}) {
        EXPECT_THROW(ParseInteger("--above", bad), CommandError) << bad;
    }
    EXPECT_EQ(ParseIntegerIn("-g", "10", 10, 14), 10);
    EXPECT_THROW(ParseIntegerIn("-g", "15", 10, 14), CommandError);
    const IntegerRange range = ParseRange("--twos", "0:5");
    EXPECT_EQ(range.minimum, 0);
    EXPECT_EQ(range.maximum, 5);
    for (const std::string_view bad : {"5", "6:2", "0:15", "a:3"}) {
        EXPECT_THROW(ParseRange("--twos", bad), CommandError) << bad;
    }
}

}  // namespace
