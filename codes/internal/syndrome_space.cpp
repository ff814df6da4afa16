#include "codes/internal/syndrome_space.h"

#include <cstddef>

namespace lumo::internal {

SyndromeSpace::SyndromeSpace(std::int32_t checks, std::int32_t radius)
    : radius(radius), powers(std::size_t{1} << checks) {
    std::int32_t size = 1;
    for (std::int32_t i = 0; i < checks; ++i) {
        size *= 3;
    }
    for (std::size_t mask = 1; mask < powers.size(); ++mask) {
        const auto low = static_cast<std::int32_t>(__builtin_ctzll(mask));
        std::int32_t power = 1;
        for (std::int32_t i = 0; i < low; ++i) {
            power *= 3;
        }
        powers[mask] = powers[mask & (mask - 1)] + power;
    }
    vectors.resize(static_cast<std::size_t>(size));
    for (std::uint32_t ones = 0; ones < powers.size(); ++ones) {
        for (std::uint32_t twos = 0; twos < powers.size(); ++twos) {
            if ((ones & twos) == 0) {
                vectors[static_cast<std::size_t>(NumberOf({ones, twos}))] = {ones, twos};
            }
        }
    }
    inBall.assign(static_cast<std::size_t>(size), 0);
}

void SyndromeSpace::UseColumns(std::span<const Trits> columns) {
    // Breadth-first from 0, a layer per step.
    for (const Trits t : ball) {
        inBall[static_cast<std::size_t>(NumberOf(t))] = 0;
    }
    ball.assign(1, Trits{});
    inBall[0] = 1;
    std::size_t layerStart = 0;
    for (std::int32_t step = 0; step < radius; ++step) {
        const std::size_t layerEnd = ball.size();
        for (std::size_t at = layerStart; at < layerEnd; ++at) {
            for (const Trits column : columns) {
                for (const Trits move : {column, Negated(column)}) {
                    const Trits next = AddTrits(ball[at], move);
                    if (inBall[static_cast<std::size_t>(NumberOf(next))] == 0) {
                        inBall[static_cast<std::size_t>(NumberOf(next))] = 1;
                        ball.push_back(next);
                    }
                }
            }
        }
        layerStart = layerEnd;
    }
}

}  // namespace lumo::internal
