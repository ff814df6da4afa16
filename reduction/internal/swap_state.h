#pragma once

#include <cstdint>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "reduction/internal/cover_instance.h"
#include "reduction/internal/id_list.h"
#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

// What a SwapState keeps exact beyond every bet column's count of chosen
// columns reaching it and the list of uncovered columns.
enum class StateUpkeep {
    kReach,    // nothing more: what the local search (cover_search.h) reads
    kWeights,  // the weights, gains and losses below: what the swap search reads
};

// A covering inside a bet under change (see greedy_cover.h), with what a
// search needs at hand. For every bet column: how many chosen columns reach
// it and, with StateUpkeep::kWeights, the sum of their numbers (so a column
// reached once knows its coverer), its weight (kBaseWeight at the start),
// the uncovered weight it would newly cover if added (gain) and, for a
// chosen column, the weight only it covers (loss). Every change keeps all of
// them exact. The members about weights, gains and losses need kWeights.
class SwapState {
  public:
    static constexpr std::int64_t kBaseWeight = tuning::kSwapBaseWeight;

    // `start`: distinct bet columns. May throw std::bad_alloc.
    SwapState(const CoverInstance& instance, const std::vector<std::int32_t>& start,
              StateUpkeep upkeep);

    // Adds a column not chosen / removes a chosen one.
    void Add(std::int32_t id);
    void Remove(std::int32_t id);

    // The number of columns that chosen column `id` alone reaches.
    std::int32_t SolelyCovered(std::int32_t id) const;

    // Adds one to the weight of every uncovered column.
    void RaiseUncovered();
    // Halves what every column's weight has gained over kBaseWeight
    // (rounding down).
    void HalveRaises();

    // The column of most gain reaching `id`; among equal ones the first
    // ForEachNear visits.
    std::int32_t BestCoverOf(std::int32_t id) const;

    // Calls visit(coverer, weight) for every column within the radius of `id`
    // that exactly one chosen column reaches.
    template <typename Visit>
    void ForEachSoleCover(std::int32_t id, Visit&& visit) const {
        instance.ForEachNear(id, [&](std::int32_t near) {
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

    bool InCover(std::int32_t id) const { return cover.Contains(id); }
    std::int64_t Weight(std::int32_t id) const { return weight[At(id)]; }
    std::int64_t Gain(std::int32_t id) const { return gain[At(id)]; }
    std::int64_t Loss(std::int32_t id) const { return loss[At(id)]; }
    const std::vector<std::int32_t>& Cover() const { return cover.Items(); }
    const std::vector<std::int32_t>& Uncovered() const { return uncovered.Items(); }

  private:
    using LossEntry = std::pair<std::int64_t, std::int32_t>;

    template <StateUpkeep kUpkeep>
    void AddKeeping(std::int32_t id);
    template <StateUpkeep kUpkeep>
    void RemoveKeeping(std::int32_t id);
    void ChangeLoss(std::int32_t id, std::int64_t delta);
    void Spread(std::int32_t id, std::int64_t delta);
    std::size_t Size() const { return static_cast<std::size_t>(instance.Size()); }
    static std::size_t At(std::int32_t id) { return static_cast<std::size_t>(id); }

    CoverInstance instance;
    StateUpkeep upkeep;
    std::vector<std::int32_t> reach;
    std::vector<std::int64_t> coverSum;
    std::vector<std::int64_t> weight;
    std::vector<std::int64_t> gain;
    std::vector<std::int64_t> loss;
    IdList cover;
    IdList uncovered;
    std::vector<std::int32_t> raised;  // the columns weighing more than kBaseWeight
    std::priority_queue<LossEntry, std::vector<LossEntry>, std::greater<LossEntry>> byLoss;
    std::vector<LossEntry> setAside;
};

}  // namespace lumo::internal
