#include "reduction/internal/swap_state.h"

namespace lumo::internal {

namespace {

// The size of a per-column table: every column with kWeights, none without.
std::size_t TableSize(const CoverInstance& instance, StateUpkeep upkeep) {
    return upkeep == StateUpkeep::kWeights ? static_cast<std::size_t>(instance.Size()) : 0;
}

}  // namespace

SwapState::SwapState(const CoverInstance& instance, const std::vector<std::int32_t>& start,
                     StateUpkeep upkeep)
    : instance(instance),
      upkeep(upkeep),
      reach(Size(), 0),
      coverSum(TableSize(instance, upkeep), 0),
      weight(TableSize(instance, upkeep), kBaseWeight),
      gain(TableSize(instance, upkeep), 0),
      loss(TableSize(instance, upkeep), 0),
      cover(instance.Size()),
      uncovered(instance.Size()) {
    const bool weighted = upkeep == StateUpkeep::kWeights;
    for (const std::int32_t id : start) {
        cover.Add(id);
        instance.ForEachNear(id, [&](std::int32_t near) {
            ++reach[At(near)];
            if (weighted) {
                coverSum[At(near)] += id;
            }
        });
    }
    for (std::int32_t id = 0; id < instance.Size(); ++id) {
        if (weighted && reach[At(id)] == 1) {
            loss[At(static_cast<std::int32_t>(coverSum[At(id)]))] += weight[At(id)];
        } else if (reach[At(id)] == 0) {
            uncovered.Add(id);
            if (weighted) {
                Spread(id, weight[At(id)]);
            }
        }
    }
    if (weighted) {
        for (const std::int32_t id : cover.Items()) {
            byLoss.emplace(loss[At(id)], id);
        }
    }
}

void SwapState::Add(std::int32_t id) {
    if (upkeep == StateUpkeep::kWeights) {
        AddKeeping<StateUpkeep::kWeights>(id);
    } else {
        AddKeeping<StateUpkeep::kReach>(id);
    }
}

void SwapState::Remove(std::int32_t id) {
    if (upkeep == StateUpkeep::kWeights) {
        RemoveKeeping<StateUpkeep::kWeights>(id);
    } else {
        RemoveKeeping<StateUpkeep::kReach>(id);
    }
}

std::int32_t SwapState::SolelyCovered(std::int32_t id) const {
    std::int32_t only = 0;
    instance.ForEachNear(id, [&](std::int32_t near) { only += reach[At(near)] == 1 ? 1 : 0; });
    return only;
}

void SwapState::RaiseUncovered() {
    for (const std::int32_t id : uncovered.Items()) {
        if (weight[At(id)] == kBaseWeight) {
            raised.push_back(id);
        }
        ++weight[At(id)];
        Spread(id, 1);
    }
}

void SwapState::HalveRaises() {
    std::size_t kept = 0;
    for (const std::int32_t id : raised) {
        const std::int64_t halved = kBaseWeight + (weight[At(id)] - kBaseWeight) / 2;
        const std::int64_t delta = halved - weight[At(id)];
        weight[At(id)] = halved;
        if (reach[At(id)] == 0) {
            Spread(id, delta);
        } else if (reach[At(id)] == 1) {
            ChangeLoss(static_cast<std::int32_t>(coverSum[At(id)]), delta);
        }
        if (halved > kBaseWeight) {
            raised[kept++] = id;
        }
    }
    raised.resize(kept);
}

std::int32_t SwapState::BestCoverOf(std::int32_t id) const {
    std::int32_t found = -1;
    instance.ForEachNear(id, [&](std::int32_t near) {
        if (found < 0 || gain[At(near)] > gain[At(found)]) {
            found = near;
        }
    });
    return found;
}

// The reach counts and the uncovered list always; the coverers' sums, gains
// and losses only with kWeights.
template <StateUpkeep kUpkeep>
void SwapState::AddKeeping(std::int32_t id) {
    constexpr bool kWeighted = kUpkeep == StateUpkeep::kWeights;
    cover.Add(id);
    instance.ForEachNear(id, [&](std::int32_t near) {
        const std::int32_t before = reach[At(near)]++;
        if constexpr (kWeighted) {
            if (before == 1) {
                ChangeLoss(static_cast<std::int32_t>(coverSum[At(near)]), -weight[At(near)]);
            }
            coverSum[At(near)] += id;
        }
        if (before == 0) {
            uncovered.Remove(near);
            if constexpr (kWeighted) {
                loss[At(id)] += weight[At(near)];
                Spread(near, -weight[At(near)]);
            }
        }
    });
    if constexpr (kWeighted) {
        ChangeLoss(id, 0);
    }
}

template <StateUpkeep kUpkeep>
void SwapState::RemoveKeeping(std::int32_t id) {
    constexpr bool kWeighted = kUpkeep == StateUpkeep::kWeights;
    cover.Remove(id);
    if constexpr (kWeighted) {
        loss[At(id)] = 0;
    }
    instance.ForEachNear(id, [&](std::int32_t near) {
        if constexpr (kWeighted) {
            coverSum[At(near)] -= id;
        }
        const std::int32_t after = --reach[At(near)];
        if (kWeighted && after == 1) {
            ChangeLoss(static_cast<std::int32_t>(coverSum[At(near)]), weight[At(near)]);
        } else if (after == 0) {
            uncovered.Add(near);
            if constexpr (kWeighted) {
                Spread(near, weight[At(near)]);
            }
        }
    });
}

// Changes a chosen column's loss and files it under the new one; the
// file is rebuilt when out-of-date entries outnumber the others.
void SwapState::ChangeLoss(std::int32_t id, std::int64_t delta) {
    loss[At(id)] += delta;
    if (byLoss.size() >
        tuning::kLossFileEntriesPerColumn * cover.Items().size() + tuning::kLossFileSlack) {
        std::vector<LossEntry> entries;
        entries.reserve(cover.Items().size());
        for (const std::int32_t chosen : cover.Items()) {
            entries.emplace_back(loss[At(chosen)], chosen);
        }
        byLoss = decltype(byLoss)(std::greater<LossEntry>{}, std::move(entries));
    } else {
        byLoss.emplace(loss[At(id)], id);
    }
}

// Adds `delta` to the gain of every column reaching uncovered column `id`.
void SwapState::Spread(std::int32_t id, std::int64_t delta) {
    instance.ForEachNear(id, [&](std::int32_t near) { gain[At(near)] += delta; });
}

}  // namespace lumo::internal
