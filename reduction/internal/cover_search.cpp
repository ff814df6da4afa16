#include "reduction/internal/cover_search.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "reduction/internal/id_list.h"
#include "reduction/internal/random_pick.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/search_clock.h"

namespace {

// A covering being changed: for every bet column, how many columns of the
// covering reach it, and the list of those no column reaches.
class CoverState {
  public:
    explicit CoverState(const CoverInstance& instance)
        : instance(instance),
          reach(static_cast<std::size_t>(instance.Size()), 0),
          uncovered(instance.Size()),
          cover(instance.Size()) {
        for (std::int32_t id = 0; id < instance.Size(); ++id) {
            uncovered.Add(id);
        }
    }

    void Add(std::int32_t id) {
        cover.Add(id);
        instance.ForEachNear(id, [this](std::int32_t near) {
            if (reach[static_cast<std::size_t>(near)]++ == 0) {
                uncovered.Remove(near);
            }
        });
    }
    void Remove(std::int32_t id) {
        cover.Remove(id);
        instance.ForEachNear(id, [this](std::int32_t near) {
            if (--reach[static_cast<std::size_t>(near)] == 0) {
                uncovered.Add(near);
            }
        });
    }
    bool InCover(std::int32_t id) const { return cover.Contains(id); }
    // The number of columns that only `id` reaches.
    std::int32_t OnlyReachedBy(std::int32_t id) const {
        std::int32_t only = 0;
        instance.ForEachNear(id, [&](std::int32_t near) {
            only += reach[static_cast<std::size_t>(near)] == 1 ? 1 : 0;
        });
        return only;
    }

    const std::vector<std::int32_t>& Cover() const { return cover.Items(); }
    const std::vector<std::int32_t>& Uncovered() const { return uncovered.Items(); }

  private:
    CoverInstance instance;
    std::vector<std::int32_t> reach;
    IdList uncovered;
    IdList cover;
};

// Removes the covering column whose loss uncovers the fewest columns.
void DropCheapest(CoverState& state) {
    const std::vector<std::int32_t>& cover = state.Cover();
    const auto cheapest =
        std::min_element(cover.begin(), cover.end(), [&state](std::int32_t a, std::int32_t b) {
            return state.OnlyReachedBy(a) < state.OnlyReachedBy(b);
        });
    state.Remove(*cheapest);
}

}  // namespace

std::vector<std::int32_t> ImproveCover(const CoverInstance& instance,
                                       std::vector<std::int32_t> cover, SearchLimit limit,
                                       std::uint32_t seed) {
    std::sort(cover.begin(), cover.end());
    SearchClock clock(limit, tuning::kMovesPerClockCheck);
    if (cover.size() <= std::max<std::size_t>(limit.enough, 1)) {
        return cover;
    }
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    CoverState state(instance);
    for (const std::int32_t id : cover) {
        state.Add(id);
    }
    std::vector<std::int32_t> best = cover;
    std::vector<std::int32_t> targets;
    std::vector<std::int32_t> movable;
    DropCheapest(state);
    for (std::int64_t move = 0; move < limit.moves; ++move) {
        if (clock.Expired(move)) {
            break;
        }
        if (state.Uncovered().empty()) {
            best = state.Cover();
            if (best.size() <= std::max<std::size_t>(limit.enough, 1)) {
                break;
            }
            DropCheapest(state);
            continue;
        }
        // Move a covering column near a random uncovered column onto a bet
        // column that reaches it.
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
    std::sort(best.begin(), best.end());
    return best;
}
