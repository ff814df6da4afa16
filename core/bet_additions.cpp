#include "core/bet_additions.h"

#include <cstdint>
#include <new>

#include "core/neighbour.h"

namespace lumo {

MemoryOutcome ReserveMore(CColumnSet& bet, std::int64_t more) {
    const std::int64_t needed = static_cast<std::int64_t>(bet.Count()) + more;
    if (needed > INT32_MAX) {
        return MemoryOutcome::kNoMemory;
    }
    try {
        bet.Reserve(static_cast<std::int32_t>(needed));
    } catch (const std::bad_alloc&) {
        return MemoryOutcome::kNoMemory;
    }
    return MemoryOutcome::kDone;
}

MemoryOutcome AppendRandomColumns(CColumnSet& bet, std::int32_t n, const CForecastTable& table) {
    if (n < 0) {
        // A larger number than the count empties the bet.
        bet.Truncate(bet.Count() + n);
        return MemoryOutcome::kDone;
    }
    if (ReserveMore(bet, n) == MemoryOutcome::kNoMemory) {
        return MemoryOutcome::kNoMemory;
    }
    for (std::int32_t i = 0; i < n; ++i) {
        CColumn column;
        column.Randomize(table);
        bet.AppendNoGrow(column);
    }
    return MemoryOutcome::kDone;
}

MemoryOutcome AppendNeighbours(CColumnSet& bet, std::span<const int> keys) {
    if (ReserveMore(bet, static_cast<std::int64_t>(keys.size()) * kNeighbourChanges) ==
        MemoryOutcome::kNoMemory) {
        return MemoryOutcome::kNoMemory;
    }
    for (const int key : keys) {
        if (key >= bet.Count()) {
            continue;  // a row of a column the bet no longer holds
        }
        const CColumn source = bet[key];
        for (std::int32_t change = 0; change < kNeighbourChanges; ++change) {
            bet.AppendNoGrow(Neighbour(source, change));
        }
    }
    return MemoryOutcome::kDone;
}

MemoryOutcome AppendSecondNeighbours(CColumnSet& bet, int key) {
    if (key >= bet.Count()) {
        return MemoryOutcome::kDone;
    }
    if (ReserveMore(bet, kNeighbourChanges * kNeighbourChanges) == MemoryOutcome::kNoMemory) {
        return MemoryOutcome::kNoMemory;
    }
    const CColumn source = bet[key];
    for (std::int32_t outer = 0; outer < kNeighbourChanges; ++outer) {
        const CColumn neighbour = Neighbour(source, outer);
        for (std::int32_t inner = 0; inner < kNeighbourChanges; ++inner) {
            bet.AppendNoGrow(Neighbour(neighbour, inner));
        }
    }
    return MemoryOutcome::kDone;
}

}  // namespace lumo
