#include "reduction/internal/greedy_cover.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>

#include "core/distance_ball.h"
#include "core/progress.h"
#include "reduction/internal/chunk_team.h"
#include "reduction/internal/gain_heap.h"
#include "reduction/internal/phase_control.h"
#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

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

// The gains of the bet's columns in a heap, by preference among equal
// gains (ByPreference).
GainHeap FirstHeap(const BetIndex& bet, const std::vector<std::int64_t>& gain) {
    const std::vector<std::int32_t> byPreference = ByPreference(bet);
    std::vector<GainEntry> entries(byPreference.size());
    for (std::size_t rank = 0; rank < byPreference.size(); ++rank) {
        const std::int32_t id = byPreference[rank];
        entries[rank] = {gain[static_cast<std::size_t>(id)], static_cast<std::int32_t>(rank), id};
    }
    return GainHeap(entries);
}

// The local sphere bound from the most columns a column reaching each one
// reaches.
std::int32_t LocalSphereBound(const std::vector<std::int32_t>& most) {
    double sum = 0;
    for (const std::int32_t count : most) {
        sum += 1.0 / count;
    }
    // Rounding of the sum stays far below this margin.
    constexpr double kMargin = 1e-6;
    return static_cast<std::int32_t>(std::ceil(sum - kMargin));
}

// The greedy covering under way: the columns chosen, which bet columns they
// cover, and every column's gain (the weight of the uncovered columns in its
// ball), with the team that shares large updates of the gains.
class GreedyRun {
  public:
    GreedyRun(const CoverInstance& instance, std::vector<std::int64_t> weight,
              std::vector<std::int64_t> gain, const ProgressSink& progress)
        : instance(instance),
          weight(std::move(weight)),
          gain(std::move(gain)),
          covered(static_cast<std::size_t>(instance.Size()), 0),
          ball(BallSize(instance.radius)),
          sharedFrom(instance.bet.KeptRadius() == instance.radius ? tuning::kSharedKeptUpdate
                                                                  : tuning::kSharedWalkedUpdate),
          counter(instance.Size(), progress) {}

    bool Complete() const { return coveredCount == instance.Size(); }
    std::int64_t Gain(std::int32_t id) const { return gain[static_cast<std::size_t>(id)]; }
    // The chosen columns, increasing.
    std::vector<std::int32_t> Chosen() && {
        std::sort(chosen.begin(), chosen.end());
        return std::move(chosen);
    }

    // Takes a column: covers its ball and lowers the gains of every column
    // reaching a newly covered one by its weight. A large update is shared
    // by the team; two members may reach the same column, hence the atomic
    // subtraction there.
    void Take(std::int32_t id) {
        chosen.push_back(id);
        fresh.clear();
        instance.ForEachNear(id, [&](std::int32_t near) {
            if (covered[static_cast<std::size_t>(near)] == 0) {
                covered[static_cast<std::size_t>(near)] = 1;
                fresh.push_back(near);
            }
        });
        coveredCount += static_cast<std::int32_t>(fresh.size());
        const auto count = static_cast<std::int32_t>(fresh.size());
        if (count * ball < sharedFrom) {
            Lower(0, count, [](std::int64_t& to, std::int64_t lost) { to -= lost; });
        } else {
            team.Run(count, [&](std::int32_t begin, std::int32_t end) {
                Lower(begin, end, [](std::int64_t& to, std::int64_t lost) {
                    std::atomic_ref<std::int64_t>(to).fetch_sub(lost, std::memory_order_relaxed);
                });
            });
        }
        counter.At(coveredCount);
    }

  private:
    // Lowers the gains around the fresh columns begin..end-1 by their weights.
    template <typename Subtract>
    void Lower(std::int32_t begin, std::int32_t end, Subtract subtract) {
        for (std::int32_t i = begin; i < end; ++i) {
            const std::int32_t near = fresh[static_cast<std::size_t>(i)];
            const std::int64_t lost = weight[static_cast<std::size_t>(near)];
            instance.ForEachNear(near, [&](std::int32_t other) {
                subtract(gain[static_cast<std::size_t>(other)], lost);
            });
        }
    }

    CoverInstance instance;
    std::vector<std::int64_t> weight;
    std::vector<std::int64_t> gain;
    std::vector<std::uint8_t> covered;
    std::vector<std::int32_t> chosen;
    std::int32_t coveredCount = 0;
    std::vector<std::int32_t> fresh;  // the columns the last take covered
    ChunkTeam team;
    std::int64_t ball;
    std::int64_t sharedFrom;
    ProgressCounter counter;
};

}  // namespace

std::vector<std::int64_t> CoverWeights(const std::vector<std::int32_t>& degree) {
    // 2^40 / deg^2 stays above 10^4 for the largest ball of radius 3 and
    // keeps a ball's sum far below 2^63.
    constexpr std::int64_t kUnit = std::int64_t{1} << 40;
    std::vector<std::int64_t> weight(degree.size());
    for (std::size_t id = 0; id < degree.size(); ++id) {
        const std::int64_t d = degree[id];
        weight[id] = std::max<std::int64_t>(1, kUnit / (d * d));
    }
    return weight;
}

GreedyCovering GreedyCover(const CoverInstance& instance, const std::vector<std::int32_t>& seeds,
                           const std::stop_token& stop, const ProgressSink& progress) {
    // The preparation reports its steps; the columns covered fill the rest.
    const auto prepared = [&progress](std::int32_t position) {
        if (progress) {
            progress(position);
        }
    };
    prepared(0);
    const std::vector<std::int32_t> degree = instance.bet.CountsNear(instance.radius);
    prepared(tuning::kGreedyDegreesShare);
    std::vector<std::int64_t> weight = CoverWeights(degree);
    // Every column's first gain, and the most columns any column reaching
    // it covers (the balls are symmetric) for the local sphere bound.
    BallSummaries balls = instance.bet.SummariseBalls(instance.radius, weight, degree);
    // Gains only fall, so a heap entry's gain is never below the current
    // one: an entry found out of date is lowered to the current gain.
    GainHeap heap = FirstHeap(instance.bet, balls.sums);
    GreedyRun run(instance, std::move(weight), std::move(balls.sums),
                  Scaled(progress, tuning::kGreedyPreparationShare, 100));
    // A seed's gain falls to nothing when it is taken, so the heap drops its
    // entry when it comes to the top.
    for (const std::int32_t id : seeds) {
        if (stop.stop_requested()) {
            break;
        }
        run.Take(id);
    }
    while (!run.Complete() && !stop.stop_requested()) {
        const GainEntry top = heap.Top();
        const std::int64_t current = run.Gain(top.id);
        if (top.gain != current) {
            if (current > 0) {
                heap.LowerTop({current, top.rank, top.id});
            } else {
                heap.Pop();
            }
            continue;
        }
        heap.Pop();
        run.Take(top.id);
    }
    const bool complete = run.Complete();
    return {.chosen = std::move(run).Chosen(),
            .lowerBound = LocalSphereBound(balls.most),
            .complete = complete};
}

void DropRedundant(const CoverInstance& instance, std::vector<std::int32_t>& cover) {
    const BetIndex& bet = instance.bet;
    std::vector<std::int32_t> times(static_cast<std::size_t>(bet.Size()), 0);
    for (const std::int32_t id : cover) {
        instance.ForEachNear(
            id, [&times](std::int32_t near) { ++times[static_cast<std::size_t>(near)]; });
    }
    std::vector<std::int32_t> trial = cover;
    std::sort(trial.begin(), trial.end(), [&bet](std::int32_t a, std::int32_t b) {
        return bet.ScoreOf(a) < bet.ScoreOf(b) || (bet.ScoreOf(a) == bet.ScoreOf(b) && a > b);
    });
    std::vector<std::int32_t> dropped;
    for (const std::int32_t id : trial) {
        bool needed = false;
        instance.ForEachNear(id, [&](std::int32_t near) {
            needed = needed || times[static_cast<std::size_t>(near)] == 1;
        });
        if (!needed) {
            instance.ForEachNear(
                id, [&times](std::int32_t near) { --times[static_cast<std::size_t>(near)]; });
            dropped.push_back(id);
        }
    }
    std::sort(dropped.begin(), dropped.end());
    std::erase_if(cover, [&dropped](std::int32_t id) {
        return std::binary_search(dropped.begin(), dropped.end(), id);
    });
}

}  // namespace lumo::internal
