#pragma once

#include <cstdint>
#include <vector>

#include "core/internal/bet_index.h"

// The bet columns (BetIndex numbers, increasing) of a covering code of the
// bet's hull: the product code of radius `radius` for the results the bet
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
std::vector<std::int32_t> HullCodeSeeds(const BetIndex& bet, std::int32_t radius);
