#include "betfile/bet_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    BetReadEnd end;
    std::int32_t announced;
    std::vector<std::string> columns;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadBetTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadBetTest, AppendsTheCompleteColumnsAfterThoseHeld) {
    CColumnSet set;
    set.AppendNoGrow(CColumn(kAllColumns - 1));
    set.maxVariants = 9;
    set.covered = 5;
    std::istringstream in(GetParam().text);
    const BetReadResult result = ReadBet(in, set);
    EXPECT_EQ(result.end, GetParam().end);
    EXPECT_EQ(result.announced, GetParam().announced);
    EXPECT_EQ(result.added, static_cast<std::int32_t>(GetParam().columns.size()));
    EXPECT_EQ(SignsOf(set[0]), "22222222222222");
    EXPECT_EQ(SignsOf(set, 1), GetParam().columns);
    for (const CColumn& column : set) {
        EXPECT_EQ(column.score, 0);
        EXPECT_EQ(column.marked, 0);
    }
    EXPECT_EQ(set.maxVariants, 9);
    EXPECT_EQ(set.covered, 5);
}

const std::string kOnes = "11111111111111";
const std::string kMixed = "1X21X21X21X21X";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadBetTest,
    testing::Values(
        ReadCase{"AsWritten",
                 "2\r\n" + kOnes + "\r\n" + kMixed + "\r\n",
                 BetReadEnd::kComplete,
                 2,
                 {kOnes, kMixed}},
        ReadCase{"EmptyBet", "0\r\n", BetReadEnd::kComplete, 0, {}},
        ReadCase{"FewerAnnouncedThanPresent",
                 "1\r\n" + kOnes + "\r\n" + kMixed,
                 BetReadEnd::kComplete,
                 1,
                 {kOnes}},
        ReadCase{"LowerCaseXAndZeroAreAwayWins",
                 "1\nxX0x1111111111",
                 BetReadEnd::kComplete,
                 1,
                 {"2X221111111111"}},
        ReadCase{"OneResultPerLine",
                 "+1\n1\nX\n2\n1\nX\n2\n1\nX\n2\n1\nX\n2\n1\nX\n",
                 BetReadEnd::kComplete,
                 1,
                 {kMixed}},
        ReadCase{"SeveralPerLineCrOnly",
                 "2\r" + kMixed + kOnes + "\r",
                 BetReadEnd::kComplete,
                 2,
                 {kMixed, kOnes}},
        ReadCase{"TabsAndBlanksBetween",
                 "1\t1 X\t2 1\vX\f2 1X2 1X2 1X",
                 BetReadEnd::kComplete,
                 1,
                 {kMixed}},
        ReadCase{"NulAndHighBytes",
                 std::string("1 1\0\xFF"
                             "X11111111111",
                             16),
                 BetReadEnd::kComplete,
                 1,
                 {"122X1111111111"}},
        ReadCase{"ClipboardTextWithCountLine",
                 "1\n1\tX\t2\t1\tX\t2\t1\tX\t2\t1\tX\t2\t1\tX\t\n",
                 BetReadEnd::kComplete,
                 1,
                 {kMixed}},
        ReadCase{"Empty", "", BetReadEnd::kCountMissing, 0, {}},
        ReadCase{"OnlyWhiteSpace", " \r\n\t", BetReadEnd::kCountMissing, 0, {}},
        ReadCase{"LoneSign", "-", BetReadEnd::kCountMissing, 0, {}},
        ReadCase{"SignThenLine", "+\r\n" + kOnes, BetReadEnd::kCountMissing, 0, {}},
        ReadCase{"NoCountLine", "X" + kOnes, BetReadEnd::kCountMissing, 0, {}},
        ReadCase{"ByteOrderMark",
                 "\xEF\xBB\xBF"
                 "1\r\n" +
                     kOnes,
                 BetReadEnd::kCountMissing,
                 0,
                 {}},
        ReadCase{
            "NegativeCount", "-3\r\n" + kOnes + kOnes + kOnes, BetReadEnd::kCountNegative, -3, {}},
        ReadCase{"CountBeyondThirtyTwoBits",
                 "2147483648\r\n" + kOnes,
                 BetReadEnd::kCountOutOfRange,
                 0,
                 {}},
        ReadCase{
            "CountFarBelow", "-99999999999999999999999\r\n", BetReadEnd::kCountOutOfRange, 0, {}},
        ReadCase{"CountMissingItsColumns",
                 "3\r\n" + kOnes + "\r\n" + kMixed + "\r\n",
                 BetReadEnd::kTruncated,
                 3,
                 {kOnes, kMixed}},
        ReadCase{
            "HalfAColumn", "2\r\n" + kMixed + "\r\n1X21X2", BetReadEnd::kTruncated, 2, {kMixed}},
        ReadCase{"CountOnlyAtEnd", "5", BetReadEnd::kTruncated, 5, {}},
        ReadCase{"HugeCountThreeColumns",
                 "2000000000\r\n" + kOnes + kMixed + kOnes,
                 BetReadEnd::kTruncated,
                 2'000'000'000,
                 {kOnes, kMixed, kOnes}},
        ReadCase{
            "LargestCount", "2147483647 " + kOnes, BetReadEnd::kTruncated, INT32_MAX, {kOnes}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadBetTest, HugeCountAllocatesOnlyForTheColumnsPresent) {
    CColumnSet set;
    std::istringstream in("2000000000\r\n" + kOnes + kOnes + kOnes);
    EXPECT_EQ(ReadBet(in, set).added, 3);
    EXPECT_LE(set.Capacity(), 64);
}

TEST(ReadBetTest, ReadingTheSameTextTwiceDoublesTheBet) {
    const std::string text = "2\r\n" + kOnes + "\r\n" + kMixed + "\r\n";
    CColumnSet set;
    for (int i = 0; i < 2; ++i) {
        std::istringstream in(text);
        EXPECT_EQ(ReadBet(in, set).end, BetReadEnd::kComplete);
    }
    EXPECT_EQ(SignsOf(set), (std::vector<std::string>{kOnes, kMixed, kOnes, kMixed}));
}

TEST(ReadBetTest, ReadErrorKeepsTheColumnsReadBefore) {
    const std::string text = "3\n" + kOnes + kMixed + kOnes;
    BrokenBuffer broken(text, 2 + 14 + 14 + 5);
    std::istream in(&broken);
    CColumnSet set;
    const BetReadResult result = ReadBet(in, set);
    EXPECT_EQ(result.end, BetReadEnd::kUnreadable);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.systemError, EIO);
    EXPECT_TRUE(in.bad());
    EXPECT_EQ(SignsOf(set), (std::vector<std::string>{kOnes, kMixed}));
}

TEST(ReadBetTest, FailedStreamIsUnreadable) {
    std::ifstream missing("/nonexistent/apuesta.txt");
    CColumnSet set;
    EXPECT_EQ(ReadBet(missing, set).end, BetReadEnd::kUnreadable);
    EXPECT_EQ(set.Count(), 0);
}

TEST(ReadBetTest, PathsThatAreNoReadableFile) {
    const auto folder = std::filesystem::temp_directory_path();
    const struct {
        std::filesystem::path path;
        int error;
    } cases[] = {{folder, EISDIR},
                 {folder / "lumo-no-such-folder" / "apuesta.txt", ENOENT},
                 {folder / "lumo-no-such-file.txt", ENOENT}};
    for (const auto& [path, error] : cases) {
        CColumnSet set;
        const BetReadResult result = ReadBet(path, set);
        EXPECT_EQ(result.end, BetReadEnd::kUnreadable) << path;
        EXPECT_EQ(result.systemError, error) << path;
        EXPECT_EQ(set.Count(), 0);
    }
}

// A generated bet file of `columns` columns (at most kAllColumns), column i
// being CColumn(i), produced line by line as it is read: the test never
// holds the text, and records the largest piece the reader asks for.
class GeneratedBetBuffer : public std::streambuf {
  public:
    explicit GeneratedBetBuffer(std::int32_t columns) : columns(columns) {
        header = std::to_string(columns) + "\r\n";
        std::copy(header.begin(), header.end(), line);
        setg(line, line, line + header.size());
    }
    std::streamsize LargestRequest() const { return largestRequest; }

  protected:
    int_type underflow() override {
        if (gptr() < egptr()) {
            return traits_type::to_int_type(*gptr());
        }
        if (next == columns) {
            return traits_type::eof();
        }
        const std::string text = SignsOf(CColumn(next++)) + "\r\n";
        std::copy(text.begin(), text.end(), line);
        setg(line, line, line + text.size());
        return traits_type::to_int_type(*gptr());
    }
    std::streamsize xsgetn(char* destination, std::streamsize count) override {
        largestRequest = std::max(largestRequest, count);
        return std::streambuf::xsgetn(destination, count);
    }

  private:
    std::int32_t columns;
    std::int32_t next = 0;
    std::string header;
    char line[32];
    std::streamsize largestRequest = 0;
};

TEST(ReadBetTest, FiftyMegabyteFileIsStreamedInSmallPieces) {
    const std::int32_t columns = 50'000'000 / 16;
    GeneratedBetBuffer generated(columns);
    std::istream in(&generated);
    CColumnSet set;
    const BetReadResult result = ReadBet(in, set);
    EXPECT_EQ(result.end, BetReadEnd::kComplete);
    ASSERT_EQ(set.Count(), columns);
    EXPECT_LE(generated.LargestRequest(), 64 * 1024);
    for (const std::int32_t i : {0, 1, 12'345, columns - 1}) {
        EXPECT_EQ(set[i].Index(), i);
    }
}

// Reads `text` from `in` and checks that it gives exactly what the plain
// reader over CColumn::ReadText gives, leaving the same characters unread.
void ExpectReadAsThePlainReader(std::istream& in, const std::string& text) {
    SCOPED_TRACE(testing::PrintToString(text));
    CColumnSet set;
    const BetReadResult result = ReadBet(in, set);

    std::istringstream reference(text);
    std::vector<CColumn> expected;
    const BetReadResult wanted = ReferenceReadBet(reference, expected);

    ASSERT_EQ(result.end, wanted.end);
    ASSERT_EQ(result.announced, wanted.announced);
    ASSERT_EQ(result.added, wanted.added);
    ASSERT_EQ(set.Count(), static_cast<std::int32_t>(expected.size()));
    for (std::int32_t i = 0; i < set.Count(); ++i) {
        ASSERT_EQ(set[i].results, expected[static_cast<std::size_t>(i)].results);
    }
    ASSERT_EQ(in.rdstate(), reference.rdstate());
    ASSERT_EQ(RestOf(in), RestOf(reference));
    // Storage follows the text, not the count.
    ASSERT_LE(
        set.Capacity(),
        std::max<std::int64_t>({16, 2 * set.Count(), static_cast<std::int64_t>(text.size()) / 14}));
}

// Random and hostile texts read exactly as the plain reader over
// CColumn::ReadText reads them, whole or cut into small pieces, and leave
// the same characters unread.
TEST(ReadBetTest, MatchesReadTextOnRandomTexts) {
    std::string alphabet = "0123456789+- \t\r\n\v\f1X2x12XX11\xEF\xBB\xBF";
    alphabet += '\0';
    std::mt19937 random(1979);
    for (int trial = 0; trial < 4000; ++trial) {
        std::string text;
        if (trial % 2 == 0) {
            text = std::to_string(static_cast<int>(random() % 12) - 2);
        }
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) {
            text += random() % 8 == 0 ? static_cast<char>(random() % 256)
                                      : alphabet[random() % alphabet.size()];
        }
        TrickleBuffer pieces(text, 1 + random() % 40);
        std::istream in(&pieces);
        ExpectReadAsThePlainReader(in, text);
        if (testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

std::string InsertedAt(const std::string& text, std::size_t at, const std::string& piece) {
    return text.substr(0, at) + piece + text.substr(at);
}

// Bet files as written with a hand-edited or damaged one's faults here and
// there read exactly as the plain reader reads them, whole or in pieces.
TEST(ReadBetTest, CanonicalLinesWithFaultsReadAsThePlainReader) {
    std::mt19937 random(2031);
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const std::size_t pieceSizes[] = {1, 5, 15, 16, 17, 31, 64, 1000};
    for (int trial = 0; trial < 3000; ++trial) {
        const auto lines = static_cast<std::int32_t>(pick(60));
        const std::int32_t counts[] = {lines, lines - 1, lines + 1, 0, 2'000'000'000};
        std::string text = std::to_string(counts[pick(5)]) + (pick(2) == 0 ? "\r\n" : "\n");
        for (std::int32_t line = 0; line < lines; ++line) {
            std::string signs;
            for (std::int32_t m = 0; m < kMatches; ++m) {
                signs += "1X2"[pick(3)];
            }
            std::string end = pick(4) == 0 ? "\n" : "\r\n";
            switch (pick(24)) {
                case 0:  // broken anywhere
                    signs = InsertedAt(signs, pick(signs.size() + 1), pick(2) == 0 ? "\r\n" : "\n");
                    break;
                case 1:  // CR without LF
                    end.assign(1, '\r');
                    break;
                case 2:  // a foreign byte, white space included
                    signs[pick(signs.size())] = static_cast<char>(random() % 256);
                    break;
                case 3:  // a short line
                    signs.resize(pick(signs.size()));
                    break;
                case 4:  // blanks and tabs
                    signs = InsertedAt(signs, pick(signs.size() + 1), pick(2) == 0 ? " " : "\t\t");
                    break;
                case 5:  // a byte in the line end
                    end = InsertedAt(end, pick(end.size() + 1), std::string(1, "x \v"[pick(3)]));
                    break;
                default:
                    break;
            }
            text += signs;
            if (line + 1 < lines || pick(3) != 0) {
                text += end;
            }
        }
        {
            std::istringstream whole(text);
            ExpectReadAsThePlainReader(whole, text);
        }
        TrickleBuffer pieces(text, pieceSizes[pick(std::size(pieceSizes))]);
        std::istream in(&pieces);
        ExpectReadAsThePlainReader(in, text);
        if (testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

// A file's size bounds the one reservation: a count far beyond its lines
// asks for no more than its bytes can hold, 14 signs a column.
TEST(ReadBetTest, FileReservesOnceForWhatItCanHold) {
    const auto path = std::filesystem::temp_directory_path() / "lumo-reserve-test.txt";
    std::string text = "2000000000\r\n";
    for (int i = 0; i < 1000; ++i) {
        text += kMixed + "\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    CColumnSet set;
    const BetReadResult result = ReadBet(path, set);
    std::filesystem::remove(path);
    EXPECT_EQ(result.end, BetReadEnd::kTruncated);
    EXPECT_EQ(result.added, 1000);
    EXPECT_EQ(set.Capacity(), static_cast<std::int32_t>(text.size() / 14));
}

}  // namespace
