#include "value/expectation_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumo {

CForecastTable ExpectationTableOf(const MatchTable& real, const MatchTable& publicShares) {
    constexpr double kLargest = std::numeric_limits<std::int32_t>::max();
    CForecastTable table;
    for (std::size_t match = 0; match < table.rows.size(); ++match) {
        for (std::size_t sign = 0; sign < 3; ++sign) {
            const double factor = 100.0 * real[match][sign] / publicShares[match][sign];
            table.rows[match][sign] =
                static_cast<std::int32_t>(std::min(std::round(factor), kLargest));
        }
    }
    return table;
}

std::string ExpectationFileText(const CForecastTable& table) {
    std::string text;
    for (const auto& row : table.rows) {
        text += std::to_string(row[0]) + ' ' + std::to_string(row[1]) + ' ' +
                std::to_string(row[2]) + '\n';
    }
    return text;
}

}  // namespace lumo
