#include "core/covering.h"

#include <algorithm>

#include "core/distance_ball.h"

namespace lumo {

namespace {

constexpr std::int32_t kProgressStep = 10'000;

// Calls scan(first, last) over consecutive stretches of the set's slots that
// start at the multiples of 10,000, reporting first * 100 / count before a
// stretch whose first column is unmarked (as it is when the stretch begins).
template <typename Scan>
void ScanReportingUnmarked(CColumnSet& universe, Scan&& scan) {
    const std::int32_t n = universe.Count();
    for (std::int32_t first = 0; first < n; first += kProgressStep) {
        if (universe[first].marked == 0) {
            ReportProgress(static_cast<std::int32_t>(std::int64_t{first} * 100 / n));
        }
        scan(&universe[first], &universe[first] + std::min(kProgressStep, n - first));
    }
}

}  // namespace

bool AnyWithin(const CColumnSet& set, const CColumn& column, std::int32_t distance) {
    const internal::ResultWords target = internal::LoadResultWords(column.results);
    return std::any_of(set.begin(), set.end(), [&](const CColumn& other) {
        return internal::CountDifferences(internal::LoadResultWords(other.results), target) <=
               distance;
    });
}

CColumn* PickBestUnmarked(CColumnSet& universe) {
    std::int32_t best = 0;
    CColumn* choice = nullptr;
    ScanReportingUnmarked(universe, [&](CColumn* first, CColumn* last) {
        for (CColumn* column = first; column != last; ++column) {
            if (column->score > best && column->marked == 0) {
                best = column->score;
                choice = column;
            }
        }
    });
    return choice;
}

std::int32_t MarkCovered(CColumnSet& universe, CColumn column, std::int32_t distance) {
    const internal::ResultWords target = internal::LoadResultWords(column.results);
    std::int32_t marked = 0;
    ScanReportingUnmarked(universe, [&](CColumn* first, CColumn* last) {
        for (CColumn* other = first; other != last; ++other) {
            if (other->marked == 0 &&
                internal::CountDifferences(internal::LoadResultWords(other->results), target) <=
                    distance) {
                other->marked = 1;
                ++marked;
            }
        }
    });
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
    : kept(kept), distance(distance), near((kAllColumns + 63) / 64, 0) {}

void NotNearKept::Keep(const CColumn& column) {
    MarkNeighbourhood(column);
    ++keptSoFar;
}

void NotNearKept::MarkNeighbourhood(const CColumn& column) {
    if (distance >= kMatches) {
        std::fill(near.begin(), near.end(), ~std::uint64_t{0});
        return;
    }
    ForEachWithin(column, distance, [this](std::int32_t index) {
        const auto bit = static_cast<std::uint32_t>(index);
        near[bit / 64] |= std::uint64_t{1} << (bit % 64);
    });
}

void NotNearKept::Rebuild() {
    std::fill(near.begin(), near.end(), 0);
    for (const CColumn& column : kept) {
        MarkNeighbourhood(column);
    }
    keptSoFar = kept.Count();
}

}  // namespace lumo
