#include "text/bounded_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace lumo;

namespace {

// What TakeLine gives for the first line of each text, and what it leaves.
TEST(BoundedLineTest, TakesLinesUpTo1024BytesWithTheirEnd) {
    const std::string longest(kLongestLine, 'a');
    const struct {
        std::string text;
        LineTake take;
        std::string content;
        std::size_t left;
    } cases[] = {
        {longest + "\nb", LineTake::kLine, longest, 1},
        {longest + "\r\nb", LineTake::kLine, longest, 1},
        {longest, LineTake::kLine, longest, 0},
        {"a\rb\n", LineTake::kLine, "a\rb", 0},
        {longest + "a\n", LineTake::kTooLong, "", kLongestLine + 2},
        {longest + "a", LineTake::kTooLong, "", kLongestLine + 1},
        {"", LineTake::kEnd, "", 0},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        ChunkedInput input(in);
        const TakenLine line = TakeLine(input);
        EXPECT_EQ(line.take, c.take) << c.text.size();
        EXPECT_EQ(line.content, c.content) << c.text.size();
        input.Want(ChunkedInput::kMostWanted);
        EXPECT_EQ(input.Ahead().size(), c.left) << c.text.size();
    }
}

TEST(BoundedLineTest, WordsLieBetweenBlanks) {
    using Words = std::vector<std::string_view>;
    EXPECT_EQ(WordsOf(" J 3\t1X2\r\v\f"), (Words{"J", "3", "1X2"}));
    EXPECT_EQ(WordsOf("uno"), (Words{"uno"}));
    EXPECT_EQ(WordsOf(" \t "), Words{});
}

}  // namespace
