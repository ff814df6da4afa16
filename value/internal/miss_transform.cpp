#include "value/internal/miss_transform.h"

#include "core/column.h"
#include "value/internal/parallel_parts.h"

namespace lumo::internal {

namespace {

// Matches 1 to 7 run on blocks of 3^7 consecutive indices, which stay in
// the cache; matches 8 to 14 on tiles of kTileWidth consecutive low indices
// across all high ones.
constexpr std::int32_t kBlock = 2187;  // 3^7
constexpr std::int32_t kBlocks = kAllColumns / kBlock;
constexpr std::int32_t kTileWidth = 9;
constexpr std::int32_t kTiles = kBlock / kTileWidth;

template <typename T, MissDirection direction>
inline void Butterfly(MissSlots<T>& x, MissSlots<T>& y, MissSlots<T>& z) {
    const MissSlots<T> a = x;
    const MissSlots<T> b = y;
    const MissSlots<T> c = z;
    if constexpr (direction == MissDirection::kCollect) {
        for (std::size_t e = 0; e < kMostMisses; ++e) {
            x[e] = static_cast<T>(a[e] + b[e + 1] + c[e + 1]);
            y[e] = static_cast<T>(b[e] + a[e + 1] + c[e + 1]);
            z[e] = static_cast<T>(c[e] + a[e + 1] + b[e + 1]);
        }
    } else {
        for (std::size_t j = 1; j <= kMostMisses; ++j) {
            x[j] = static_cast<T>(a[j] + b[j - 1] + c[j - 1]);
            y[j] = static_cast<T>(b[j] + a[j - 1] + c[j - 1]);
            z[j] = static_cast<T>(c[j] + a[j - 1] + b[j - 1]);
        }
    }
}

// Matches 1 to 7 on the block starting at `first`.
template <typename T, MissDirection direction>
void LowMatches(MissSlots<T>* first) {
    for (std::int32_t weight = 1; weight < kBlock; weight *= 3) {
        for (std::int32_t group = 0; group < kBlock; group += 3 * weight) {
            for (std::int32_t i = group; i < group + weight; ++i) {
                Butterfly<T, direction>(first[i], first[i + weight], first[i + 2 * weight]);
            }
        }
    }
}

// Matches 8 to 14 on the indices whose low seven digits lie in
// [low, low + kTileWidth).
template <typename T, MissDirection direction>
void HighMatches(MissSlots<T>* all, std::int32_t low) {
    for (std::int32_t weight = kBlock; weight < kAllColumns; weight *= 3) {
        for (std::int32_t group = 0; group < kAllColumns; group += 3 * weight) {
            for (std::int32_t middle = group; middle < group + weight; middle += kBlock) {
                MissSlots<T>* const x = all + middle + low;
                for (std::int32_t i = 0; i < kTileWidth; ++i) {
                    Butterfly<T, direction>(x[i], x[i + weight], x[i + 2 * weight]);
                }
            }
        }
    }
}

template <typename T, MissDirection direction>
void Transform(MissSlots<T>* all) {
    RunInParts(kBlocks, [all](std::int32_t, std::int32_t begin, std::int32_t end) {
        for (std::int32_t block = begin; block < end; ++block) {
            LowMatches<T, direction>(all + static_cast<std::ptrdiff_t>(block) * kBlock);
        }
    });
    RunInParts(kTiles, [all](std::int32_t, std::int32_t begin, std::int32_t end) {
        for (std::int32_t tile = begin; tile < end; ++tile) {
            HighMatches<T, direction>(all, tile * kTileWidth);
        }
    });
}

}  // namespace

template <typename T>
void TransformAllMatches(MissSlots<T>* slots, MissDirection direction) {
    if (direction == MissDirection::kCollect) {
        Transform<T, MissDirection::kCollect>(slots);
    } else {
        Transform<T, MissDirection::kSpread>(slots);
    }
}

template void TransformAllMatches<double>(MissSlots<double>*, MissDirection);
template void TransformAllMatches<std::uint32_t>(MissSlots<std::uint32_t>*, MissDirection);

}  // namespace lumo::internal
