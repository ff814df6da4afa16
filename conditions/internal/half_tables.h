#pragma once

#include <cstdint>
#include <vector>

#include "core/forecast_table.h"

namespace lumo {

// The probability and the index of a column from its X and 2 masks, each the
// product (or sum) of two lookups: one for matches 1..7, one for 8..14, keyed
// by the half's X and 2 bits (14 bits, 16,384 entries a half).
class HalfTables {
  public:
    explicit HalfTables(const CForecastTable& table);

    // Product over the matches of the table's percentage times 0.01.
    double Probability(std::uint32_t draws, std::uint32_t twos) const {
        return low[LowKey(draws, twos)].share * high[HighKey(draws, twos)].share;
    }
    // CColumn::Index of the column.
    std::int32_t Index(std::uint32_t draws, std::uint32_t twos) const {
        return low[LowKey(draws, twos)].index + high[HighKey(draws, twos)].index;
    }

  private:
    struct Entry {
        double share = 0.0;
        std::int32_t index = 0;
    };
    static std::uint32_t LowKey(std::uint32_t draws, std::uint32_t twos) {
        return (draws & 0x7FU) | (twos & 0x7FU) << 7;
    }
    static std::uint32_t HighKey(std::uint32_t draws, std::uint32_t twos) {
        return draws >> 7 | (twos >> 7) << 7;
    }

    std::vector<Entry> low;
    std::vector<Entry> high;
};

}  // namespace lumo
