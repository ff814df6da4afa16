#pragma once

#include <array>
#include <cstdint>

namespace lumo {

// One value per match and result: 14 rows (match 1 first) of three values in
// the order 1, X, 2. Used for the percentages of the forecast and for the
// expectation factors in hundredths. No invariant is enforced: values may be
// negative, above 100, and a row need not add up to 100.
struct CForecastTable {
    static constexpr std::array<std::int32_t, 3> kConstructedRow{40, 33, 27};

    CForecastTable();

    std::array<std::array<std::int32_t, 3>, 14> rows;
};

}  // namespace lumo
