#include "core/internal/bet_index.h"

#include <algorithm>

#include "core/internal/parallel_chunks.h"

BetIndex::BetIndex(const CColumnSet& bet)
    : members((kAllColumns + 63) / 64, 0), ids(static_cast<std::size_t>(kAllColumns)) {
    for (std::int32_t position = 0; position < bet.Count(); ++position) {
        const CColumn& column = bet[position];
        for (std::size_t m = 0; m < used.size(); ++m) {
            used[m] = static_cast<std::uint8_t>(used[m] | (1U << column.results[m]));
        }
        const std::int32_t index = column.Index();
        if (Contains(index)) {
            continue;
        }
        const auto bit = static_cast<std::uint32_t>(index);
        members[bit / 64] |= std::uint64_t{1} << (bit % 64);
        ids[bit] = Size();
        indices.push_back(index);
        positions.push_back(position);
        scores.push_back(bet[position].score);
    }
}

std::vector<std::int32_t> BetIndex::CountsNear(std::int32_t radius) const {
    // A small bet is counted ball by ball, which then costs less than the
    // passes over every column.
    const std::int64_t passes =
        static_cast<std::int64_t>(std::clamp(radius, 1, kMatches)) * kMatches * kAllColumns;
    if (static_cast<std::int64_t>(indices.size()) * BallSize(radius) < passes) {
        std::vector<std::int32_t> counts(indices.size(), 0);
        RunInChunks(Size(), [&](std::int32_t begin, std::int32_t end) {
            for (std::int32_t id = begin; id < end; ++id) {
                ForEachNear(id, radius,
                            [&](std::int32_t) { ++counts[static_cast<std::size_t>(id)]; });
            }
        });
        return counts;
    }
    const auto layers = static_cast<std::size_t>(std::clamp(radius, 0, kMatches)) + 1;
    const auto all = static_cast<std::size_t>(kAllColumns);
    // differ[j][x]: bet columns differing from x in exactly j of the matches
    // seen so far and agreeing in the others.
    std::vector<std::vector<std::uint32_t>> differ(layers, std::vector<std::uint32_t>(all, 0));
    for (const std::int32_t index : indices) {
        differ[0][static_cast<std::size_t>(index)] = 1;
    }
    std::size_t stride = 1;
    for (std::int32_t match = 0; match < kMatches; ++match, stride *= 3) {
        // Downwards, so that layer j - 1 still holds the counts before this match.
        for (std::size_t j = layers - 1; j >= 1; --j) {
            std::uint32_t* const to = differ[j].data();
            const std::uint32_t* const from = differ[j - 1].data();
            for (std::size_t block = 0; block < all; block += 3 * stride) {
                for (std::size_t x = block; x < block + stride; ++x) {
                    const std::size_t x1 = x + stride;
                    const std::size_t x2 = x1 + stride;
                    to[x] += from[x1] + from[x2];
                    to[x1] += from[x] + from[x2];
                    to[x2] += from[x] + from[x1];
                }
            }
        }
    }
    std::vector<std::int32_t> counts(indices.size(), 0);
    for (std::size_t id = 0; id < indices.size(); ++id) {
        const auto index = static_cast<std::size_t>(indices[id]);
        std::uint32_t sum = 0;
        for (const std::vector<std::uint32_t>& layer : differ) {
            sum += layer[index];
        }
        counts[id] = static_cast<std::int32_t>(sum);
    }
    return counts;
}
