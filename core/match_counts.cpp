#include "core/match_counts.h"

#include <algorithm>

namespace lumo {

MatchCounts CountResultsPerMatch(std::span<const CColumn> columns) {
    MatchCounts counts{};
    for (const CColumn& column : columns) {
        for (std::size_t match = 0; match < counts.size(); ++match) {
            ++counts[match][std::min<std::size_t>(column.results[match], kAwayWin)];
        }
    }
    return counts;
}

}  // namespace lumo
