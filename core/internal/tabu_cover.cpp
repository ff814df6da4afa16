#include "core/internal/tabu_cover.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <random>

#include "core/internal/search_clock.h"

namespace {

// Steps between two looks at the clock and the stop token.
constexpr std::int64_t kStepsPerClockCheck = 16;
// The weight of a bet column at the start and the most it rises to: a
// column uncovered for long counts up to three covered ones, enough to move
// the search on without letting the uncovered ones pile up.
constexpr std::int64_t kBaseWeight = 100;
constexpr std::int64_t kWeightCap = 3 * kBaseWeight;
// Steps during which a column that changed cannot change back: the shortest
// and one past the longest.
constexpr std::int64_t kTenureMin = 2;
constexpr std::int64_t kTenureEnd = 8;

// A covering under change, with what a swap needs at hand: for every bet
// column how many chosen columns reach it and the sum of their numbers (so
// a column reached once knows its coverer), its weight, the weight a column
// would newly cover if added (gain) and, for a chosen column, the weight
// only it covers (loss).
class SwapState {
  public:
    SwapState(const BetIndex& bet, std::int32_t radius, const std::vector<std::int32_t>& start)
        : bet(bet),
          radius(radius),
          reach(Size(), 0),
          coverSum(Size(), 0),
          weight(Size(), kBaseWeight),
          gain(Size(), 0),
          loss(Size(), 0),
          slotInCover(Size(), -1),
          slotOfUncovered(Size(), -1) {
        for (const std::int32_t id : start) {
            slotInCover[At(id)] = static_cast<std::int32_t>(cover.size());
            cover.push_back(id);
            bet.ForEachNear(id, radius, [&](std::int32_t near) {
                ++reach[At(near)];
                coverSum[At(near)] += id;
            });
        }
        for (std::int32_t id = 0; id < bet.Size(); ++id) {
            if (reach[At(id)] == 1) {
                loss[At(static_cast<std::int32_t>(coverSum[At(id)]))] += weight[At(id)];
            } else if (reach[At(id)] == 0) {
                AddUncovered(id);
                Spread(id, weight[At(id)]);
            }
        }
        for (const std::int32_t id : cover) {
            byLoss.emplace(loss[At(id)], id);
        }
    }

    void Add(std::int32_t id) {
        slotInCover[At(id)] = static_cast<std::int32_t>(cover.size());
        cover.push_back(id);
        bet.ForEachNear(id, radius, [&](std::int32_t near) {
            const std::int32_t before = reach[At(near)]++;
            if (before == 1) {
                ChangeLoss(static_cast<std::int32_t>(coverSum[At(near)]), -weight[At(near)]);
            }
            coverSum[At(near)] += id;
            if (before == 0) {
                RemoveUncovered(near);
                loss[At(id)] += weight[At(near)];
                Spread(near, -weight[At(near)]);
            }
        });
        ChangeLoss(id, 0);
    }

    void Remove(std::int32_t id) {
        const auto slot = static_cast<std::size_t>(slotInCover[At(id)]);
        cover[slot] = cover.back();
        slotInCover[At(cover[slot])] = static_cast<std::int32_t>(slot);
        cover.pop_back();
        slotInCover[At(id)] = -1;
        loss[At(id)] = 0;
        bet.ForEachNear(id, radius, [&](std::int32_t near) {
            coverSum[At(near)] -= id;
            const std::int32_t after = --reach[At(near)];
            if (after == 1) {
                ChangeLoss(static_cast<std::int32_t>(coverSum[At(near)]), weight[At(near)]);
            } else if (after == 0) {
                AddUncovered(near);
                Spread(near, weight[At(near)]);
            }
        });
    }

    // Adds one to the weight of every uncovered column below the cap.
    void RaiseUncovered() {
        for (const std::int32_t id : uncovered) {
            if (weight[At(id)] < kWeightCap) {
                ++weight[At(id)];
                Spread(id, 1);
            }
        }
    }

    // Calls visit(coverer, weight) for every column within `radius` of `id`
    // that exactly one chosen column reaches.
    template <typename Visit>
    void ForEachSoleCover(std::int32_t id, Visit&& visit) const {
        bet.ForEachNear(id, radius, [&](std::int32_t near) {
            if (reach[At(near)] == 1) {
                visit(static_cast<std::int32_t>(coverSum[At(near)]), weight[At(near)]);
            }
        });
    }

    // The chosen column of least loss for which excluded(id) is false, or -1.
    template <typename Excluded>
    std::int32_t Cheapest(Excluded&& excluded) {
        std::int32_t found = -1;
        while (found < 0 && !byLoss.empty()) {
            const auto [entryLoss, id] = byLoss.top();
            if (!InCover(id) || loss[At(id)] != entryLoss) {
                byLoss.pop();
            } else if (excluded(id)) {
                setAside.push_back(byLoss.top());
                byLoss.pop();
            } else {
                found = id;
            }
        }
        for (const auto& entry : setAside) {
            byLoss.push(entry);
        }
        setAside.clear();
        return found;
    }

    bool InCover(std::int32_t id) const { return slotInCover[At(id)] >= 0; }
    std::int64_t Gain(std::int32_t id) const { return gain[At(id)]; }
    std::int64_t Loss(std::int32_t id) const { return loss[At(id)]; }
    const std::vector<std::int32_t>& Cover() const { return cover; }
    const std::vector<std::int32_t>& Uncovered() const { return uncovered; }

  private:
    using LossEntry = std::pair<std::int64_t, std::int32_t>;

    // Changes a chosen column's loss and files it under the new one; the
    // file is rebuilt when out-of-date entries outnumber the others.
    void ChangeLoss(std::int32_t id, std::int64_t delta) {
        loss[At(id)] += delta;
        if (byLoss.size() > 4 * cover.size() + 1024) {
            std::vector<LossEntry> entries;
            entries.reserve(cover.size());
            for (const std::int32_t chosen : cover) {
                entries.emplace_back(loss[At(chosen)], chosen);
            }
            byLoss = decltype(byLoss)(std::greater<LossEntry>{}, std::move(entries));
        } else {
            byLoss.emplace(loss[At(id)], id);
        }
    }

    std::size_t Size() const { return static_cast<std::size_t>(bet.Size()); }
    static std::size_t At(std::int32_t id) { return static_cast<std::size_t>(id); }

    // Adds `delta` to the gain of every column reaching uncovered column `id`.
    void Spread(std::int32_t id, std::int64_t delta) {
        bet.ForEachNear(id, radius, [&](std::int32_t near) { gain[At(near)] += delta; });
    }
    void AddUncovered(std::int32_t id) {
        slotOfUncovered[At(id)] = static_cast<std::int32_t>(uncovered.size());
        uncovered.push_back(id);
    }
    void RemoveUncovered(std::int32_t id) {
        const auto slot = static_cast<std::size_t>(slotOfUncovered[At(id)]);
        uncovered[slot] = uncovered.back();
        slotOfUncovered[At(uncovered[slot])] = static_cast<std::int32_t>(slot);
        uncovered.pop_back();
    }

    const BetIndex& bet;
    std::int32_t radius;
    std::vector<std::int32_t> reach;
    std::vector<std::int64_t> coverSum;
    std::vector<std::int64_t> weight;
    std::vector<std::int64_t> gain;
    std::vector<std::int64_t> loss;
    std::vector<std::int32_t> slotInCover;
    std::vector<std::int32_t> slotOfUncovered;
    std::vector<std::int32_t> cover;
    std::vector<std::int32_t> uncovered;
    std::priority_queue<LossEntry, std::vector<LossEntry>, std::greater<LossEntry>> byLoss;
    std::vector<LossEntry> setAside;
};

template <typename Engine>
std::int32_t Pick(const std::vector<std::int32_t>& items, Engine& engine) {
    std::uniform_int_distribution<std::size_t> pick(0, items.size() - 1);
    return items[pick(engine)];
}

}  // namespace

std::vector<std::int32_t> TabuImproveCover(const BetIndex& bet, std::int32_t radius,
                                           std::vector<std::int32_t> cover,
                                           const SearchLimit& limit, std::uint32_t seed) {
    std::sort(cover.begin(), cover.end());
    SearchClock clock(limit, kStepsPerClockCheck);
    const std::size_t enough = std::max<std::size_t>(limit.enough, 1);
    if (cover.size() <= enough || limit.time <= std::chrono::steady_clock::duration::zero() ||
        limit.moves <= 0) {
        return cover;
    }
    std::mt19937 engine(seed);
    std::uniform_int_distribution<std::int64_t> tenure(kTenureMin, kTenureEnd - 1);
    SwapState state(bet, radius, cover);
    std::vector<std::int64_t> frozenUntil(static_cast<std::size_t>(bet.Size()), 0);
    const auto frozen = [&frozenUntil](std::int32_t id, std::int64_t step) {
        return frozenUntil[static_cast<std::size_t>(id)] > step;
    };
    std::vector<std::int32_t> best = cover;
    std::vector<std::int32_t> candidates;
    std::vector<std::int32_t> sharers;
    std::vector<std::int64_t> shared(static_cast<std::size_t>(bet.Size()), 0);
    for (std::int64_t step = 0; step < limit.moves; ++step) {
        if (clock.Expired(step)) {
            break;
        }
        if (state.Uncovered().empty()) {
            if (state.Cover().size() < best.size()) {
                best = state.Cover();
                if (best.size() <= enough) {
                    break;
                }
            }
            state.Remove(state.Cheapest([](std::int32_t) { return false; }));
            continue;
        }
        // The best swap of an unfrozen column reaching a random uncovered one
        // against a chosen column: the cheapest unfrozen one, or one whose
        // sole coverage the new column shares.
        const std::int32_t hole = Pick(state.Uncovered(), engine);
        candidates.clear();
        bet.ForEachNear(hole, radius, [&](std::int32_t near) {
            if (!frozen(near, step)) {
                candidates.push_back(near);
            }
        });
        if (candidates.empty()) {
            bet.ForEachNear(hole, radius, [&](std::int32_t near) { candidates.push_back(near); });
        }
        const std::int32_t cheapest =
            state.Cheapest([&](std::int32_t id) { return frozen(id, step); });
        std::int32_t added = -1;
        std::int32_t removed = -1;
        std::int64_t bestScore = std::numeric_limits<std::int64_t>::min();
        std::int64_t bestRecency = 0;
        // Among equal swaps, the one whose columns changed longest ago.
        const auto offer = [&](std::int32_t in, std::int32_t out, std::int64_t score) {
            const std::int64_t recency =
                frozenUntil[static_cast<std::size_t>(in)] +
                (out >= 0 ? frozenUntil[static_cast<std::size_t>(out)] : 0);
            if (score > bestScore || (score == bestScore && recency < bestRecency)) {
                bestScore = score;
                bestRecency = recency;
                added = in;
                removed = out;
            }
        };
        // No swap scores above the gain of the column it adds: by falling
        // gain, the columns left once their gain is below the best score
        // cannot beat it.
        std::sort(candidates.begin(), candidates.end(), [&state](std::int32_t a, std::int32_t b) {
            return state.Gain(a) > state.Gain(b);
        });
        for (const std::int32_t candidate : candidates) {
            const std::int64_t gain = state.Gain(candidate);
            if (gain < bestScore) {
                break;
            }
            offer(candidate, cheapest, cheapest >= 0 ? gain - state.Loss(cheapest) : gain);
            state.ForEachSoleCover(candidate, [&](std::int32_t coverer, std::int64_t weight) {
                if (shared[static_cast<std::size_t>(coverer)] == 0) {
                    sharers.push_back(coverer);
                }
                shared[static_cast<std::size_t>(coverer)] += weight;
            });
            for (const std::int32_t sharer : sharers) {
                if (!frozen(sharer, step)) {
                    offer(candidate, sharer,
                          gain - state.Loss(sharer) + shared[static_cast<std::size_t>(sharer)]);
                }
                shared[static_cast<std::size_t>(sharer)] = 0;
            }
            sharers.clear();
        }
        state.Add(added);
        frozenUntil[static_cast<std::size_t>(added)] = step + tenure(engine);
        if (removed >= 0) {
            state.Remove(removed);
            frozenUntil[static_cast<std::size_t>(removed)] = step + tenure(engine);
        }
        state.RaiseUncovered();
    }
    std::sort(best.begin(), best.end());
    return best;
}
