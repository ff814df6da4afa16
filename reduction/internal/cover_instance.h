#pragma once

#include <cstdint>

#include "reduction/internal/bet_index.h"

namespace lumo::internal {

// One covering problem: choose bet columns (BetIndex numbers) so that every
// distinct column of `bet` lies within `radius` of a chosen one. Radius
// 14 - G gives the guarantee "at least G hits when the result is in the
// bet". A value, cheap to copy; the bet must outlive it.
struct CoverInstance {
    const BetIndex& bet;
    std::int32_t radius;

    // The number of bet columns to cover.
    std::int32_t Size() const { return bet.Size(); }

    // Calls visit(otherId) for every bet column within the radius of `id`,
    // itself included (BetIndex::ForEachNear).
    template <typename Visit>
    void ForEachNear(std::int32_t id, Visit&& visit) const {
        bet.ForEachNear(id, radius, visit);
    }
};

}  // namespace lumo::internal
