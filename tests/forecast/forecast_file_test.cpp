#include "forecast/forecast_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tests/core/endless_text.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

using Row = std::array<std::int32_t, 3>;
constexpr Row kDefaultRow = CForecastTable::kConstructedRow;

struct Loaded {
    CForecastTable table;
    std::int32_t errors = 0;
    std::string diagnostics;
};

// "ERROR" written `count` times.
std::string Errors(std::int32_t count) {
    std::string texts;
    for (std::int32_t i = 0; i < count; ++i) {
        texts += "ERROR";
    }
    return texts;
}

// What LoadForecast reads from `text`; the count of errors it returns must
// be that of the "ERROR" texts it wrote.
Loaded Load(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream diagnostics;
    const ForecastLoad load = LoadForecast(in, diagnostics);
    EXPECT_EQ(diagnostics.str(), Errors(load.errors));
    return {load.table, load.errors, diagnostics.str()};
}

// What LoadForecast reads from the file at `path`.
Loaded LoadFile(const std::filesystem::path& path) {
    std::ostringstream diagnostics;
    const ForecastLoad load = LoadForecast(path, diagnostics);
    EXPECT_EQ(diagnostics.str(), Errors(load.errors));
    return {load.table, load.errors, diagnostics.str()};
}

std::string FourteenRows(const std::string& separator) {
    std::string text;
    for (int i = 0; i < 42; ++i) {
        text += std::to_string(i % 3 == 0 ? 50 : 25) + separator;
    }
    return text;
}

// Cases where the first row alone changes and the others keep 40, 33, 27.
struct FirstRowCase {
    const char* name;
    std::string text;
    Row firstRow;
    std::string diagnostics;
};

void PrintTo(const FirstRowCase& c, std::ostream* out) {
    *out << c.name;
}

class FirstRowTest : public testing::TestWithParam<FirstRowCase> {};

TEST_P(FirstRowTest, ReadsUpToTheFirstFailure) {
    const Loaded loaded = Load(GetParam().text);
    EXPECT_EQ(loaded.table.rows[0], GetParam().firstRow);
    for (std::size_t m = 1; m < 14; ++m) {
        EXPECT_EQ(loaded.table.rows[m], kDefaultRow) << "row " << m;
    }
    EXPECT_EQ(loaded.diagnostics, GetParam().diagnostics);
}

INSTANTIATE_TEST_SUITE_P(
    DamagedFiles, FirstRowTest,
    testing::Values(
        FirstRowCase{"Empty", "", kDefaultRow, ""},
        FirstRowCase{"OnlyWhiteSpace", " \t\r\n\v\f", kDefaultRow, ""},
        FirstRowCase{"OneLine", "50 30 20\r\n", {50, 30, 20}, ""},
        FirstRowCase{"PercentSigns", "50% 30% 20%\n", {50, 33, 27}, "ERROR"},
        FirstRowCase{"ByteOrderMark",
                     "\xEF\xBB\xBF"
                     "50 30 20\n",
                     kDefaultRow, ""},
        FirstRowCase{"LoneSign", "50 - 20\n", {50, 33, 27}, "ERROR"},
        FirstRowCase{"SignThenBlank", "50 + 30 20\n", {50, 33, 27}, "ERROR"},
        FirstRowCase{"Signs", "+60 -10 +50", {60, -10, 50}, ""},
        FirstRowCase{"ThreeEqual", "33 33 33", {33, 33, 33}, "ERROR"},
        FirstRowCase{"BeyondThirtyTwoBits", "50 2147483648 20", {50, 33, 27}, "ERROR"},
        FirstRowCase{"FarBeyond", "99999999999999999999 0 0", kDefaultRow, ""},
        FirstRowCase{
            "ThirtyTwoBitLimits", "-2147483648 2147483647 0", {INT32_MIN, INT32_MAX, 0}, "ERROR"},
        // The sum of a row is taken without overflow: this one is 100.
        FirstRowCase{
            "SumBeyondThirtyTwoBits", "2147483647 1 -2147483548", {INT32_MAX, 1, -2147483548}, ""},
        FirstRowCase{"NulByte", std::string("50 30\0 20", 9), {50, 30, 27}, "ERROR"},
        FirstRowCase{"DigitsGlued", "50 30 20x", {50, 30, 20}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadForecastTest, LetterStopsReadingInTheSecondRow) {
    const Loaded loaded = Load("50 30 20\n45 x 10\n");
    EXPECT_EQ(loaded.table.rows[0], (Row{50, 30, 20}));
    EXPECT_EQ(loaded.table.rows[1], (Row{45, 33, 27}));
    EXPECT_EQ(loaded.table.rows[2], kDefaultRow);
    EXPECT_EQ(loaded.diagnostics, "ERROR");
}

TEST(LoadForecastTest, LineLayoutIsFree) {
    const Loaded oneLine = Load(FourteenRows(" "));
    EXPECT_EQ(oneLine.table.rows[13], (Row{50, 25, 25}));
    EXPECT_EQ(oneLine.diagnostics, "");
    for (const std::string separator : {"\n", "\r\n", "\t", "\v\f ", "\r"}) {
        EXPECT_EQ(Load(FourteenRows(separator)).table.rows, oneLine.table.rows);
    }
}

// An output buffer that holds what it is given until it is flushed.
class HoldingBuffer : public std::stringbuf {
  public:
    std::string flushed;

  protected:
    int sync() override {
        flushed += str();
        str("");
        return 0;
    }
};

TEST(LoadForecastTest, EachErrorIsFlushedAtOnce) {
    HoldingBuffer held;
    std::ostream diagnostics(&held);
    std::istringstream in("33 33 33\n50 30 20\n10 10 10\n");
    EXPECT_EQ(LoadForecast(in, diagnostics).errors, 2);
    EXPECT_EQ(held.flushed, "ERRORERROR");
}

// Cells not read keep the constructed values, and rows are checked with them.
TEST(LoadForecastTest, FailedCellsKeepTheConstructedValues) {
    const Loaded loaded = Load("5 95 0 1 1 1");
    EXPECT_EQ(loaded.table.rows[0], (Row{5, 95, 0}));
    EXPECT_EQ(loaded.table.rows[1], (Row{1, 1, 1}));
    EXPECT_EQ(loaded.table.rows[2], kDefaultRow);
    EXPECT_EQ(loaded.errors, 1);
    EXPECT_EQ(Load("5").errors, 1);
}

// The whole forecast may stand on one line, but a number may not go on for
// ever: an endless one stops the reading after a bounded read.
TEST(LoadForecastTest, AnEndlessNumberStopsTheReading) {
    EndlessText endless("55 27 18 48 ", '3');
    std::istream in(&endless);
    std::ostringstream diagnostics;
    const ForecastLoad load = LoadForecast(in, diagnostics);
    EXPECT_EQ(load.table.rows[0], (std::array<std::int32_t, 3>{55, 27, 18}));
    EXPECT_EQ(load.table.rows[1], (std::array<std::int32_t, 3>{48, 33, 27}));
    EXPECT_EQ(load.table.rows[2], CForecastTable().rows[2]);
    EXPECT_LE(endless.Given(), 128U * 1024);
}

TEST(LoadForecastTest, LeavesWhatFollowsTheLastValueUnread) {
    std::istringstream in(FourteenRows(" ") + "7 rest");
    std::ostringstream diagnostics;
    LoadForecast(in, diagnostics);
    EXPECT_TRUE(in.good());
    int next = 0;
    in >> next;
    EXPECT_EQ(next, 7);
}

TEST(LoadForecastTest, FolderAndMissingFolderReadNothing) {
    for (const auto& path : {std::filesystem::temp_directory_path(),
                             std::filesystem::path("/nonexistent/folder/pronostico.txt")}) {
        const Loaded loaded = LoadFile(path);
        EXPECT_EQ(loaded.table.rows, CForecastTable().rows) << path;
        EXPECT_EQ(loaded.diagnostics, "") << path;
    }
}

TEST(LoadForecastTest, ReadsFromAFile) {
    const auto path = std::filesystem::temp_directory_path() / "lumo_forecast_test_pronostico.txt";
    std::ofstream(path) << "100 0 0\r\n10 20 30\r\n";
    const Loaded loaded = LoadFile(path);
    std::filesystem::remove(path);
    EXPECT_EQ(loaded.table.rows[0], (Row{100, 0, 0}));
    EXPECT_EQ(loaded.table.rows[1], (Row{10, 20, 30}));
    EXPECT_EQ(loaded.diagnostics, "ERROR");
}

TEST(LoadExpectationTest, ReadsTheSameGrammarWithoutCheck) {
    std::istringstream in("150 20 -3 33 33 33 7 x");
    const CForecastTable table = LoadExpectation(in);
    EXPECT_EQ(table.rows[0], (Row{150, 20, -3}));
    EXPECT_EQ(table.rows[1], (Row{33, 33, 33}));
    EXPECT_EQ(table.rows[2], (Row{7, 33, 27}));
    EXPECT_EQ(table.rows[3], kDefaultRow);

    EXPECT_EQ(LoadExpectation(std::filesystem::temp_directory_path()).rows, CForecastTable().rows);
}

// Random and hostile texts read exactly as formatted extraction reads them
// under the program's rules, whole or cut into small pieces.
TEST(LoadForecastTest, MatchesFormattedExtractionOnRandomTexts) {
    std::string alphabet = "0123456789+- \t\r\n\v\f%xX\xEF\xBB\xBF";
    alphabet += '\0';
    std::mt19937 random(2024);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string text;
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i) {
            text += random() % 4 == 0 ? static_cast<char>(random() % 256)
                                      : alphabet[random() % alphabet.size()];
        }
        TrickleBuffer pieces(text, 1 + random() % 9);
        std::istream in(&pieces);
        std::ostringstream diagnostics;
        const CForecastTable table = LoadForecast(in, diagnostics).table;

        std::istringstream reference(text);
        CForecastTable expected;
        std::ostringstream expectedDiagnostics;
        ReferenceReadTable(reference, expected, &expectedDiagnostics);

        ASSERT_EQ(table.rows, expected.rows) << testing::PrintToString(text);
        ASSERT_EQ(diagnostics.str(), expectedDiagnostics.str());
        ASSERT_EQ(in.rdstate(), reference.rdstate());
        ASSERT_EQ(RestOf(in), RestOf(reference));
    }
}

}  // namespace
