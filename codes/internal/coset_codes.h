#pragma once

#include <cstdint>
#include <vector>

#include "codes/internal/syndrome_code.h"

namespace lumo::internal {

// A ternary code given by a parity-check matrix, with the covering radius it
// is meant to have (to be checked before use).
struct SyndromeCodeWithRadius {
    SyndromeCode code;
    std::int32_t radius;
};

// Unions of cosets of ternary linear codes, given by a parity-check matrix
// and coset syndromes, stored as data: found by a tabu search over the
// syndromes (each coset a vertex, a step the addition of a multiple of one
// column; SearchCosetCode of codes/coset_search.h, run by
// tools/coset_search), or as published.
std::vector<SyndromeCodeWithRadius> CosetCodes();

}  // namespace lumo::internal
