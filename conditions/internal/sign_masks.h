#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "core/column.h"

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

// The low bits of the eight bytes of `word`, byte i to bit i.
constexpr std::uint32_t GatherLowBits(std::uint64_t word) {
    constexpr std::uint64_t kLowBitOfEachByte = 0x0101'0101'0101'0101;
    return static_cast<std::uint32_t>(((word & kLowBitOfEachByte) * 0x0102'0408'1020'4080ULL) >>
                                      56);
}

inline SignMasks SignMasksOf(const CColumn& column) {
    // Codes 0..2 a byte: bit 0 is X, bit 1 is 2. Matches 1..8 and 7..14.
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::memcpy(&first, column.results.data(), sizeof first);
    std::memcpy(&last, column.results.data() + 6, sizeof last);
    SignMasks masks;
    masks.draws = static_cast<std::uint16_t>(GatherLowBits(first) | GatherLowBits(last) << 6);
    masks.twos =
        static_cast<std::uint16_t>(GatherLowBits(first >> 1) | GatherLowBits(last >> 1) << 6);
    masks.ones = static_cast<std::uint16_t>(~(masks.draws | masks.twos) & kMatchBits);
    return masks;
}

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

// Bit m set when match m + 1 has the sign of match m + 2 (13 bits).
constexpr std::uint32_t SameAsNext(SignMasks c) {
    return static_cast<std::uint32_t>((c.ones & c.ones >> 1) | (c.draws & c.draws >> 1) |
                                      (c.twos & c.twos >> 1)) &
           0x1FFFU;
}

// Places where a match's sign differs from the next match's, 0..13.
constexpr std::int32_t Interruptions(SignMasks c) {
    return 13 - BitCount(SameAsNext(c));
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
