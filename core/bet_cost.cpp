#include "core/bet_cost.h"

namespace lumo {

BetCost CostOf(std::int64_t columns, std::int64_t priceCents) {
    return {.columns = columns,
            .tickets = (columns + kColumnsPerTicket - 1) / kColumnsPerTicket,
            .cents = columns * priceCents};
}

}  // namespace lumo
