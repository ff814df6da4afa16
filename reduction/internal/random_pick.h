#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace lumo::internal {

// A member of `items` (not empty) drawn uniformly by `engine`.
template <typename Engine>
std::int32_t Pick(const std::vector<std::int32_t>& items, Engine& engine) {
    std::uniform_int_distribution<std::size_t> pick(0, items.size() - 1);
    return items[pick(engine)];
}

}  // namespace lumo::internal
