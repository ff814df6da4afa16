#include "value/expectation_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "forecast/forecast_file.h"

using namespace lumo;

namespace {

// Factors round to the nearest hundredth, and the window's own reader takes
// the written text back as the same table.
TEST(ExpectationTableTest, FactorsAreRoundedRatiosTheWindowReadsBack) {
    MatchTable real{};
    MatchTable shares{};
    real.fill({0.5, 0.3, 0.2});
    shares.fill({0.25, 0.3, 0.45});
    real[13] = {0.9995, 0.0004, 0.0001};
    shares[13] = {0.4, 0.0001, 0.5999};
    const CForecastTable table = ExpectationTableOf(real, shares);
    EXPECT_EQ(table.rows[0], (std::array<std::int32_t, 3>{200, 100, 44}));
    EXPECT_EQ(table.rows[13], (std::array<std::int32_t, 3>{250, 400, 0}));

    const std::string text = ExpectationFileText(table);
    EXPECT_EQ(text.substr(0, 11), "200 100 44\n");
    std::istringstream in(text);
    EXPECT_EQ(LoadExpectation(in).rows, table.rows);
}

}  // namespace
