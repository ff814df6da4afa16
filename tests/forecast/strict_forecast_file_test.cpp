#include "forecast/strict_forecast_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "forecast/forecast_file.h"
#include "forecast/forecast_messages.h"
#include "fuzz/fuzz_support.h"
#include "tests/core/endless_text.h"

using namespace lumo;

namespace {

using Row = std::array<std::int32_t, 3>;

// The rows of a real round, in integers, and the same round as a tipster
// publishes it, with decimals that round to those integers.
const std::vector<std::string> kIntegerRows = {
    "55 27 18", "48 30 22", "62 24 14", "100 0 0",  "35 32 33", "50 50 0", "41 31 28",
    "70 20 10", "30 33 37", "45 30 25", "38 34 28", "58 26 16", "0 40 60", "44 30 26"};
const std::vector<std::string> kDecimalRows = {
    "54,6 27,1 18,3",       "48.4 29.7 21.9", "61,5% 24,3% 14,2%", "100 0 0",
    "34,8 % 32,4 % 32,8 %", "50,0 49,7 0",    "40.9 31.3 27.8",    "69,5 20,4 10,1",
    "30.2 32.9 36.9",       "45,3 29,8 24,9", "37,9 33,6 28,5",    "57,8 26,1 16,1",
    "0 39,6 60,4",          "44 29,5 26,5"};

std::string Lines(const std::vector<std::string>& rows, const std::string& end = "\n") {
    std::string text;
    for (const auto& row : rows) {
        text += row + end;
    }
    return text;
}

ForecastFileRead Read(const std::string& text) {
    std::istringstream in(text);
    return ReadForecastStrictly(in);
}

// The integer rows with one line replaced (`line` from 1).
std::string WithLine(std::size_t line, const std::string& replacement) {
    std::vector<std::string> rows = kIntegerRows;
    rows[line - 1] = replacement;
    return Lines(rows);
}

TEST(StrictForecastFileTest, DecimalsRoundToTheSameTableAsTheIntegers) {
    const ForecastFileRead integers = Read(Lines(kIntegerRows));
    ASSERT_TRUE(integers.Ok());
    EXPECT_EQ(integers.table.rows[0], (Row{55, 27, 18}));
    EXPECT_EQ(integers.table.rows[3], (Row{100, 0, 0}));

    for (const char* const end : {"\n", "\r\n"}) {
        const ForecastFileRead decimals = Read("\xEF\xBB\xBF\n" + Lines(kDecimalRows, end) + "\n");
        ASSERT_TRUE(decimals.Ok()) << ForecastFileMessage("p.txt", decimals);
        EXPECT_EQ(decimals.table.rows, integers.table.rows);
    }

    // The window's reader takes the integer file to the same table.
    std::istringstream in(Lines(kIntegerRows));
    std::ostringstream diagnostics;
    EXPECT_EQ(LoadForecast(in, diagnostics).table.rows, integers.table.rows);
    EXPECT_EQ(diagnostics.str(), "");
}

// The largest remainder: scaled to 100, cut, the missing units to the
// largest remainders, the earlier result on a tie; a 0 stays 0.
TEST(StrictForecastFileTest, RowsWithDecimalsRoundByTheLargestRemainder) {
    const struct {
        const char* row;
        Row rounded;
    } cases[] = {
        {"54.6 26.0 19.4", {55, 26, 19}},
        {"33.4 33.3 33.3", {34, 33, 33}},
        {"33.3 33.3 33.4", {33, 33, 34}},
        {"33,3 33,3 33,3", {34, 33, 33}},
        {"99.5 0 0.5", {100, 0, 0}},
        {"0 0.5 99.5", {0, 1, 99}},
        {"40.5 30.5 30", {40, 30, 30}},
        {"98.5 0 0", {100, 0, 0}},
        {"50.7 50.7 0.1", {50, 50, 0}},
        {"60.25 25.25 15.25", {60, 25, 15}},
        {"1.000000001 98.999999999 0", {1, 99, 0}},
        {"10.0000000001 90 0", {10, 90, 0}},  // the tenth decimal is not looked at
    };
    for (const auto& c : cases) {
        const ForecastFileRead read = Read(WithLine(1, c.row));
        ASSERT_TRUE(read.Ok()) << c.row << ": " << ForecastFileMessage("p.txt", read);
        EXPECT_EQ(read.table.rows[0], c.rounded) << c.row;
        std::int32_t sum = 0;
        for (const auto value : read.table.rows[0]) {
            sum += value;
        }
        EXPECT_EQ(sum, 100) << c.row;
    }
}

struct DamageCase {
    const char* name;
    std::string text;
    ForecastFileError error;
    std::int64_t line;
    std::string held;  // the word named
    int found;         // numbers on the line, or rows read
    std::int64_t sum;  // the row's sum in billionths
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.name;
}

class StrictForecastDamageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(StrictForecastDamageTest, NamesTheLineAndWhatWasExpected) {
    const DamageCase& c = GetParam();
    const ForecastFileRead read = Read(c.text);
    EXPECT_EQ(read.error, c.error);
    EXPECT_EQ(read.line, c.line);
    EXPECT_EQ(read.text, c.held);
    EXPECT_EQ(read.found, c.found);
    EXPECT_EQ(read.sum, c.sum);
    // A buffer that hands the text out in small pieces reads the same.
    for (const std::size_t step : {1, 7}) {
        TrickleBuffer pieces(c.text, step);
        std::istream in(&pieces);
        const ForecastFileRead again = ReadForecastStrictly(in);
        EXPECT_EQ(again.error, read.error);
        EXPECT_EQ(again.line, read.line);
    }
}

constexpr std::int64_t kB = kBillion;

INSTANTIATE_TEST_SUITE_P(
    Texts, StrictForecastDamageTest,
    testing::Values(
        DamageCase{"Letters", WithLine(2, "48 treinta 22"), ForecastFileError::kNotANumber, 2,
                   "treinta", 0, 0},
        DamageCase{"Negative", WithLine(3, "62 -5 43"), ForecastFileError::kNegative, 3, "-5", 0,
                   0},
        DamageCase{"AboveHundred", WithLine(4, "150 0 0"), ForecastFileError::kAbove100, 4, "150",
                   0, 0},
        DamageCase{"AboveHundredByADecimal", WithLine(4, "100,5 0 0"), ForecastFileError::kAbove100,
                   4, "100,5", 0, 0},
        DamageCase{"DecimalWithoutDigits", WithLine(5, "35, 32 33"), ForecastFileError::kNotANumber,
                   5, "35,", 0, 0},
        DamageCase{"GroupedNumber", WithLine(5, "35.3.1 32 33"), ForecastFileError::kNotANumber, 5,
                   "35.3.1", 0, 0},
        DamageCase{"PercentTwice", WithLine(6, "50% % 50 0"), ForecastFileError::kNotANumber, 6,
                   "%", 0, 0},
        DamageCase{"SemicolonsBetween", WithLine(7, "41;31;28"), ForecastFileError::kNotANumber, 7,
                   "41;31;28", 0, 0},
        DamageCase{"TwoNumbers", WithLine(8, "70 30"), ForecastFileError::kWrongCount, 8, "", 2, 0},
        DamageCase{"FourNumbers", WithLine(9, "30 33 37 0"), ForecastFileError::kWrongCount, 9, "",
                   4, 0},
        DamageCase{"AllOnOneLine",
                   "55 27 18 48 30 22 62 24 14 100 0 0 35 32 33 50 50 0 41 31 28 70 20 10 30 33 "
                   "37 45 30 25 38 34 28 58 26 16 0 40 60 44 30 26\n",
                   ForecastFileError::kWrongCount, 1, "", 42, 0},
        DamageCase{"IntegersAddingTo99", WithLine(10, "45 30 24"), ForecastFileError::kRowSum, 10,
                   "", 0, 99 * kB},
        DamageCase{"DecimalsFarBelow", WithLine(11, "37,9 33,6 26"),
                   ForecastFileError::kRowFarFrom100, 11, "", 0, 975 * kB / 10},
        DamageCase{"DecimalsFarAbove", WithLine(12, "58,8 26,1 16,7"),
                   ForecastFileError::kRowFarFrom100, 12, "", 0, 1016 * kB / 10},
        DamageCase{
            "ThirteenRows",
            Lines(std::vector<std::string>(kIntegerRows.begin(), kIntegerRows.end() - 1)) + "\n\n",
            ForecastFileError::kTooFewRows, 13, "", 13, 0},
        DamageCase{"Empty", "", ForecastFileError::kTooFewRows, 0, "", 0, 0},
        DamageCase{"FifteenRows", Lines(kIntegerRows) + "\n40 33 27\n",
                   ForecastFileError::kTooManyRows, 16, "40", 0, 0},
        DamageCase{"ByteOrderMarkTwice", "\xEF\xBB\xBF\xEF\xBB\xBF" + Lines(kIntegerRows),
                   ForecastFileError::kNotANumber, 1,
                   "\xEF\xBB\xBF"
                   "55",
                   0, 0}));

// A read error is an error, never the end of the file.
TEST(StrictForecastFileTest, ReadErrorIsAnError) {
    const std::string text = Lines(kIntegerRows);
    for (const std::size_t good : {std::size_t{0}, std::size_t{30}, text.size() - 1}) {
        BrokenBuffer broken(text, good);
        std::istream in(&broken);
        const ForecastFileRead read = ReadForecastStrictly(in);
        EXPECT_EQ(read.error, ForecastFileError::kReadFailed) << good;
        EXPECT_EQ(read.systemError, EIO) << good;
    }
}

// Besides blanks and tabs, CR, VT and FF part the numbers of a row, as the
// manual page says.
TEST(StrictForecastFileTest, ControlBlanksPartNumbers) {
    for (const std::string blank : {"\t", "\r", "\v", "\f", " \t\r\v\f "}) {
        const ForecastFileRead read = Read(WithLine(2, "48" + blank + "30" + blank + "22"));
        EXPECT_TRUE(read.Ok()) << ForecastFileMessage("p.txt", read);
        EXPECT_EQ(read.table.rows[1], (Row{48, 30, 22}));
    }
}

// An endless line, of one word or of many, an endless word or endless blank
// lines are refused after a bounded read, naming the line.
TEST(StrictForecastFileTest, EndlessTextIsRefusedAfterABoundedRead) {
    const std::string twoRows = "55 27 18\n48 30 22\n";
    const std::tuple<std::string, char, std::string_view> cases[] = {
        {"", '\0', "La línea 1 del pronóstico «p.txt» es demasiado larga: pasa de 1.024 bytes."},
        {twoRows + "1 ", ' ',
         "La línea 3 del pronóstico «p.txt» es demasiado larga: pasa de 1.024 bytes."},
        {twoRows + "1 ", '1',
         "La línea 3 del pronóstico «p.txt» es demasiado larga: pasa de 1.024 bytes."},
        {twoRows + "33," + std::string(200, '3') + " 33 33\n", ' ',
         "La línea 3 del pronóstico «p.txt» tiene una palabra demasiado larga, "
         "«33,3333333333333333333333333333333333333…»: pasa de 128 bytes."},
        {twoRows, '\n',
         "La línea 100.001 del pronóstico «p.txt» pasa de 100.000 líneas: no puede ser un "
         "pronóstico."},
    };
    for (const auto& [start, repeated, message] : cases) {
        EndlessText endless(start, repeated);
        std::istream in(&endless);
        const ForecastFileRead read = ReadForecastStrictly(in);
        EXPECT_EQ(ForecastFileMessage("p.txt", read), message);
        EXPECT_LE(endless.Given(), 2U * 1024 * 1024) << message;
    }
}

TEST(StrictForecastFileTest, FilesThatCannotBeOpened) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("lumo-strict-forecast-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    EXPECT_EQ(ReadForecastStrictly(folder).systemError, EISDIR);
    EXPECT_EQ(ReadForecastStrictly(folder / "pronostico.txt").systemError, ENOENT);
    std::ofstream(folder / "pronostico.txt") << Lines(kDecimalRows, "\r\n");
    EXPECT_TRUE(ReadForecastStrictly(folder / "pronostico.txt").Ok());
    std::filesystem::remove_all(folder);
}

TEST(ForecastFileMessageTest, NamesTheFileTheLineAndWhatWasExpected) {
    const auto read = [](ForecastFileError error, std::int64_t line, std::string text = {},
                         int found = 0, std::int64_t sum = 0) {
        ForecastFileRead result;
        result.error = error;
        result.line = line;
        result.text = std::move(text);
        result.found = found;
        result.sum = sum;
        return result;
    };
    ForecastFileRead missing = read(ForecastFileError::kUnreadable, 0);
    missing.systemError = ENOENT;
    ForecastFileRead failed = read(ForecastFileError::kReadFailed, 4);
    failed.systemError = EIO;
    const struct {
        ForecastFileRead read;
        const char* message;
    } cases[] = {
        {{}, ""},
        {missing, "No se ha podido leer el pronóstico «p.txt»: el archivo no existe."},
        {failed,
         "No se ha podido leer la línea 4 del pronóstico «p.txt»: error de lectura en el "
         "disco."},
        {read(ForecastFileError::kNotANumber, 2, "treinta"),
         "La línea 2 del pronóstico «p.txt» tiene «treinta» donde se esperaba un porcentaje, como "
         "54, 54,6 o 54.6."},
        {read(ForecastFileError::kNegative, 3, "-5"),
         "La línea 3 del pronóstico «p.txt» tiene un número negativo, «-5»; cada porcentaje va de "
         "0 a 100."},
        {read(ForecastFileError::kAbove100, 4, "150"),
         "La línea 4 del pronóstico «p.txt» tiene un número mayor que 100, «150»; cada porcentaje "
         "va de 0 a 100."},
        {read(ForecastFileError::kWrongCount, 8, "", 2),
         "La línea 8 del pronóstico «p.txt» tiene 2 números y debe tener 3: los porcentajes de 1, "
         "X y 2."},
        {read(ForecastFileError::kWrongCount, 8, "", 1),
         "La línea 8 del pronóstico «p.txt» tiene 1 número y debe tener 3: los porcentajes de 1, X "
         "y 2."},
        {read(ForecastFileError::kTooFewRows, 13, "", 13),
         "El pronóstico «p.txt» tiene 13 filas, la última en la línea 13, y debe tener 14, una por "
         "partido."},
        {read(ForecastFileError::kTooFewRows, 0, "", 0),
         "El pronóstico «p.txt» no tiene ninguna fila, y debe tener 14, una por partido."},
        {read(ForecastFileError::kTooManyRows, 16, "40"),
         "La línea 16 del pronóstico «p.txt» es una fila de más: el pronóstico tiene 14, una por "
         "partido."},
        {read(ForecastFileError::kRowSum, 10, "", 0, 99 * kB),
         "Los porcentajes de la línea 10 del pronóstico «p.txt» suman 99 y deben sumar 100."},
        {read(ForecastFileError::kRowFarFrom100, 11, "", 0, 975 * kB / 10),
         "Los porcentajes de la línea 11 del pronóstico «p.txt» suman 97,5: con decimales deben "
         "sumar entre 98,5 y 101,5, y se redondean a 100."},
        {read(ForecastFileError::kRowFarFrom100, 11, "", 0, 101'55 * kB / 100),
         "Los porcentajes de la línea 11 del pronóstico «p.txt» suman 101,55: con decimales deben "
         "sumar entre 98,5 y 101,5, y se redondean a 100."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ForecastFileMessage("p.txt", c.read), c.message);
    }
}

}  // namespace
