#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "codes/block_codes.h"

namespace lumo::internal {

// A ternary code split into three parts: every word of `code` (ternary
// positions only) is in the part given by the entry of `parts` at its
// position in the word list, 0..2.
struct SplitCode {
    const BlockCode* code = nullptr;
    std::span<const std::uint8_t> parts;
};

// The blockwise direct sum of two split ternary codes: the union over
// x = 0..2 of part x of `first` followed by part x of `second`, on
// first.Length() + second.Length() ternary positions, listed by the first
// code's word and, within it, by the second's. A word (u, v) lies
// min over x of d(u, part x of first) + d(v, part x of second) from it, so
// the sum can cover more than the plain direct sum of the two codes with
// fewer words (the Golay code split by digit sum, with five words of two
// positions, has radius 3 on 13 positions with 1,215 words).
BlockCode BlockwiseSum(const SplitCode& first, const SplitCode& second);

// The covering radius of BlockwiseSum(first, second), found without listing
// it: a breadth-first search from each part over the words of each code's
// length gives every word's distances to the three parts, and the radius is
// the largest over pairs of such distance triples of their least sum. -1
// when either code has binary positions or a part index is out of range
// or `parts` does not match the number of words.
std::int32_t BlockwiseSumRadius(const SplitCode& first, const SplitCode& second);

// The parts of a ternary code's words by the sum of their digits modulo 3.
std::vector<std::uint8_t> PartsByDigitSum(const BlockCode& code);

}  // namespace lumo::internal
