#include "core/bet_index.h"

BetIndex::BetIndex(const CColumnSet& bet)
    : members((kAllColumns + 63) / 64, 0), ids(static_cast<std::size_t>(kAllColumns)) {
    for (std::int32_t position = 0; position < bet.Count(); ++position) {
        const CColumn& column = bet[position];
        for (std::size_t m = 0; m < used.size(); ++m) {
            used[m] = static_cast<std::uint8_t>(used[m] | (1U << column.results[m]));
        }
        const std::int32_t index = column.Index();
        if (Contains(index)) {
            continue;
        }
        const auto bit = static_cast<std::uint32_t>(index);
        members[bit / 64] |= std::uint64_t{1} << (bit % 64);
        ids[bit] = Size();
        indices.push_back(index);
        positions.push_back(position);
        scores.push_back(bet[position].score);
    }
}
