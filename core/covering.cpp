#include "core/covering.h"

bool AnyWithin(const CColumnSet& set, const CColumn& column, std::int32_t distance) {
    for (const CColumn& other : set) {
        if (other.Hits(column) >= kMatches - distance) {
            return true;
        }
    }
    return false;
}

CColumn* PickBestUnmarked(CColumnSet& universe) {
    std::int32_t best = 0;
    CColumn* choice = nullptr;
    const std::int32_t n = universe.Count();
    for (std::int32_t i = 0; i < n; ++i) {
        CColumn& column = universe[i];
        if (column.marked != 0) {
            continue;
        }
        if (i % 10'000 == 0) {
            ReportProgress(static_cast<std::int32_t>(static_cast<std::int64_t>(i) * 100 / n));
        }
        if (column.score > best) {
            best = column.score;
            choice = &column;
        }
    }
    return choice;
}

std::int32_t MarkCovered(CColumnSet& universe, CColumn column, std::int32_t distance) {
    std::int32_t marked = 0;
    const std::int32_t n = universe.Count();
    for (std::int32_t i = 0; i < n; ++i) {
        CColumn& other = universe[i];
        if (other.marked != 0) {
            continue;
        }
        if (i % 10'000 == 0) {
            ReportProgress(static_cast<std::int32_t>(static_cast<std::int64_t>(i) * 100 / n));
        }
        if (other.Hits(column) >= kMatches - distance) {
            other.marked = 1;
            ++marked;
        }
    }
    return marked;
}

CColumn* ReduceStep(CColumnSet& bet, CColumnSet& universe, std::int32_t distance) {
    CColumn* choice = PickBestUnmarked(universe);
    if (choice == nullptr) {
        return nullptr;
    }
    bet.covered += MarkCovered(universe, *choice, distance);
    return choice;
}

std::int32_t HitStatistics(const CColumnSet& set, const CColumn& column, HitCounters& counters,
                           std::int32_t threshold) {
    counters.fill(0);
    std::int32_t result = 0;
    for (const CColumn& other : set) {
        const std::int32_t hits = other.Hits(column);
        if (hits >= 10) {
            ++counters[static_cast<std::size_t>(kMatches - hits)];
        }
        if (hits >= threshold) {
            ++result;
        }
    }
    return result;
}

NotNearKept::NotNearKept(const CColumnSet& kept, std::int32_t distance)
    : kept(kept), distance(distance) {}

bool NotNearKept::operator()(const CColumn& column) { return !AnyWithin(kept, column, distance); }
