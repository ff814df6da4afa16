#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "codes/internal/syndrome_space.h"

namespace lumo::internal {

// The syndromes a search ended with: their numbers, sorted, and how many
// syndromes their balls leave uncovered.
struct CoverAttempt {
    std::vector<std::int32_t> syndromes;
    std::size_t uncovered = 0;
};

// Looks for syndromes as many as `start`'s (distinct numbers of the space)
// whose balls cover the whole space, by a tabu search over the syndromes
// (Östergård's matrix method): each step takes a random uncovered syndrome
// y, adds the syndrome of y's ball that covers the most uncovered ones, and
// drops the chosen syndrome whose loss, net of what the added one covers
// again, is least. A changed syndrome stays put for a few steps. Stops at a
// covering or after `steps` steps; gives the best set seen.
CoverAttempt CoverSyndromes(const SyndromeSpace& space, const std::vector<std::int32_t>& start,
                            std::int64_t steps, std::mt19937_64& random);

// How many syndromes the balls of these leave uncovered.
std::size_t UncoveredBy(const SyndromeSpace& space, const std::vector<std::int32_t>& syndromes);

}  // namespace lumo::internal
