#include "text/spanish_numbers.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/bet_cost.h"

using namespace lumo;

namespace {

TEST(SpanishNumbersTest, GroupsDigitsByThreesWithPoints) {
    const std::pair<std::int64_t, std::string_view> cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1.000"},
        {-1000, "-1.000"},
        {4'782'969, "4.782.969"},
        {100'000, "100.000"},
        {std::numeric_limits<std::int64_t>::min(), "-9.223.372.036.854.775.808"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(GroupedNumber(value), text);
    }
}

TEST(SpanishNumbersTest, NounAgreesWithTheCount) {
    EXPECT_EQ(CountWithNoun(1, "columna", "columnas"), "1 columna");
    EXPECT_EQ(CountWithNoun(0, "fila", "filas"), "0 filas");
    EXPECT_EQ(CountWithNoun(230'069, "columna", "columnas"), "230.069 columnas");
}

TEST(SpanishNumbersTest, WritesEurosWithADecimalComma) {
    const std::pair<std::int64_t, std::string_view> cases[] = {
        {75, "0,75 €"},    {0, "0,00 €"},           {-75, "-0,75 €"},
        {-350, "-3,50 €"}, {100'000, "1.000,00 €"}, {17'255'175, "172.551,75 €"},
    };
    for (const auto& [cents, text] : cases) {
        EXPECT_EQ(EurosText(cents), text);
    }
}

TEST(SpanishNumbersTest, WritesSharesAsPercentagesWithOneDecimalRoundedHalfUp) {
    struct Case {
        std::int64_t part;
        std::int64_t whole;
        std::string_view text;
    };
    const Case cases[] = {
        {0, 0, "0,0 %"},
        {0, 7, "0,0 %"},
        {1, 3, "33,3 %"},
        {2, 3, "66,7 %"},
        {1, 2000, "0,1 %"},
        {1, 2001, "0,0 %"},
        {7, 7, "100,0 %"},
        {329'694, 329'695, "100,0 %"},
        {164'848, 329'695, "50,0 %"},
    };
    for (const auto& [part, whole, text] : cases) {
        EXPECT_EQ(PercentText(part, whole), text) << part << " of " << whole;
    }
}

// Three significant digits, so that a rare chance never shows as nothing.
TEST(SpanishNumbersTest, ChancesKeepThreeSignificantDigits) {
    const struct {
        double chance;
        std::string text;
    } cases[] = {
        {0.0, "0 %"},     {1.0, "100 %"},           {0.61749, "61,7 %"},
        {0.05, "5,00 %"}, {1.2345e-5, "0,00123 %"}, {0.999, "99,9 %"},
    };
    for (const auto& [chance, text] : cases) {
        EXPECT_EQ(ChanceText(chance), text) << chance;
    }
}

TEST(SpanishNumbersTest, TheCostOfABetIsItsColumnsAtThePriceOnTicketsOfEight) {
    const BetCost cost = CostOf(230'069, kDefaultColumnPriceCents);
    EXPECT_EQ(EurosText(cost.cents), "172.551,75 €");
    EXPECT_EQ(cost.tickets, 28'759);
    EXPECT_EQ(CostOf(8, 75).tickets, 1);
    EXPECT_EQ(CostOf(0, 75).tickets, 0);
}

TEST(SpanishNumbersTest, ReadsTypedEurosAndRefusesWhatItWouldHaveToGuess) {
    const std::pair<std::string_view, std::optional<std::int64_t>> cases[] = {
        {"0,75", 75},
        {"0.75", 75},
        {"12", 1200},
        {" 1500,5 € ", 150'050},
        {"3€", 300},
        {"1.5", 150},
        {"150.5", 15'050},
        {"1.500", 150'000},
        {"2.500,00", 250'000},
        {"1.234.567,89", 123'456'789},
        {"999.999.999.999", 99'999'999'999'900},
        {"", std::nullopt},
        {"-1", std::nullopt},
        {"0,755", std::nullopt},
        {"1,505", std::nullopt},
        {",5", std::nullopt},
        {"5,", std::nullopt},
        {"5.", std::nullopt},
        {"1 000", std::nullopt},
        {"1.50.000", std::nullopt},
        {"1.5000", std::nullopt},
        {"1500.500", std::nullopt},
        {"0.750", std::nullopt},
        {"1.500.5", std::nullopt},
        {"1.5,00", std::nullopt},
        {"1,500.00", std::nullopt},
        {"1.000.000.000.000", std::nullopt},
        {"9999999999999", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& [text, cents] : cases) {
        EXPECT_EQ(ParseEuros(text), cents) << text;
    }
}

}  // namespace
