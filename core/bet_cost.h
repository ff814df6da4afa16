#pragma once

#include <cstdint>

namespace lumo {

// What a bet costs to play: the columns are entered on tickets of eight.

inline constexpr std::int64_t kColumnsPerTicket = 8;
// The price of one column, in cents, unless the player says otherwise.
inline constexpr std::int64_t kDefaultColumnPriceCents = 75;

struct BetCost {
    std::int64_t columns = 0;
    // Tickets of kColumnsPerTicket columns needed, the last one maybe partly used.
    std::int64_t tickets = 0;
    std::int64_t cents = 0;
};

// The cost of `columns` columns at `priceCents` each (both at least 0).
BetCost CostOf(std::int64_t columns, std::int64_t priceCents);

}  // namespace lumo
