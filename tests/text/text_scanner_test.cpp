#include "text/text_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tests/core/endless_text.h"

using namespace lumo;

namespace {

using IntegerRead = TextScanner::IntegerRead;

TEST(TextScannerTest, IntegersSplitAcrossPiecesReadWhole) {
    for (std::size_t step = 1; step <= 4; ++step) {
        TrickleBuffer pieces(" \r\n-1234567 +89\t2147483647", step);
        std::istream in(&pieces);
        TextScanner scanner(in);
        std::int32_t values[3] = {};
        for (auto& value : values) {
            EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kRead);
        }
        EXPECT_EQ(values[0], -1234567);
        EXPECT_EQ(values[1], 89);
        EXPECT_EQ(values[2], INT32_MAX);
        scanner.Finish();
        // The last number ran into the end of the text: eofbit, no failure.
        EXPECT_EQ(in.rdstate(), std::ios_base::eofbit);
    }
}

TEST(TextScannerTest, FailedReadKeepsTheValueConsumesNothingAfterAndFailsEveryLaterRead) {
    std::istringstream in("12  x 34");
    TextScanner scanner(in);
    std::int32_t value = 0;
    EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kRead);
    value = 77;
    EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kFailed);
    EXPECT_EQ(value, 77);
    EXPECT_EQ(scanner.ReadSign(), TextScanner::kEnd);
    EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kFailed);
    scanner.Finish();
    EXPECT_EQ(in.rdstate(), std::ios_base::failbit);
    EXPECT_EQ(RestOf(in), "x 34");
}

TEST(TextScannerTest, OutOfRangeIsAFailure) {
    std::istringstream in("-2147483649 5");
    TextScanner scanner(in);
    std::int32_t value = 3;
    EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kOutOfRange);
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(scanner.Failed());
}

// A number of up to 128 digits, leading zeros included, reads; one longer,
// or an endless one, is out of range after at most 129 of them.
TEST(TextScannerTest, ANumberHasAtMost128Digits) {
    const struct {
        std::string start;
        char repeated;
        IntegerRead read;
        std::int32_t value;
    } cases[] = {
        {std::string(126, '0') + "42 ", ' ', IntegerRead::kRead, 42},
        {"-" + std::string(127, '0') + "7", ' ', IntegerRead::kRead, -7},
        {std::string(127, '0') + "42", ' ', IntegerRead::kOutOfRange, 3},
        {" +", '0', IntegerRead::kOutOfRange, 3},
    };
    for (const auto& c : cases) {
        EndlessText endless(c.start, c.repeated);
        std::istream in(&endless);
        TextScanner scanner(in);
        std::int32_t value = 3;
        EXPECT_EQ(scanner.ReadInteger(value), c.read) << c.start;
        EXPECT_EQ(value, c.value) << c.start;
        EXPECT_LE(endless.Given(), 128U * 1024) << c.start;
    }
}

TEST(TextScannerTest, SignsAreAnyByteButWhiteSpace) {
    const std::string text("\v1\f\xFF\0 \x80x", 8);
    std::istringstream in(text);
    TextScanner scanner(in);
    EXPECT_EQ(scanner.ReadSign(), '1');
    EXPECT_EQ(scanner.ReadSign(), 0xFF);
    EXPECT_EQ(scanner.ReadSign(), 0);
    EXPECT_EQ(scanner.ReadSign(), 0x80);
    EXPECT_EQ(scanner.ReadSign(), 'x');
    EXPECT_EQ(scanner.ReadSign(), TextScanner::kEnd);
    scanner.Finish();
    EXPECT_EQ(in.rdstate(), std::ios_base::eofbit | std::ios_base::failbit);
}

TEST(TextScannerTest, ReadErrorFailsWithTheErrorNumberAndSetsBadbit) {
    BrokenBuffer broken("12 34 56", 4);
    std::istream in(&broken);
    TextScanner scanner(in);
    std::int32_t value = 0;
    EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kRead);
    // "34" is cut short by the error: no value, even though a digit came.
    value = 9;
    EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kFailed);
    EXPECT_EQ(value, 9);
    EXPECT_TRUE(scanner.ReadError());
    EXPECT_EQ(scanner.SystemError(), EIO);
    scanner.Finish();
    EXPECT_TRUE(in.bad());
}

TEST(TextScannerTest, StreamThatIsNotGoodReadsNothing) {
    std::istringstream in("5");
    in.setstate(std::ios_base::eofbit);
    TextScanner scanner(in);
    std::int32_t value = 0;
    EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kFailed);
    EXPECT_FALSE(scanner.ReadError());
}

TEST(TextScannerTest, FileStreamContinuesAfterTheLastCharacterUsed) {
    const auto path = std::filesystem::temp_directory_path() / "lumo_text_scanner_test.txt";
    std::string text = "1 ";
    text.append(100'000, 'X');
    text += " tail";
    std::ofstream(path, std::ios::binary) << text;
    std::ifstream in(path);
    {
        TextScanner scanner(in);
        std::int32_t value = 0;
        EXPECT_EQ(scanner.ReadInteger(value), IntegerRead::kRead);
        for (int i = 0; i < 99'999; ++i) {
            ASSERT_EQ(scanner.ReadSign(), 'X');
        }
        scanner.Finish();
    }
    EXPECT_TRUE(in.good());
    EXPECT_EQ(RestOf(in), "X tail");
    std::filesystem::remove(path);
}

// A buffer over a text that records the largest piece asked of it at once.
class RecordingBuffer : public std::stringbuf {
  public:
    explicit RecordingBuffer(const std::string& text) : std::stringbuf(text) {}
    std::streamsize largest = 0;

  protected:
    std::streamsize xsgetn(char* destination, std::streamsize count) override {
        largest = std::max(largest, count);
        return std::stringbuf::xsgetn(destination, count);
    }
};

// A whole file is taken in pieces of 1 MiB, a stream in pieces of 64 KiB at
// most; both read the same signs to the end.
TEST(TextScannerTest, WholeFileIsTakenInLargePieces) {
    std::string text(3 << 20, 'X');
    text[1'500'000] = ' ';
    const struct {
        ScanMode mode;
        std::streamsize largest;
    } cases[] = {{ScanMode::kWholeFile, 1 << 20}, {ScanMode::kStream, 64 << 10}};
    for (const auto& [mode, largest] : cases) {
        RecordingBuffer buffer(text);
        std::istream in(&buffer);
        TextScanner scanner(in, mode);
        std::size_t signs = 0;
        while (scanner.ReadSign() == 'X') {
            ++signs;
        }
        scanner.Finish();
        EXPECT_EQ(signs, text.size() - 1);
        EXPECT_EQ(buffer.largest, largest);
        EXPECT_TRUE(in.eof());
    }
}

}  // namespace
