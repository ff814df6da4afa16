#include "core/match_counts.h"

MatchCounts CountResultsPerMatch(const CColumnSet& bet) {
    MatchCounts counts{};
    for (const CColumn& column : bet) {
        for (std::size_t match = 0; match < counts.size(); ++match) {
            ++counts[match][column.results[match]];
        }
    }
    return counts;
}
