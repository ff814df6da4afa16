#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace lumo::internal {

// Word-parallel counting over the 14 result codes of a column. The codes are
// read as two overlapping little-endian 64-bit words (bytes 0..7 and 6..13);
// the second word's two overlapping bytes are masked out. Valid only for codes
// 0..2, the only ones a column ever stores.

static_assert(std::endian::native == std::endian::little, "result words assume little endian");

struct ResultWords {
    std::uint64_t first;   // codes of matches 1..8
    std::uint64_t second;  // codes of matches 9..14 in its upper six bytes
};

inline constexpr std::uint64_t kLowBitOfEachByte = 0x0101'0101'0101'0101;
inline constexpr std::uint64_t kSecondWordMask = 0xFFFF'FFFF'FFFF'0000;

inline ResultWords LoadResultWords(const std::array<std::uint8_t, 14>& results) {
    ResultWords words{};
    std::memcpy(&words.first, results.data(), sizeof words.first);
    std::memcpy(&words.second, results.data() + 6, sizeof words.second);
    words.second &= kSecondWordMask;
    return words;
}

// Sum of the bytes of a word whose bytes add up to at most 255.
inline std::int32_t SumOfBytes(std::uint64_t word) {
    return static_cast<std::int32_t>((word * kLowBitOfEachByte) >> 56);
}

// Number of codes that are not 0.
inline std::int32_t CountNonZeroCodes(ResultWords words) {
    const std::uint64_t first = (words.first | words.first >> 1) & kLowBitOfEachByte;
    const std::uint64_t second = (words.second | words.second >> 1) & kLowBitOfEachByte;
    return SumOfBytes(first + second);
}

// Number of codes that are 2.
inline std::int32_t CountCodesTwo(ResultWords words) {
    return SumOfBytes(((words.first >> 1) & kLowBitOfEachByte) +
                      ((words.second >> 1) & kLowBitOfEachByte));
}

// Number of matches in which the two columns' codes differ.
inline std::int32_t CountDifferences(ResultWords a, ResultWords b) {
    return CountNonZeroCodes({a.first ^ b.first, a.second ^ b.second});
}

// The base-3 value of eight codes, the first byte least significant.
inline std::int32_t BaseThreeValue(std::uint64_t word) {
    constexpr std::uint64_t kBytePairs = 0x00FF'00FF'00FF'00FF;
    constexpr std::uint64_t kHalfwordPairs = 0x0000'FFFF'0000'FFFF;
    word = (word & kBytePairs) + 3 * ((word >> 8) & kBytePairs);
    word = (word & kHalfwordPairs) + 9 * ((word >> 16) & kHalfwordPairs);
    return static_cast<std::int32_t>((word & 0xFFFF'FFFF) + 81 * (word >> 32));
}

// The column index: the 14 codes read as a base-3 number, match 1 the least
// significant digit.
inline std::int32_t IndexOfCodes(ResultWords words) {
    constexpr std::int32_t kThreeToTheEighth = 6561;
    return BaseThreeValue(words.first) + kThreeToTheEighth * BaseThreeValue(words.second >> 16);
}

}  // namespace lumo::internal
