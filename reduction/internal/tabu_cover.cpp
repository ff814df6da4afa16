#include "reduction/internal/tabu_cover.h"

#include <algorithm>
#include <limits>
#include <random>

#include "reduction/internal/random_pick.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/search_clock.h"
#include "reduction/internal/swap_state.h"

namespace lumo::internal {

namespace {

// A column to add and a chosen one to remove (-1: none).
struct Swap {
    std::int32_t added = -1;
    std::int32_t removed = -1;
};

// The best swap offered so far: the highest score and, among equal scores,
// the one whose columns changed longest ago.
struct SwapChoice {
    Swap swap;
    std::int64_t score = std::numeric_limits<std::int64_t>::min();
    std::int64_t recency = 0;

    void Offer(const Swap& offered, std::int64_t offeredScore, std::int64_t offeredRecency) {
        if (offeredScore > score || (offeredScore == score && offeredRecency < recency)) {
            swap = offered;
            score = offeredScore;
            recency = offeredRecency;
        }
    }
};

// The swap search between two steps: the covering, the step from which each
// column may change again, and the scratch lists of a step.
class SwapSearch {
  public:
    SwapSearch(const CoverInstance& instance, const std::vector<std::int32_t>& cover,
               std::uint32_t seed)
        : instance(instance),
          state(instance, cover, StateUpkeep::kWeights),
          engine(seed),
          tenure(tuning::kTenureMin, tuning::kTenureEnd - 1),
          frozenUntil(At(instance.Size()), 0),
          shared(At(instance.Size()), 0) {}

    SwapState& State() { return state; }

    // Adds columns of most gain reaching random uncovered ones until none is.
    void Refill() {
        while (!state.Uncovered().empty()) {
            state.Add(state.BestCoverOf(Pick(state.Uncovered(), engine)));
        }
    }

    // The best swap of an unfrozen column reaching a random uncovered one
    // against a chosen column: the cheapest unfrozen one, or one whose sole
    // coverage the new column shares. No swap scores above the gain of the
    // column it adds: by falling gain, the columns left once their gain is
    // below the best score cannot beat it.
    Swap BestSwap(std::int64_t step) {
        CollectCandidates(Pick(state.Uncovered(), engine), step);
        const std::int32_t cheapest =
            state.Cheapest([&](std::int32_t id) { return Frozen(id, step); });
        std::sort(candidates.begin(), candidates.end(),
                  [this](std::int32_t a, std::int32_t b) { return state.Gain(a) > state.Gain(b); });
        SwapChoice choice;
        for (const std::int32_t candidate : candidates) {
            const std::int64_t gain = state.Gain(candidate);
            if (gain < choice.score) {
                break;
            }
            Offer(choice, {candidate, cheapest},
                  cheapest >= 0 ? gain - state.Loss(cheapest) : gain);
            OfferSharers(choice, candidate, step);
        }
        return choice.swap;
    }

    // Makes the swap, forbids both columns to change back for a few steps
    // and raises the weight of every column left uncovered.
    void Make(const Swap& swap, std::int64_t step) {
        state.Add(swap.added);
        frozenUntil[At(swap.added)] = step + tenure(engine);
        if (swap.removed >= 0) {
            state.Remove(swap.removed);
            frozenUntil[At(swap.removed)] = step + tenure(engine);
        }
        state.RaiseUncovered();
    }

  private:
    static std::size_t At(std::int32_t id) { return static_cast<std::size_t>(id); }
    bool Frozen(std::int32_t id, std::int64_t step) const { return frozenUntil[At(id)] > step; }

    // The unfrozen columns reaching `hole`, or all of them when every one
    // is frozen.
    void CollectCandidates(std::int32_t hole, std::int64_t step) {
        candidates.clear();
        instance.ForEachNear(hole, [&](std::int32_t near) {
            if (!Frozen(near, step)) {
                candidates.push_back(near);
            }
        });
        if (candidates.empty()) {
            instance.ForEachNear(hole, [&](std::int32_t near) { candidates.push_back(near); });
        }
    }

    void Offer(SwapChoice& choice, const Swap& swap, std::int64_t score) const {
        const std::int64_t recency =
            frozenUntil[At(swap.added)] + (swap.removed >= 0 ? frozenUntil[At(swap.removed)] : 0);
        choice.Offer(swap, score, recency);
    }

    // Offers `candidate` against every unfrozen chosen column whose sole
    // coverage it shares, scored with the weight it would take over.
    void OfferSharers(SwapChoice& choice, std::int32_t candidate, std::int64_t step) {
        state.ForEachSoleCover(candidate, [&](std::int32_t coverer, std::int64_t weight) {
            if (shared[At(coverer)] == 0) {
                sharers.push_back(coverer);
            }
            shared[At(coverer)] += weight;
        });
        const std::int64_t gain = state.Gain(candidate);
        for (const std::int32_t sharer : sharers) {
            if (!Frozen(sharer, step)) {
                Offer(choice, {candidate, sharer}, gain - state.Loss(sharer) + shared[At(sharer)]);
            }
            shared[At(sharer)] = 0;
        }
        sharers.clear();
    }

    CoverInstance instance;
    SwapState state;
    std::mt19937 engine;
    std::uniform_int_distribution<std::int64_t> tenure;
    std::vector<std::int64_t> frozenUntil;
    std::vector<std::int32_t> candidates;
    std::vector<std::int32_t> sharers;
    std::vector<std::int64_t> shared;
};

}  // namespace

std::vector<std::int32_t> TabuImproveCover(const CoverInstance& instance,
                                           std::vector<std::int32_t> cover,
                                           const SearchLimit& limit, std::uint32_t seed) {
    std::sort(cover.begin(), cover.end());
    SearchClock clock(limit, tuning::kStepsPerClockCheck);
    const std::size_t enough = std::max<std::size_t>(limit.enough, 1);
    if (cover.size() <= enough || limit.time <= std::chrono::steady_clock::duration::zero() ||
        limit.moves <= 0) {
        return cover;
    }
    SwapSearch search(instance, cover, seed);
    SwapState& state = search.State();
    std::vector<std::int32_t> best = cover;
    for (std::int64_t step = 0; step < limit.moves; ++step) {
        if (clock.Expired(step)) {
            break;
        }
        if (step > 0 && step % tuning::kStepsPerHalving == 0) {
            state.HalveRaises();
        }
        if (state.Uncovered().size() > tuning::kMostUncovered) {
            search.Refill();
        }
        if (!state.Uncovered().empty()) {
            search.Make(search.BestSwap(step), step);
            continue;
        }
        if (state.Cover().size() < best.size()) {
            best = state.Cover();
            if (best.size() <= enough) {
                break;
            }
        }
        state.Remove(state.Cheapest([](std::int32_t) { return false; }));
    }
    std::sort(best.begin(), best.end());
    return best;
}

}  // namespace lumo::internal
