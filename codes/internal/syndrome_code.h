#pragma once

#include <cstdint>
#include <vector>

namespace lumo::internal {

// A ternary code given by a parity-check matrix: the words x of length
// `columns.size()` over 0..2 whose syndrome H x (mod 3) is one of
// `syndromes`. With the one syndrome 0 it is the linear code with that
// parity-check matrix; with several it is the union of their cosets.
// A syndrome is a vector of `checks` digits 0..2 packed as the base-3 number
// whose digit i (least significant first) is its row i. H must have rank
// `checks` (some `checks` columns independent).
struct SyndromeCode {
    std::int32_t checks = 0;
    std::vector<std::int32_t> columns;
    std::vector<std::int32_t> syndromes{0};
};

// The largest distance from a syndrome to the code's syndromes, a distance
// step being the addition of a multiple of one column: the covering radius
// of the code, found by a breadth-first search over all 3^checks syndromes.
// -1 when some syndrome is never reached (H of lower rank).
std::int32_t CoveringRadiusOf(const SyndromeCode& code);

// The codewords, one after the other, `columns.size()` digits 0..2 each;
// listed by running over the positions outside an invertible set of columns
// and solving the syndrome equations for the others, so the cost is the
// number of words times the length. Empty when H has lower rank.
std::vector<std::uint8_t> WordsOf(const SyndromeCode& code);

// The sum (mod 3, digit by digit) of two packed syndromes of `checks` digits
// and `multiple` (0..2) times a packed syndrome.
std::int32_t AddSyndromes(std::int32_t a, std::int32_t b, std::int32_t checks);
std::int32_t ScaleSyndrome(std::int32_t a, std::int32_t multiple, std::int32_t checks);

}  // namespace lumo::internal
