#include "betfile/canonical_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

const std::string kMixed = "1X21X21X21X21X";
const std::string kTwos = "22222222222222";
// Keeps the 16-byte window of the last line inside the text.
const std::string kTail = "..";

struct RunCase {
    const char* name;
    std::string text;
    std::int32_t due;
    std::int32_t freeSlots;
    std::vector<std::string> columns;
    std::size_t used;
};

TEST(CanonicalLinesTest, ReadsCanonicalLinesUpToTheFirstOtherOne) {
    const RunCase cases[] = {
        {"both line ends",
         kMixed + "\r\n" + kTwos + "\n" + kMixed + " \r\n" + kTail,
         9,
         9,
         {kMixed, kTwos},
         31},
        {"the last due column keeps its line end",
         kMixed + "\r\n" + kTwos + "\r\n" + kTail,
         2,
         9,
         {kMixed, kTwos},
         30},
        {"no more than the free slots", kMixed + "\n" + kTwos + "\n" + kTail, 9, 1, {kMixed}, 15},
        {"fewer than 16 bytes left", kMixed + "\n", 9, 9, {}, 0},
        {"CR without LF", kMixed + "\r" + kTwos + "\r\n" + kTail, 9, 9, {}, 0},
        {"lower-case x", "1x21X21X21X21X\r\n" + kTail, 9, 9, {}, 0},
        {"fifteen signs", kMixed + "1\r\n" + kTail, 9, 9, {}, 0},
        {"leading white space", "\n" + kMixed + "\r\n" + kTail, 9, 9, {}, 0},
    };
    for (const RunCase& c : cases) {
        CColumnSet set(1 + c.freeSlots);
        set.AppendNoGrow(CColumn(7));
        const CanonicalRun run = ReadCanonicalLines(c.text, c.due, set);
        EXPECT_EQ(run.columns, static_cast<std::int32_t>(c.columns.size())) << c.name;
        EXPECT_EQ(run.used, c.used) << c.name;
        ASSERT_EQ(set.Count(), 1 + run.columns) << c.name;
        EXPECT_EQ(set[0].Index(), 7) << c.name;
        for (std::int32_t i = 0; i < run.columns; ++i) {
            EXPECT_EQ(SignsOf(set[1 + i]), c.columns[static_cast<std::size_t>(i)]) << c.name;
            EXPECT_EQ(set[1 + i].score, 0) << c.name;
            EXPECT_EQ(set[1 + i].marked, 0) << c.name;
        }
        EXPECT_EQ(set.Capacity(), 1 + c.freeSlots) << c.name;
    }
}

}  // namespace
