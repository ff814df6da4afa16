#include "core/column_predicates.h"

#include <cstddef>

namespace lumo {

NoZeroPercent::NoZeroPercent(const CForecastTable& table) {
    for (std::size_t m = 0; m < allowed.size(); ++m) {
        for (std::size_t code = 0; code < 3; ++code) {
            if (table.rows[m][code] != 0) {
                allowed[m] |= static_cast<std::uint8_t>(1U << code);
            }
        }
    }
}

bool NoZeroPercent::operator()(const CColumn& column) const {
    bool keep = true;
    for (std::size_t m = 0; m < allowed.size(); ++m) {
        keep &= ((unsigned{allowed[m]} >> column.results[m]) & 1U) != 0;
    }
    return keep;
}

IsProfitable::IsProfitable(double threshold, const CForecastTable& table)
    : threshold(threshold), table(table) {}

bool IsProfitable::operator()(const CColumn& column) const {
    return column.Probability(table) > threshold;
}

}  // namespace lumo
