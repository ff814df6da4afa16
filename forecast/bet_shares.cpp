#include "forecast/bet_shares.h"

#include <algorithm>

#include "forecast/forecast_text.h"

CForecastTable ComputeBetShares(const CColumnSet& bet) {
    CForecastTable shares;
    for (auto& row : shares.rows) {
        row.fill(0);
    }
    const std::int32_t counted = std::min(bet.Count(), kShareColumns);
    for (std::int32_t i = 0; i < counted; ++i) {
        const auto& results = bet[i].results;
        for (std::size_t m = 0; m < results.size(); ++m) {
            ++shares.rows[m][std::min<std::size_t>(results[m], 2)];
        }
    }
    if (counted > 0) {
        for (auto& row : shares.rows) {
            for (auto& cell : row) {
                cell = cell * 100 / counted;
            }
        }
    }
    return shares;
}

std::array<std::string, kMatches> BetShareRowTexts(const CColumnSet& bet) {
    return ForecastRowTexts(ComputeBetShares(bet));
}
