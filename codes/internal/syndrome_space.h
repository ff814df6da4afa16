#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lumo::internal {

// A vector of `checks` ternary digits, bit-sliced: bit i of `ones` is set
// when digit i is 1, bit i of `twos` when it is 2. Digit i is row i of a
// parity-check matrix.
struct Trits {
    std::uint32_t ones = 0;
    std::uint32_t twos = 0;
};

// Digit-wise sum mod 3, in a few bit operations.
inline Trits AddTrits(Trits a, Trits b) {
    const std::uint32_t carry = (a.ones | b.twos) ^ (a.twos | b.ones);
    return {(a.twos | b.twos) ^ carry, (a.ones | b.ones) ^ carry};
}

// Minus the vector (twice it, mod 3).
inline Trits Negated(Trits a) {
    return {a.twos, a.ones};
}

// The syndromes of a ternary parity-check matrix with `checks` rows (at
// most 12) and their balls: every syndrome within `radius` steps of 0, a
// step being the addition of a multiple of one column. A syndrome's number
// is the base-3 number whose digit i (least significant first) is row i, as
// SyndromeCode packs it; it does not depend on the matrix, which may change.
class SyndromeSpace {
  public:
    SyndromeSpace(std::int32_t checks, std::int32_t radius);

    // Makes the balls those of the matrix with these columns.
    void UseColumns(std::span<const Trits> columns);

    std::int32_t Size() const { return static_cast<std::int32_t>(vectors.size()); }
    Trits At(std::int32_t number) const { return vectors[static_cast<std::size_t>(number)]; }
    std::int32_t NumberOf(Trits t) const { return powers[t.ones] + 2 * powers[t.twos]; }
    // The ball around 0, 0 first: the syndromes within the radius.
    const std::vector<Trits>& Ball() const { return ball; }
    bool InBall(std::int32_t number) const { return inBall[static_cast<std::size_t>(number)] != 0; }

  private:
    std::int32_t radius;
    std::vector<std::int32_t> powers;  // by bit mask: the sum of 3^i over its bits
    std::vector<Trits> vectors;        // by number
    std::vector<Trits> ball;
    std::vector<std::uint8_t> inBall;  // by number
};

}  // namespace lumo::internal
