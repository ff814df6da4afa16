#include "reduction/internal/tabu_cover.h"

#include <algorithm>
#include <limits>
#include <random>

#include "reduction/internal/random_pick.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/search_clock.h"
#include "reduction/internal/swap_state.h"

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
    std::mt19937 engine(seed);
    std::uniform_int_distribution<std::int64_t> tenure(tuning::kTenureMin, tuning::kTenureEnd - 1);
    SwapState state(instance, cover, StateUpkeep::kWeights);
    std::vector<std::int64_t> frozenUntil(static_cast<std::size_t>(instance.Size()), 0);
    const auto frozen = [&frozenUntil](std::int32_t id, std::int64_t step) {
        return frozenUntil[static_cast<std::size_t>(id)] > step;
    };
    std::vector<std::int32_t> best = cover;
    std::vector<std::int32_t> candidates;
    std::vector<std::int32_t> sharers;
    std::vector<std::int64_t> shared(static_cast<std::size_t>(instance.Size()), 0);
    for (std::int64_t step = 0; step < limit.moves; ++step) {
        if (clock.Expired(step)) {
            break;
        }
        if (step > 0 && step % tuning::kStepsPerHalving == 0) {
            state.HalveRaises();
        }
        if (state.Uncovered().size() > tuning::kMostUncovered) {
            while (!state.Uncovered().empty()) {
                state.Add(state.BestCoverOf(Pick(state.Uncovered(), engine)));
            }
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
        instance.ForEachNear(hole, [&](std::int32_t near) {
            if (!frozen(near, step)) {
                candidates.push_back(near);
            }
        });
        if (candidates.empty()) {
            instance.ForEachNear(hole, [&](std::int32_t near) { candidates.push_back(near); });
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
