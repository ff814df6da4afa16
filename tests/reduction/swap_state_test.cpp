#include "reduction/internal/swap_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "reduction/internal/greedy_cover.h"
#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// For every bet column, how many columns of the state's covering reach it,
// recounted from the covering alone.
std::vector<std::int32_t> Recount(const CoverInstance& instance, const SwapState& state) {
    std::vector<std::int32_t> reach(static_cast<std::size_t>(instance.Size()), 0);
    for (const std::int32_t id : state.Cover()) {
        instance.ForEachNear(id, [&](std::int32_t near) { ++reach[near]; });
    }
    return reach;
}

// The state's uncovered list, sorted, against the recount.
void ExpectUncovered(const SwapState& state, const std::vector<std::int32_t>& reach) {
    std::vector<std::int32_t> uncovered;
    for (std::size_t id = 0; id < reach.size(); ++id) {
        if (reach[id] == 0) {
            uncovered.push_back(static_cast<std::int32_t>(id));
        }
    }
    std::vector<std::int32_t> listed = state.Uncovered();
    std::sort(listed.begin(), listed.end());
    ASSERT_EQ(listed, uncovered);
}

class SwapStateTest : public ::testing::Test {
  protected:
    std::int32_t Draw(std::int32_t last) {
        return std::uniform_int_distribution<std::int32_t>(0, last)(engine);
    }

    std::mt19937 engine{41};
    std::unique_ptr<CColumnSet> bet = SetOf(ClusteredBet(engine, 600));
    BetIndex index{*bet};
};

// Weights, gains, losses and the uncovered columns recounted from the
// covering alone, after every kind of change in a random order.
TEST_F(SwapStateTest, EveryChangeKeepsGainsLossesAndTheUncoveredExact) {
    for (std::int32_t radius = 1; radius <= 3; ++radius) {
        const CoverInstance instance{index, radius};
        SwapState state(instance, GreedyCover(instance).chosen, StateUpkeep::kWeights);
        std::vector<std::int64_t> weight(static_cast<std::size_t>(index.Size()),
                                         SwapState::kBaseWeight);
        for (std::int32_t change = 0; change < 400; ++change) {
            const std::int32_t kind = Draw(9);
            if (kind < 4 && !state.Cover().empty()) {
                state.Remove(state.Cover()[static_cast<std::size_t>(
                    Draw(static_cast<std::int32_t>(state.Cover().size()) - 1))]);
            } else if (kind < 7 && !state.Uncovered().empty()) {
                state.Add(state.BestCoverOf(state.Uncovered().front()));
            } else if (kind < 9) {
                for (const std::int32_t id : state.Uncovered()) {
                    ++weight[static_cast<std::size_t>(id)];
                }
                state.RaiseUncovered();
            } else {
                for (std::int64_t& w : weight) {
                    w = SwapState::kBaseWeight + (w - SwapState::kBaseWeight) / 2;
                }
                state.HalveRaises();
            }
            const std::vector<std::int32_t> reach = Recount(instance, state);
            ExpectUncovered(state, reach);
            for (std::int32_t id = 0; id < index.Size(); ++id) {
                std::int64_t gain = 0;
                std::int64_t loss = 0;
                instance.ForEachNear(id, [&](std::int32_t near) {
                    gain += reach[near] == 0 ? state.Weight(near) : 0;
                    loss += reach[near] == 1 ? state.Weight(near) : 0;
                });
                ASSERT_EQ(state.Gain(id), gain) << "radius " << radius << ", change " << change;
                ASSERT_EQ(state.Loss(id), state.InCover(id) ? loss : 0)
                    << "radius " << radius << ", change " << change;
                ASSERT_EQ(state.Weight(id), weight[static_cast<std::size_t>(id)]);
            }
        }
        // The cheapest chosen column has the least loss.
        const std::int32_t cheapest = state.Cheapest([](std::int32_t) { return false; });
        for (const std::int32_t id : state.Cover()) {
            EXPECT_LE(state.Loss(cheapest), state.Loss(id));
        }
    }
}

// Keeping the reach alone, as the local search does from an empty start:
// the uncovered columns and every chosen column's sole coverage.
TEST_F(SwapStateTest, TheReachAloneKeepsTheUncoveredAndSoleCoverageExact) {
    for (std::int32_t radius = 1; radius <= 3; ++radius) {
        const CoverInstance instance{index, radius};
        SwapState state(instance, {}, StateUpkeep::kReach);
        for (std::int32_t change = 0; change < 300; ++change) {
            const std::int32_t id = Draw(index.Size() - 1);
            if (state.InCover(id)) {
                state.Remove(id);
            } else {
                state.Add(id);
            }
            const std::vector<std::int32_t> reach = Recount(instance, state);
            ExpectUncovered(state, reach);
            for (const std::int32_t chosen : state.Cover()) {
                std::int32_t sole = 0;
                instance.ForEachNear(chosen, [&](std::int32_t near) { sole += reach[near] == 1; });
                ASSERT_EQ(state.SolelyCovered(chosen), sole)
                    << "radius " << radius << ", change " << change;
            }
        }
    }
}

}  // namespace
