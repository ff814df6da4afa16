#pragma once

#include <cstdint>

#include "codes/internal/syndrome_code.h"

namespace lumo::internal {

// The perfect ternary Hamming code with `checks` (2 or 3) parity checks: its
// columns are the points of the projective space over GF(3) of that
// dimension, one nonzero vector per line through the origin (the first
// nonzero digit 1). Covering radius 1; 2 checks give the tetracode [4,2],
// 3 checks the [13,10] code with 59,049 words.
SyndromeCode HammingCode(std::int32_t checks);

// The ternary Golay code [11,6] (729 words, perfect, covering radius 2): the
// cyclic code with generator x^5 + x^4 - x^3 + x^2 - 1, column i of its
// parity-check matrix being x^i modulo the generator.
SyndromeCode GolayCode();

// The extended ternary Golay code [12,6] (729 words, covering radius 3): the
// Golay code with an overall parity position making each word's digits sum
// to 0 modulo 3.
SyndromeCode ExtendedGolayCode();

}  // namespace lumo::internal
