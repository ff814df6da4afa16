#include "betfile/strict_bet_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "betfile/bet_file_reading.h"
#include "betfile/bet_writer.h"
#include "fuzz/fuzz_support.h"
#include "tests/betfile/save_test_support.h"
#include "tests/core/endless_text.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

const std::string kOnes = "11111111111111";
const std::string kMixed = "1X21X21X21X21X";

struct StrictCase {
    const char* name;
    std::string text;
    BetFileError error;
    std::int64_t line;
    std::string held;                  // the line's text an error names
    std::vector<std::string> columns;  // read whole: the columns; else none stay
};

void PrintTo(const StrictCase& c, std::ostream* out) {
    *out << c.name;
}

class StrictBetReaderTest : public testing::TestWithParam<StrictCase> {
  protected:
    // Reads through a string stream, and again through a buffer that hands
    // the text out a few bytes at a time: the same answer both ways.
    BetFileRead ReadBoth(const std::string& text, std::vector<std::string>& columns) {
        CColumnSet set;
        set.AppendNoGrow(CColumn(kAllColumns - 1));
        std::istringstream in(text);
        const BetFileRead read = ReadBetStrictly(in, set);
        EXPECT_EQ(SignsOf(set[0]), "22222222222222");
        columns = SignsOf(set, 1);

        for (const std::size_t step : {1, 5, 17}) {
            CColumnSet pieceSet;
            TrickleBuffer pieces(text, step);
            std::istream trickled(&pieces);
            const BetFileRead again = ReadBetStrictly(trickled, pieceSet);
            EXPECT_EQ(again.error, read.error) << "pieces of " << step;
            EXPECT_EQ(again.line, read.line) << "pieces of " << step;
            EXPECT_EQ(again.text, read.text) << "pieces of " << step;
            EXPECT_EQ(SignsOf(pieceSet, 0), columns) << "pieces of " << step;
        }
        return read;
    }
};

TEST_P(StrictBetReaderTest, ReadsWholeBetsAndNamesTheLineOfAnyDamage) {
    const StrictCase& c = GetParam();
    std::vector<std::string> columns;
    const BetFileRead read = ReadBoth(c.text, columns);
    EXPECT_EQ(read.error, c.error);
    EXPECT_EQ(read.line, c.line);
    EXPECT_EQ(read.text, c.held);
    EXPECT_EQ(columns, c.columns);
    if (read.Ok()) {
        EXPECT_EQ(read.announced, static_cast<std::int32_t>(c.columns.size()));
        EXPECT_EQ(read.columns, read.announced);
    }
}

const std::string kTwo = "2\r\n" + kOnes + "\r\n" + kMixed + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, StrictBetReaderTest,
    testing::Values(
        StrictCase{"AsWritten", kTwo, BetFileError::kNone, 0, "", {kOnes, kMixed}},
        StrictCase{"EmptyBet", "0\r\n", BetFileError::kNone, 0, "", {}},
        StrictCase{"LineFeedsAndNoLastLineEnd",
                   "2\n" + kOnes + "\n" + kMixed,
                   BetFileError::kNone,
                   0,
                   "",
                   {kOnes, kMixed}},
        StrictCase{"MixedLineEndsAndLowerCaseX",
                   "2\r\n" + kOnes + "\n1x21x21x21x21x\r\n",
                   BetFileError::kNone,
                   0,
                   "",
                   {kOnes, kMixed}},
        StrictCase{"ByteOrderMark",
                   "\xEF\xBB\xBF"
                   "1\r\n" +
                       kMixed + "\r\n",
                   BetFileError::kNone,
                   0,
                   "",
                   {kMixed}},
        StrictCase{"LeadingZeros",
                   "002\r\n" + kOnes + "\r\n" + kOnes + "\r\n",
                   BetFileError::kNone,
                   0,
                   "",
                   {kOnes, kOnes}},
        StrictCase{"Empty", "", BetFileError::kCountMissing, 1, "", {}},
        StrictCase{"CountWithASign",
                   "+2\r\n" + kOnes + "\r\n" + kOnes + "\r\n",
                   BetFileError::kCountMissing,
                   1,
                   "+2",
                   {}},
        StrictCase{"NegativeCount", "-1\r\n", BetFileError::kCountMissing, 1, "-1", {}},
        StrictCase{
            "CountWithBlanks", " 1\r\n" + kOnes + "\r\n", BetFileError::kCountMissing, 1, " 1", {}},
        StrictCase{"ColumnForCount",
                   kMixed + "\r\n" + kOnes + "\r\n",
                   BetFileError::kColumnForCount,
                   1,
                   kMixed,
                   {}},
        StrictCase{"DigitColumnForCount",
                   kOnes + "\n" + kMixed + "\n",
                   BetFileError::kColumnForCount,
                   1,
                   kOnes,
                   {}},

        StrictCase{"ByteOrderMarkTwice",
                   "\xEF\xBB\xBF\xEF\xBB\xBF"
                   "0\r\n",
                   BetFileError::kCountMissing,
                   1,
                   "\xEF\xBB\xBF"
                   "0",
                   {}},
        StrictCase{"InterruptedSave",
                   "#\r\n" + kOnes + "\r\n",
                   BetFileError::kInterruptedSave,
                   1,
                   "#",
                   {}},
        StrictCase{"InterruptedLargeSave",
                   "#######\r\n" + kOnes + "\r\n" + kMixed,
                   BetFileError::kInterruptedSave,
                   1,
                   "#######",
                   {}},
        StrictCase{"CountBeyond32Bits",
                   "2147483648\r\n",
                   BetFileError::kCountOutOfRange,
                   1,
                   "2147483648",
                   {}},
        StrictCase{"CountOfTwentyOneDigits",
                   std::string(21, '0') + "\r\n",
                   BetFileError::kCountOutOfRange,
                   1,
                   std::string(21, '0'),
                   {}},
        StrictCase{"ShortColumn",
                   "2\r\n" + kOnes + "\r\n11X2\r\n",
                   BetFileError::kNotAColumn,
                   3,
                   "11X2",
                   {}},
        StrictCase{
            "LongColumn", "1\r\n" + kOnes + "1\r\n", BetFileError::kNotAColumn, 2, kOnes + "1", {}},
        StrictCase{"ZeroForASign",
                   "1\r\n0111111111111X\r\n",
                   BetFileError::kNotAColumn,
                   2,
                   "0111111111111X",
                   {}},
        StrictCase{"BlanksBetweenSigns",
                   "1\r\n1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n",
                   BetFileError::kNotAColumn,
                   2,
                   "1 1 1 1 1 1 1 1 1 1 1 1 1 1",
                   {}},
        StrictCase{"TwoColumnsOnALine",
                   "2\r\n" + kOnes + kMixed + "\r\n",
                   BetFileError::kNotAColumn,
                   2,
                   kOnes + kMixed,
                   {}},
        StrictCase{"BlankLineBetween",
                   "2\r\n" + kOnes + "\r\n\r\n" + kMixed + "\r\n",
                   BetFileError::kNotAColumn,
                   3,
                   "",
                   {}},
        StrictCase{"LoneCarriageReturnAtTheEnd",
                   "1\r\n" + kOnes + "\r",
                   BetFileError::kNotAColumn,
                   2,
                   kOnes + "\r",
                   {}},
        StrictCase{"CutInAColumn",
                   "3\r\n" + kOnes + "\r\n" + kMixed + "\r\n1X2",
                   BetFileError::kNotAColumn,
                   4,
                   "1X2",
                   {}},
        StrictCase{"CutAfterALine",
                   "3\r\n" + kOnes + "\r\n" + kMixed + "\r\n",
                   BetFileError::kTooFewColumns,
                   3,
                   "",
                   {}},
        StrictCase{"CountAlone", "5\r\n", BetFileError::kTooFewColumns, 1, "", {}},
        StrictCase{"TwoFilesOneAfterTheOther",
                   kTwo + "1\r\n" + kMixed + "\r\n",
                   BetFileError::kTooManyLines,
                   4,
                   "1",
                   {}},
        StrictCase{"MoreColumnsThanAnnounced",
                   "1\r\n" + kOnes + "\r\n" + kMixed + "\r\n",
                   BetFileError::kTooManyLines,
                   3,
                   kMixed,
                   {}},
        StrictCase{"BlankLinesAtTheEnd",
                   kTwo + "\r\n \t\r\n\n" + std::string(100, ' '),
                   BetFileError::kNone,
                   0,
                   "",
                   {kOnes, kMixed}},
        StrictCase{"TextAfterBlankLines",
                   kTwo + "\r\n  \r\n fin\r\n",
                   BetFileError::kTooManyLines,
                   6,
                   " fin",
                   {}},
        StrictCase{"TextAfterALongBlankLine",
                   kTwo + std::string(70, ' ') + "fin",
                   BetFileError::kTooManyLines,
                   4,
                   "      fin",
                   {}},
        StrictCase{
            "TextAfterAnEmptyBet", "0\r\nfin\r\n", BetFileError::kTooManyLines, 2, "fin", {}}));

// Thousands of canonical lines read in bulk across chunk boundaries, with a
// fault far into the file: its line is named and nothing stays.
TEST(StrictBetReaderLargeTest, FaultFarIntoALargeFileIsFoundAtItsLine) {
    const auto bet = LargeBet(200'000, 0, 13);
    const std::string text = TextOf(*bet);
    std::vector<std::string> expected;
    for (const CColumn& column : *bet) {
        expected.push_back(SignsOf(column));
    }
    CColumnSet whole;
    std::istringstream in(text);
    ASSERT_TRUE(ReadBetStrictly(in, whole).Ok());
    EXPECT_EQ(SignsOf(whole, 0), expected);

    for (const std::int64_t damaged : {2, 70'001, 200'001}) {
        std::string broken = text;
        const std::size_t countLine = std::string("200000\r\n").size();
        broken[countLine + static_cast<std::size_t>(damaged - 2) * 16 + 7] = '3';
        CColumnSet set;
        std::istringstream damagedIn(broken);
        const BetFileRead read = ReadBetStrictly(damagedIn, set);
        EXPECT_EQ(read.error, BetFileError::kNotAColumn);
        EXPECT_EQ(read.line, damaged);
        EXPECT_EQ(read.columns, damaged - 2);
        EXPECT_EQ(set.Count(), 0);
    }
}

// A read error is an error at its line, never the end of the file.
TEST(StrictBetReaderStreamTest, ReadErrorIsAnErrorAtItsLine) {
    const std::string text = kTwo;
    for (const std::size_t good :
         {std::size_t{0}, std::size_t{1}, std::size_t{5}, std::size_t{20}, text.size() - 1}) {
        BrokenBuffer broken(text, good);
        std::istream in(&broken);
        CColumnSet set;
        const BetFileRead read = ReadBetStrictly(in, set);
        EXPECT_EQ(read.error, BetFileError::kReadFailed) << good;
        EXPECT_EQ(read.systemError, EIO) << good;
        EXPECT_GE(read.line, 1) << good;
        EXPECT_EQ(set.Count(), 0) << good;
    }
}

// Endless blanks after the last column, lines or one line of them, are
// refused after a bounded read.
TEST(StrictBetReaderStreamTest, EndlessBlanksAfterTheLastColumnAreRefused) {
    for (const char blank : {'\n', ' '}) {
        EndlessText endless("1\n11111111111111\n", blank);
        std::istream in(&endless);
        CColumnSet set;
        EXPECT_EQ(ReadBetStrictly(in, set).error, BetFileError::kTooManyLines) << int{blank};
        EXPECT_EQ(set.Count(), 0);
        EXPECT_LE(endless.Given(), 2U * 1024 * 1024);
    }
}

TEST(StrictBetReaderFileTest, FilesThatCannotBeReadAndFilesThatCan) {
    const ScratchFolder folder("strict-bet-reader");
    const std::filesystem::path path = folder.Path() / "apuesta.txt";
    CColumnSet set;
    EXPECT_EQ(ReadBetStrictly(path, set).error, BetFileError::kUnreadable);
    EXPECT_EQ(ReadBetStrictly(path, set).systemError, ENOENT);
    EXPECT_EQ(ReadBetStrictly(folder.Path(), set).systemError, EISDIR);

    const auto bet = LargeBet(3'000, 0, 1);
    ASSERT_TRUE(WriteBet(path, *bet).Saved());
    const BetFileRead read = ReadBetStrictly(path, set);
    EXPECT_TRUE(read.Ok());
    EXPECT_EQ(set.Count(), 3'000);
    EXPECT_EQ(set.Capacity(), 3'000);  // reserved once, for the file's columns
}

// The grammar the user chose: strict names the damage, lenient reads as the
// window does and says what it added.
TEST(BetFileReadingTest, StrictOrLenientAsChosen) {
    const std::string cut = "3\r\n" + kOnes + "\r\n" + kMixed + "\r\n";
    const struct {
        std::string text;
        BetGrammar grammar;
        const char* says;
        std::int32_t columns;
    } cases[] = {
        {kTwo, BetGrammar::kStrict, "", 2},
        {kTwo, BetGrammar::kLenient, "", 2},
        {cut, BetGrammar::kStrict, "termina en la línea 3", 0},
        {cut, BetGrammar::kLenient, "Se han añadido 2 columnas.", 2},
        {kTwo + "basura", BetGrammar::kStrict, "la línea 4 tiene «basura»", 0},
        {kTwo + "basura", BetGrammar::kLenient, "", 2},
    };
    for (const auto& c : cases) {
        CColumnSet set;
        std::istringstream in(c.text);
        const std::string message = ReadBetFile(in, set, c.grammar, "a.txt");
        EXPECT_EQ(message.empty(), std::string(c.says).empty()) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        EXPECT_EQ(set.Count(), c.columns) << message;
    }
}

}  // namespace
