#include "conditions/internal/sign_masks.h"

#include <algorithm>
#include <cstring>

namespace lumo {

namespace {

constexpr std::uint64_t kLowBitOfEachByte = 0x0101'0101'0101'0101;

// The low bits of the eight bytes of `word`, byte i to bit i.
constexpr std::uint32_t GatherLowBits(std::uint64_t word) {
    return static_cast<std::uint32_t>(((word & kLowBitOfEachByte) * 0x0102'0408'1020'4080ULL) >>
                                      56);
}

}  // namespace

SignMasks SignMasksOf(const CColumn& column) {
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

std::vector<SignMasks> SignMasksOf(const CColumnSet& set) {
    std::vector<SignMasks> masks(static_cast<std::size_t>(set.Count()));
    std::transform(set.begin(), set.end(), masks.begin(),
                   [](const CColumn& column) { return SignMasksOf(column); });
    return masks;
}

RunTable::RunTable() {
    for (std::uint32_t mask = 1; mask <= kMatchBits; ++mask) {
        // Each and with the mask shifted by one shortens every run by one.
        std::uint32_t rest = mask;
        std::uint8_t longest = 0;
        while (rest != 0) {
            rest &= rest >> 1;
            ++longest;
        }
        runs[mask] = longest;
    }
}

}  // namespace lumo
