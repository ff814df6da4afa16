#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "codes/internal/syndrome_space.h"

namespace lumo::internal {

// Looks for `count` syndromes whose balls cover the whole space, by a tabu
// search over the syndromes (Östergård's matrix method): each step takes a
// random uncovered syndrome y, adds the syndrome of y's ball that covers the
// most uncovered ones, and drops the chosen syndrome whose loss, net of what
// the added one covers again, is least. A changed syndrome stays put for a
// few steps. Gives up after `steps` steps. The syndromes' numbers, sorted,
// or nothing.
std::optional<std::vector<std::int32_t>> CoverSyndromes(const SyndromeSpace& space,
                                                        std::int32_t count, std::int64_t steps,
                                                        std::mt19937_64& random);

}  // namespace lumo::internal
