#include "value/round_inputs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

using namespace lumo;
using ::testing::HasSubstr;

namespace {

// Fourteen rows of `row`, with line `line` (from 1) replaced by `other`.
std::string Rows(const std::string& row, int line = 0, const std::string& other = "") {
    std::string text;
    for (int i = 1; i <= 14; ++i) {
        text.append(i == line ? other : row).push_back('\n');
    }
    return text;
}

class RoundInputsTest : public ::testing::Test {
  public:
    RoundInputsTest() { std::filesystem::create_directories(folder); }
    ~RoundInputsTest() override { std::filesystem::remove_all(folder); }

    std::filesystem::path Write(const std::string& name, const std::string& text) const {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // Good inputs: the public's file, the forecast 50/30/20, 2.500.000 €.
    RoundInputs Good() const {
        RoundInputs inputs;
        inputs.publicFile = Write("publico.txt", Rows("62,5 24,1 13,4"));
        inputs.forecast.fill({0.5, 0.3, 0.2});
        inputs.takings = "2.500.000";
        inputs.columnPrice = 1.0;
        return inputs;
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("lumo-round-" + std::to_string(::getpid()));
};

TEST_F(RoundInputsTest, ReadsTheMoneyTheFilesAndTheForecast) {
    RoundInputs inputs = Good();
    RoundReading reading = ReadRound(inputs);
    ASSERT_TRUE(reading.Ok()) << reading.message;
    EXPECT_DOUBLE_EQ(reading.round.takings, 2'500'000.0);
    EXPECT_DOUBLE_EQ(reading.round.jackpot, 0.0);
    EXPECT_DOUBLE_EQ(reading.round.columnPrice, 1.0);
    EXPECT_DOUBLE_EQ(reading.round.publicShares[13][0], 0.625);
    EXPECT_DOUBLE_EQ(reading.round.real[4][2], 0.2);

    inputs.jackpot = "1.234,56";
    inputs.oddsFile = Write("cuotas.txt", Rows("2 4 4"));
    reading = ReadRound(inputs);
    ASSERT_TRUE(reading.Ok()) << reading.message;
    EXPECT_DOUBLE_EQ(reading.round.jackpot, 1234.56);
    EXPECT_DOUBLE_EQ(reading.round.real[4][0], 0.5);
    EXPECT_DOUBLE_EQ(reading.round.real[4][2], 0.25);
}

// Each damage alone; the message says what is missing or names the line.
TEST_F(RoundInputsTest, RefusesWhatCannotBeUsed) {
    const std::string good = Rows("50 30 20");
    const struct {
        std::string publicText;  // empty: no public file
        std::string oddsText;    // empty: no odds file
        std::string takings;
        std::string jackpot;
        std::string message;
    } cases[] = {
        {"", "", "2.500.000", "", "Falta el archivo de porcentajes del público."},
        {good, "", " ", "", "Falta la recaudación"},
        {good, "", "0", "", "mayor que 0"},
        {good, "", "2,5e6", "", "La recaudación no es un importe en euros: «2,5e6»"},
        {good, "", "2.500.000", "-5", "El bote no es un importe en euros: «-5»"},
        {Rows("50 30 20", 5, "50 30"), "", "2.500.000", "", "línea 5 del archivo «publico.txt»"},
        {good, Rows("2 4 4", 9, "2 1 4"), "2.500.000", "", "línea 9 del archivo «cuotas.txt»"},
    };
    for (const auto& test : cases) {
        const RoundInputs inputs{
            .publicFile = test.publicText.empty() ? std::filesystem::path()
                                                  : Write("publico.txt", test.publicText),
            .oddsFile = test.oddsText.empty() ? std::filesystem::path()
                                              : Write("cuotas.txt", test.oddsText),
            .forecast = {},
            .takings = test.takings,
            .jackpot = test.jackpot,
            .columnPrice = 0.75};
        EXPECT_THAT(ReadRound(inputs).message, HasSubstr(test.message)) << test.message;
    }
    RoundInputs missing = Good();
    missing.publicFile = folder / "no.txt";
    EXPECT_THAT(ReadRound(missing).message, HasSubstr("«no.txt»"));
}

}  // namespace
