#include "value/value_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "value/value_euros.h"

using namespace lumo;
using ::testing::StartsWith;

namespace {

TEST(ValueTextsTest, AProfitOnlyWhenTheValueExceedsTheCost) {
    EXPECT_EQ(ValueAgainstCost(1234.56, 2000.0),
              "Valor esperado: 1.234,56 € por 2.000,00 € jugados (61,7 %)");
    EXPECT_THAT(ValueVerdict(1234.56, 2000.0),
                StartsWith("No rentable: en promedio se pierden 765,44 €"));
    EXPECT_THAT(ValueVerdict(2000.0, 2000.0), StartsWith("No rentable"));
    EXPECT_THAT(ValueVerdict(2000.5, 2000.0), StartsWith("Rentable en promedio"));
}

TEST(ValueTextsTest, ValuesTakeUpToFourDecimals) {
    const struct {
        const char* typed;
        double euros;  // NaN: refused
    } cases[] = {{"0,3390", 0.339}, {"1.25", 1.25}, {" 2 € ", 2.0},   {"7", 7.0},
                 {"0,33901", NAN},  {"-1", NAN},    {"1.234,5", NAN}, {",5", NAN},
                 {"3,", NAN},       {"", NAN},      {"1e3", NAN}};
    for (const auto& test : cases) {
        const std::optional<double> euros = ParseValueEuros(test.typed);
        if (std::isnan(test.euros)) {
            EXPECT_FALSE(euros.has_value()) << test.typed;
        } else {
            EXPECT_EQ(euros, test.euros) << test.typed;
        }
    }
}

}  // namespace
