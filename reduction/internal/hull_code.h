#pragma once

#include <cstdint>
#include <vector>

#include "reduction/internal/cover_instance.h"

namespace lumo::internal {

// The bet columns (BetIndex numbers, increasing) of a covering code of the
// bet's hull: the product code of the instance's radius for the results the bet
// uses in each match (product_cover.h), its results relabelled match by
// match so that as many of its words as can be found lie in the bet.
//
// Relabelling the results of a match keeps every distance, so the image
// still covers the hull. The bet columns near its words inside the bet are
// then covered the way the code covers them, nearly once each, a structure
// the greedy covering does not find by itself; the greedy covering seeded
// with these columns completes the rest (greedy_cover.h). The relabelling is
// found by trying, match by match, every permutation of that match's results
// and keeping the best, until a round changes nothing: always the same for
// the same bet.
//
// Gives none for an empty bet, for radius 0 and 1, when the code's balls
// overlap much (their sizes add up to more than 1.25 times the hull) and when
// the bet is thin (its columns' balls hold on average less than 0.68 of the
// hull's): there the seeded greedy covering of real bets was larger than the
// plain one.
// May throw std::bad_alloc.
std::vector<std::int32_t> HullCodeSeeds(const CoverInstance& instance);

// The values of the parity digit (see below).
inline constexpr std::uint8_t kParityDigits = 3;

// The bet columns (increasing) of a start for the swap search of radius 3 on
// bets of 11 triples or more: the extended ternary Golay code [12,6], its 11
// Golay positions on the bet's first 11 triples and its parity digit copied
// to every other match. On the Golay positions the results are relabelled
// as above; every other triple takes the parity digit as relabelled there;
// a double takes one of its results where the parity digit is `lone` and the
// other elsewhere (which way round is chosen as the relabellings are); a
// fixed match its result. Not a covering of the hull: a packing, its words 5
// apart or more. The greedy covering seeded with its words in the bet gave
// the swap search al 11 a start from which it went further than from the
// plain greedy covering (on a real bet, for the `lone` whose seeded covering
// was smallest, a minute reached 846 columns instead of 866; the best `lone`
// varies from bet to bet). None for other radii, fewer triples, `lone` not
// below kParityDigits, and when every other match is fixed: the words are
// then the Golay code's, of radius 2, and their greedy covering al 11 was
// half as large again as the plain one. May throw std::bad_alloc.
std::vector<std::int32_t> ParityGolaySeeds(const CoverInstance& instance, std::uint8_t lone);

}  // namespace lumo::internal
