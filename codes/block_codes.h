#pragma once

#include <cstdint>
#include <vector>

namespace lumo {

// A covering code on a block of matches of a product bet: `triples` ternary
// positions followed by `doubles` binary ones, every word of that shape
// within `radius` of some codeword. `digits` holds the codewords one after
// the other, triples + doubles digits each (0..2, then 0..1).
struct BlockCode {
    std::int32_t triples = 0;
    std::int32_t doubles = 0;
    std::int32_t radius = 0;
    std::vector<std::uint8_t> digits;

    std::int32_t Length() const { return triples + doubles; }
    std::int64_t Size() const;
};

// For every word of the code's shape, numbered in mixed radix with position 0
// the least significant, its distance to the nearest codeword, found by a
// breadth-first search from all of them (3^triples * 2^doubles entries, so
// meant for small shapes); -1 everywhere for a code with no words.
std::vector<std::int32_t> DistancesToCode(const BlockCode& code);

// The covering radius of the code's words, found by a breadth-first search
// from all of them over every word of the shape (3^triples * 2^doubles, so
// meant for small shapes); -1 for a code with no words.
std::int32_t CoveringRadiusOf(const BlockCode& code);

// Every code the product constructions build on: the Hamming codes of
// lengths 4 and 13, the Golay codes of lengths 11 and 12, the codes with a
// parity-check matrix found by search, the word lists of small_codes.h, and
// the blockwise sums of split_sums.h (9 positions, radius 2, 219 words; 13
// and 14 positions, radius 3, 1,215 and 2,187 words).
// Each is verified when the table is first built (a breadth-first search over
// syndromes or over words) and left out should its radius not hold. Built
// once, on first use, thread-safely; about 1 MB.
const std::vector<BlockCode>& BlockCodes();

// The extended ternary Golay code: 12 triples, 729 words at distance 6 or
// more from each other, covering radius 3. Built afresh on each call.
BlockCode ExtendedGolayBlockCode();

}  // namespace lumo
