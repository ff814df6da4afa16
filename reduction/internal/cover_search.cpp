#include "reduction/internal/cover_search.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "reduction/internal/random_pick.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/search_clock.h"
#include "reduction/internal/swap_state.h"

namespace lumo::internal {

namespace {

// Removes the covering column whose loss uncovers the fewest columns.
void DropCheapest(SwapState& state) {
    const std::vector<std::int32_t>& cover = state.Cover();
    const auto cheapest =
        std::min_element(cover.begin(), cover.end(), [&state](std::int32_t a, std::int32_t b) {
            return state.SolelyCovered(a) < state.SolelyCovered(b);
        });
    state.Remove(*cheapest);
}

// The local search's moves: its random engine and the scratch lists of a
// move.
class Mover {
  public:
    Mover(const CoverInstance& instance, std::uint32_t seed) : instance(instance), engine(seed) {}

    // Moves a covering column near a random uncovered column onto a bet
    // column that reaches it; a move that uncovers k more is undone unless
    // a draw keeps it, with probability exp(-k / temperature).
    void Move(SwapState& state) {
        const std::int32_t hole = Pick(state.Uncovered(), engine);
        targets.clear();
        instance.ForEachNear(hole, [&](std::int32_t near) { targets.push_back(near); });
        const std::int32_t target = Pick(targets, engine);
        movable.clear();
        instance.ForEachNear(target, [&](std::int32_t near) {
            if (state.InCover(near)) {
                movable.push_back(near);
            }
        });
        const std::int32_t source =
            movable.empty() ? Pick(state.Cover(), engine) : Pick(movable, engine);
        const auto before = static_cast<std::int32_t>(state.Uncovered().size());
        state.Remove(source);
        state.Add(target);
        const auto worse = static_cast<std::int32_t>(state.Uncovered().size()) - before;
        if (worse > 0 && chance(engine) >= std::exp(-worse / tuning::kSearchTemperature)) {
            state.Remove(target);
            state.Add(source);
        }
    }

  private:
    CoverInstance instance;
    std::mt19937 engine;
    std::uniform_real_distribution<double> chance{0.0, 1.0};
    std::vector<std::int32_t> targets;
    std::vector<std::int32_t> movable;
};

}  // namespace

std::vector<std::int32_t> ImproveCover(const CoverInstance& instance,
                                       std::vector<std::int32_t> cover, SearchLimit limit,
                                       std::uint32_t seed) {
    std::sort(cover.begin(), cover.end());
    SearchClock clock(limit, tuning::kMovesPerClockCheck);
    const std::size_t enough = std::max<std::size_t>(limit.enough, 1);
    if (cover.size() <= enough) {
        return cover;
    }
    Mover mover(instance, seed);
    // Filled one by one, so that the uncovered list's order, and with it
    // the search's path, follows the order of the covering.
    SwapState state(instance, {}, StateUpkeep::kReach);
    for (const std::int32_t id : cover) {
        state.Add(id);
    }
    std::vector<std::int32_t> best = cover;
    DropCheapest(state);
    for (std::int64_t move = 0; move < limit.moves && !clock.Expired(move); ++move) {
        if (!state.Uncovered().empty()) {
            mover.Move(state);
            continue;
        }
        best = state.Cover();
        if (best.size() <= enough) {
            break;
        }
        DropCheapest(state);
    }
    std::sort(best.begin(), best.end());
    return best;
}

}  // namespace lumo::internal
