#include "forecast/bet_shares.h"

#include <algorithm>

#include "core/match_counts.h"
#include "forecast/forecast_text.h"

namespace lumo {

CForecastTable ComputeBetShares(const CColumnSet& bet) {
    const std::int32_t counted = std::min(bet.Count(), kMaxListedColumns);
    CForecastTable shares;
    shares.rows = CountResultsPerMatch({bet.begin(), static_cast<std::size_t>(counted)});
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

}  // namespace lumo
