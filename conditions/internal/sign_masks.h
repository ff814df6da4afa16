#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/column_set.h"

namespace lumo {

// A column as three 14-bit masks, one per sign (bit m set when match m + 1
// has that sign), so that counts are popcounts and runs and interruptions
// are shifts and ands over all matches at once.
struct SignMasks {
    std::uint16_t ones = 0;
    std::uint16_t draws = 0;
    std::uint16_t twos = 0;
};

inline constexpr std::uint16_t kMatchBits = 0x3FFF;

// The masks of every column of the set, in its order.
std::vector<SignMasks> SignMasksOf(const CColumnSet& set);
SignMasks SignMasksOf(const CColumn& column);

// Set bits of a 16-bit word, by halves of the word (no popcount instruction
// needed, and a loop of them vectorises).
constexpr std::int32_t BitCount(std::uint32_t word) {
    word = word - ((word >> 1) & 0x5555U);
    word = (word & 0x3333U) + ((word >> 2) & 0x3333U);
    word = (word + (word >> 4)) & 0x0F0FU;
    return static_cast<std::int32_t>((word + (word >> 8)) & 0x1FU);
}

// Matches picked by `masks` per sign: popcount of the signs' masks anded
// with them.
constexpr std::int32_t PickedCount(SignMasks c, const std::array<std::uint16_t, 3>& masks) {
    return BitCount(static_cast<std::uint32_t>((c.ones & masks[0]) | (c.draws & masks[1]) |
                                               (c.twos & masks[2])));
}

// Places where a match's sign differs from the next match's, 0..13.
constexpr std::int32_t Interruptions(SignMasks c) {
    const std::uint32_t same = static_cast<std::uint32_t>(
        (c.ones & c.ones >> 1) | (c.draws & c.draws >> 1) | (c.twos & c.twos >> 1));
    return 13 - BitCount(same & 0x1FFFU);
}

// The longest run of set bits of every 14-bit mask.
class RunTable {
  public:
    RunTable();
    std::int32_t operator[](std::uint32_t mask) const { return runs[mask]; }

  private:
    std::array<std::uint8_t, kMatchBits + 1> runs{};
};

}  // namespace lumo
