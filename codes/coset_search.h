#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// The search behind the stored codes that are unions of cosets of a ternary
// linear code (the matrix method): a parity-check matrix H of `checks` rows
// and `length` columns, and `cosets` syndromes S, the code being the words x
// with H x (mod 3) in S: cosets · 3^(length - checks) words. It covers at
// `radius` when every syndrome is within `radius` steps of S, a step adding
// a multiple of one column of H.
struct CosetShape {
    std::int32_t length = 0;  // positions (triples), at most 16
    std::int32_t checks = 0;  // rows of H, 1 to 12, at most `length`
    std::int32_t radius = 0;
    std::int32_t cosets = 0;
};

// A code found, as the stored codes are written: H row by row, each row a
// string of `length` digits; each syndrome a string of `checks` digits,
// row 0 first.
struct CosetCode {
    std::vector<std::string> rows;
    std::vector<std::string> syndromes;
};

// Östergård's matrix method: a random matrix in systematic form (the unit
// columns first, then columns no multiple of another when there are enough)
// and random syndromes; then rounds of `stepsPerRound` steps of the tabu
// search over the syndromes (internal/syndrome_cover.h), each followed by
// the change of one column of H to the one, of a sample, that leaves fewest
// syndromes uncovered; a fresh matrix after 200 rounds. Stops at a covering
// or once the deadline has passed (after one round at least). The same seed
// gives the same steps. A code found is checked by a breadth-first search
// over its syndromes before it is returned.
std::optional<CosetCode> SearchCosetCode(const CosetShape& shape, std::uint64_t seed,
                                         std::int64_t stepsPerRound,
                                         std::chrono::steady_clock::time_point deadline);

// The covering radius of a code as CosetCode writes it, checked by a
// breadth-first search over its syndromes; -1 when H has too low a rank.
std::int32_t CoveringRadiusOf(const CosetCode& code);

}  // namespace lumo
