#pragma once

#include <array>
#include <cstdint>

#include "value/internal/result_chances.h"

namespace lumo::internal {

// Five values per column index, slot e for e misses (0..4).
template <typename T>
using MissSlots = std::array<T, kMostMisses + 1>;

enum class MissDirection {
    // new[x][e] = A[x][e] + A[y][e+1] + A[z][e+1]: from A[r][e], what a
    // result missed in e matches gives, to the sum over the results within
    // 4 misses of each column c, collected in slot 0 of c.
    kCollect,
    // new[x][j] = A[x][j] + A[y][j-1] + A[z][j-1]: from A[c][0], a count per
    // column, to slot j of each result r: the count at exactly j misses of r.
    kSpread,
};

// Runs the transform over the 14 matches on all 3^14 indices of `slots`
// (kAllColumns entries), in place, on every hardware thread. x, y and z are
// three indices that differ only in the match being processed.
template <typename T>
void TransformAllMatches(MissSlots<T>* slots, MissDirection direction);

}  // namespace lumo::internal
