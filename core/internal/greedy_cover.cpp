#include "core/internal/greedy_cover.h"

#include <algorithm>
#include <numeric>
#include <queue>

#include "core/progress.h"

namespace {

// The bet's numbers ordered by higher score first, then the earlier first.
std::vector<std::int32_t> ByPreference(const BetIndex& bet) {
    std::vector<std::int32_t> order(static_cast<std::size_t>(bet.Size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&bet](std::int32_t a, std::int32_t b) {
        return bet.ScoreOf(a) > bet.ScoreOf(b) || (bet.ScoreOf(a) == bet.ScoreOf(b) && a < b);
    });
    return order;
}

}  // namespace

std::vector<std::int32_t> GreedyCover(const BetIndex& bet, std::int32_t radius,
                                      const std::stop_token& stop, const ProgressSink& progress) {
    const std::int32_t n = bet.Size();
    const auto size = static_cast<std::size_t>(n);
    std::vector<std::int32_t> gain = bet.CountsNear(radius);

    // A heap key: the gain above, the preference rank (higher is better)
    // below, so that the top is the greedy choice. Gains only fall, so a key
    // whose gain is out of date is pushed again with the current one.
    const std::vector<std::int32_t> byPreference = ByPreference(bet);
    const auto key = [n](std::int32_t gainOf, std::int32_t rank) {
        return (static_cast<std::uint64_t>(gainOf) << 32) | static_cast<std::uint32_t>(n - rank);
    };
    std::vector<std::uint64_t> keys(size);
    for (std::int32_t rank = 0; rank < n; ++rank) {
        keys[static_cast<std::size_t>(rank)] =
            key(gain[static_cast<std::size_t>(byPreference[static_cast<std::size_t>(rank)])], rank);
    }
    std::priority_queue<std::uint64_t> heap(std::less<std::uint64_t>{}, std::move(keys));

    std::vector<std::uint8_t> covered(size, 0);
    std::vector<std::int32_t> chosen;
    std::int32_t coveredCount = 0;
    ProgressCounter counter(n, progress);
    while (coveredCount < n && !stop.stop_requested()) {
        const std::uint64_t top = heap.top();
        heap.pop();
        const auto rank = n - static_cast<std::int32_t>(top & 0xFFFF'FFFF);
        const std::int32_t id = byPreference[static_cast<std::size_t>(rank)];
        const std::int32_t current = gain[static_cast<std::size_t>(id)];
        if (static_cast<std::int32_t>(top >> 32) != current) {
            if (current > 0) {
                heap.push(key(current, rank));
            }
            continue;
        }
        chosen.push_back(id);
        bet.ForEachNear(id, radius, [&](std::int32_t near) {
            if (covered[static_cast<std::size_t>(near)] != 0) {
                return;
            }
            covered[static_cast<std::size_t>(near)] = 1;
            ++coveredCount;
            bet.ForEachNear(near, radius, [&gain](std::int32_t other) {
                --gain[static_cast<std::size_t>(other)];
            });
        });
        counter.At(coveredCount);
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void DropRedundant(const BetIndex& bet, std::int32_t radius, std::vector<std::int32_t>& cover) {
    std::vector<std::int32_t> times(static_cast<std::size_t>(bet.Size()), 0);
    for (const std::int32_t id : cover) {
        bet.ForEachNear(id, radius,
                        [&times](std::int32_t near) { ++times[static_cast<std::size_t>(near)]; });
    }
    std::vector<std::int32_t> trial = cover;
    std::sort(trial.begin(), trial.end(), [&bet](std::int32_t a, std::int32_t b) {
        return bet.ScoreOf(a) < bet.ScoreOf(b) || (bet.ScoreOf(a) == bet.ScoreOf(b) && a > b);
    });
    std::vector<std::int32_t> dropped;
    for (const std::int32_t id : trial) {
        bool needed = false;
        bet.ForEachNear(id, radius, [&](std::int32_t near) {
            needed = needed || times[static_cast<std::size_t>(near)] == 1;
        });
        if (!needed) {
            bet.ForEachNear(id, radius, [&times](std::int32_t near) {
                --times[static_cast<std::size_t>(near)];
            });
            dropped.push_back(id);
        }
    }
    std::sort(dropped.begin(), dropped.end());
    std::erase_if(cover, [&dropped](std::int32_t id) {
        return std::binary_search(dropped.begin(), dropped.end(), id);
    });
}
