#include "text/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lumo;

namespace {

TEST(DecimalTextTest, TakesAPointOrACommaAndNothingElse) {
    const struct {
        const char* text;
        std::size_t mostDecimals;
        double value;  // NaN: refused
    } cases[] = {
        {"0,0625", 16, 0.0625}, {"1.25", 2, 1.25},   {"7", 0, 7.0},  {"0,12345", 4, NAN},
        {"-1", 9, NAN},         {"1.234,5", 9, NAN}, {",5", 9, NAN}, {"3,", 9, NAN},
        {"", 9, NAN},           {"1e3", 9, NAN},     {" 2", 9, NAN}, {"1234567890123", 9, NAN},
    };
    for (const auto& test : cases) {
        const std::optional<double> value = ParseDecimal(test.text, test.mostDecimals);
        if (std::isnan(test.value)) {
            EXPECT_FALSE(value.has_value()) << test.text;
        } else {
            EXPECT_EQ(value, test.value) << test.text;
        }
    }
}

}  // namespace
