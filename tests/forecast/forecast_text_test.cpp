#include "forecast/forecast_text.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

CForecastTable TableWithFirstRow(std::array<std::int32_t, 3> row) {
    CForecastTable table;
    table.rows[0] = row;
    return table;
}

TEST(ForecastRowTextsTest, PadsToTwoDigits) {
    const auto texts = ForecastRowTexts(TableWithFirstRow({5, 100, 0}));
    EXPECT_EQ(texts[0], "05 100 00");
    EXPECT_EQ(texts[13], "40 33 27");
    EXPECT_EQ(ForecastRowTexts(TableWithFirstRow({-5, INT32_MIN, INT32_MAX}))[0],
              "-5 -2147483648 2147483647");
}

TEST(ExpectationRowTextsTest, ScalesInSinglePrecision) {
    EXPECT_EQ(ExpectationRowTexts(TableWithFirstRow({150, 100, 0}))[0], "1.5 1.0 0.0");
    EXPECT_EQ(ExpectationRowTexts(CForecastTable())[13], "0.4 0.3 0.3");
    // In double precision these would show as 0.1 0.4 1.0.
    EXPECT_EQ(ExpectationRowTexts(TableWithFirstRow({5, 35, 95}))[0], "0.0 0.3 0.9");
    EXPECT_EQ(ExpectationRowTexts(TableWithFirstRow({-250, INT32_MAX, INT32_MIN}))[0],
              "-2.5 21474836.0 -21474836.0");
}

}  // namespace
