#include "codes/internal/syndrome_cover.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace lumo::internal {

namespace {

// Steps a changed syndrome stays put: at least this, plus up to as many more.
constexpr std::int64_t kTenure = 3;
// The step of a syndrome never changed: long before any tenure ends.
constexpr std::int64_t kNeverChanged = -(std::int64_t{1} << 40);

// The search's state: the chosen syndromes, how often each syndrome is
// covered, the uncovered ones, and each syndrome's gain (the uncovered ones
// in its ball).
class CoverState {
  public:
    explicit CoverState(const SyndromeSpace& space)
        : space(space),
          covered(static_cast<std::size_t>(space.Size()), 0),
          gain(static_cast<std::size_t>(space.Size()),
               static_cast<std::int32_t>(space.Ball().size())),
          chosen(static_cast<std::size_t>(space.Size()), 0),
          where(static_cast<std::size_t>(space.Size())),
          changed(static_cast<std::size_t>(space.Size()), kNeverChanged) {
        for (std::int32_t s = 0; s < space.Size(); ++s) {
            where[static_cast<std::size_t>(s)] = s;
            uncovered.push_back(s);
        }
    }

    void Add(std::int32_t s) {
        chosen[Slot(s)] = 1;
        members.push_back(s);
        ForBall(s, [this](std::int32_t z) {
            if (covered[Slot(z)]++ == 0) {
                Uncovered(z, -1);
            }
        });
    }

    void Remove(std::int32_t s) {
        chosen[Slot(s)] = 0;
        members.erase(std::find(members.begin(), members.end(), s));
        ForBall(s, [this](std::int32_t z) {
            if (--covered[Slot(z)] == 0) {
                Uncovered(z, +1);
            }
        });
    }

    // What dropping `s` uncovers that `added` does not cover again.
    std::int32_t Loss(std::int32_t s, std::int32_t added) const {
        const Trits minusAdded = Negated(space.At(added));
        std::int32_t loss = 0;
        ForBall(s, [&](std::int32_t z) {
            loss += covered[Slot(z)] == 1 &&
                    !space.InBall(space.NumberOf(AddTrits(space.At(z), minusAdded)));
        });
        return loss;
    }

    template <typename Visit>
    void ForBall(std::int32_t s, Visit visit) const {
        const Trits centre = space.At(s);
        for (const Trits offset : space.Ball()) {
            visit(space.NumberOf(AddTrits(centre, offset)));
        }
    }

    static std::size_t Slot(std::int32_t s) { return static_cast<std::size_t>(s); }

    const SyndromeSpace& space;
    std::vector<std::int32_t> covered;
    std::vector<std::int32_t> gain;
    std::vector<std::uint8_t> chosen;
    std::vector<std::int32_t> members;
    std::vector<std::int32_t> uncovered;
    std::vector<std::int32_t> where;    // position in `uncovered`
    std::vector<std::int64_t> changed;  // the step a syndrome last joined or left

  private:
    // `z` left (change -1) or joined (+1) the uncovered: its ball's gains follow.
    void Uncovered(std::int32_t z, std::int32_t change) {
        if (change < 0) {
            const std::int32_t last = uncovered.back();
            uncovered[Slot(where[Slot(z)])] = last;
            where[Slot(last)] = where[Slot(z)];
            uncovered.pop_back();
        } else {
            where[Slot(z)] = static_cast<std::int32_t>(uncovered.size());
            uncovered.push_back(z);
        }
        ForBall(z, [&](std::int32_t w) { gain[Slot(w)] += change; });
    }
};

// The syndrome of y's ball, not chosen and free to change, that covers the
// most uncovered ones; ties broken at random. -1 when none is free.
std::int32_t BestAddition(const CoverState& state, std::int32_t y, std::int64_t step,
                          std::int64_t tenure, std::mt19937_64& random) {
    std::int32_t best = -1;
    std::int32_t bestGain = -1;
    std::int32_t ties = 0;
    state.ForBall(y, [&](std::int32_t c) {
        const auto slot = CoverState::Slot(c);
        if (state.chosen[slot] != 0 || step - state.changed[slot] < tenure) {
            return;
        }
        const std::int32_t gain = state.gain[slot];
        if (gain > bestGain) {
            best = c;
            bestGain = gain;
            ties = 1;
        } else if (gain == bestGain && random() % static_cast<std::uint64_t>(++ties) == 0) {
            best = c;
        }
    });
    return best;
}

// The chosen syndrome, free to change, whose drop loses least once `added`
// is in; ties broken at random.
std::int32_t BestRemoval(const CoverState& state, std::int32_t added, std::int64_t step,
                         std::int64_t tenure, std::mt19937_64& random) {
    std::int32_t best = -1;
    std::int32_t bestLoss = std::numeric_limits<std::int32_t>::max();
    std::int32_t ties = 0;
    for (const std::int32_t s : state.members) {
        if (s == added || step - state.changed[CoverState::Slot(s)] < tenure) {
            continue;
        }
        const std::int32_t loss = state.Loss(s, added);
        if (loss < bestLoss) {
            best = s;
            bestLoss = loss;
            ties = 1;
        } else if (loss == bestLoss && random() % static_cast<std::uint64_t>(++ties) == 0) {
            best = s;
        }
    }
    return best;
}

}  // namespace

CoverAttempt CoverSyndromes(const SyndromeSpace& space, const std::vector<std::int32_t>& start,
                            std::int64_t steps, std::mt19937_64& random) {
    CoverState state(space);
    for (const std::int32_t s : start) {
        state.Add(s);
    }
    CoverAttempt best{.syndromes = state.members, .uncovered = state.uncovered.size()};
    for (std::int64_t step = 0; step < steps && !state.uncovered.empty(); ++step) {
        const std::int64_t tenure = kTenure + static_cast<std::int64_t>(random() % (kTenure + 1));
        const std::int32_t y =
            state.uncovered[static_cast<std::size_t>(random() % state.uncovered.size())];
        const std::int32_t added = BestAddition(state, y, step, tenure, random);
        const std::int32_t dropped =
            added < 0 ? -1 : BestRemoval(state, added, step, tenure, random);
        if (dropped < 0) {
            continue;
        }
        state.Add(added);
        state.Remove(dropped);
        state.changed[CoverState::Slot(added)] = step;
        state.changed[CoverState::Slot(dropped)] = step;
        if (state.uncovered.size() < best.uncovered) {
            best = {.syndromes = state.members, .uncovered = state.uncovered.size()};
        }
    }
    std::sort(best.syndromes.begin(), best.syndromes.end());
    return best;
}

std::size_t UncoveredBy(const SyndromeSpace& space, const std::vector<std::int32_t>& syndromes) {
    std::vector<std::uint8_t> covered(static_cast<std::size_t>(space.Size()), 0);
    std::size_t count = 0;
    for (const std::int32_t s : syndromes) {
        const Trits centre = space.At(s);
        for (const Trits offset : space.Ball()) {
            std::uint8_t& mark =
                covered[static_cast<std::size_t>(space.NumberOf(AddTrits(centre, offset)))];
            count += mark == 0;
            mark = 1;
        }
    }
    return static_cast<std::size_t>(space.Size()) - count;
}

}  // namespace lumo::internal
