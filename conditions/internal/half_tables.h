#pragma once

#include <cstdint>
#include <vector>

#include "conditions/internal/sign_masks.h"
#include "core/forecast_table.h"

namespace lumo {

// The probability and the index of a column from its sign masks, each the
// product (or sum) of two lookups: one for matches 1..7, one for 8..14, keyed
// by the half's X and 2 bits (14 bits, 16,384 entries a half).
class HalfTables {
  public:
    explicit HalfTables(const CForecastTable& table);

    // Product over the matches of the table's percentage times 0.01.
    double Probability(SignMasks c) const { return low[LowKey(c)].share * high[HighKey(c)].share; }
    // CColumn::Index of the column.
    std::int32_t Index(SignMasks c) const { return low[LowKey(c)].index + high[HighKey(c)].index; }

  private:
    struct Entry {
        double share = 0.0;
        std::int32_t index = 0;
    };
    static std::uint32_t LowKey(SignMasks c) { return (c.draws & 0x7FU) | (c.twos & 0x7FU) << 7; }
    static std::uint32_t HighKey(SignMasks c) {
        return static_cast<std::uint32_t>(c.draws >> 7) | static_cast<std::uint32_t>(c.twos >> 7)
                                                              << 7;
    }

    std::vector<Entry> low;
    std::vector<Entry> high;
};

}  // namespace lumo
