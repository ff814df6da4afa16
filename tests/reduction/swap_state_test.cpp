#include "reduction/internal/swap_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "reduction/internal/greedy_cover.h"
#include "tests/core/test_support.h"

namespace {

// Weights, gains, losses and the uncovered columns recounted from the
// covering alone, after every kind of change in a random order.
TEST(SwapStateTest, EveryChangeKeepsGainsLossesAndTheUncoveredExact) {
    std::mt19937 engine(41);
    const auto bet = SetOf(ClusteredBet(engine, 600));
    const BetIndex index(*bet);
    for (std::int32_t radius = 1; radius <= 3; ++radius) {
        SwapState state({index, radius}, GreedyCover({index, radius}).chosen);
        std::vector<std::int64_t> weight(static_cast<std::size_t>(index.Size()),
                                         SwapState::kBaseWeight);
        for (std::int32_t change = 0; change < 400; ++change) {
            const std::int32_t kind = std::uniform_int_distribution<std::int32_t>(0, 9)(engine);
            if (kind < 4 && !state.Cover().empty()) {
                state.Remove(state.Cover()[std::uniform_int_distribution<std::size_t>(
                    0, state.Cover().size() - 1)(engine)]);
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
            std::vector<std::int32_t> reach(static_cast<std::size_t>(index.Size()), 0);
            for (const std::int32_t id : state.Cover()) {
                index.ForEachNear(id, radius, [&](std::int32_t near) { ++reach[near]; });
            }
            std::vector<std::int32_t> uncovered;
            for (std::int32_t id = 0; id < index.Size(); ++id) {
                if (reach[id] == 0) {
                    uncovered.push_back(id);
                }
            }
            std::vector<std::int32_t> listed = state.Uncovered();
            std::sort(listed.begin(), listed.end());
            ASSERT_EQ(listed, uncovered) << "radius " << radius << ", change " << change;
            for (std::int32_t id = 0; id < index.Size(); ++id) {
                std::int64_t gain = 0;
                std::int64_t loss = 0;
                index.ForEachNear(id, radius, [&](std::int32_t near) {
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

}  // namespace
