#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "reduction/internal/bet_index.h"

namespace lumo::internal {

// Per match, the results a bet uses there: bit r set for result code r.
using MatchChoices = std::array<std::uint8_t, kMatches>;

// The choices of the bet when its distinct columns are exactly every
// combination of them (fixed results, doubles and triples), else nothing.
// An empty bet is no product.
std::optional<MatchChoices> ProductChoices(const BetIndex& bet);

// A covering of radius `radius` (0..14) of every combination of the choices,
// made of such combinations: the direct sum of known codes (block_codes.h)
// over blocks of the matches, each block some of the triples and some of the
// doubles, a code of radius r1 on one block times one of radius r2 on another
// covering radius r1 + r2. Fixed matches take their one result. Of all the
// ways to split the radius and the matches into blocks, the one giving the
// fewest columns is built (a dynamic programme over the numbers of triples
// and doubles left and the radius left). Returns the column indices, in no
// defined order.
std::vector<std::int32_t> ProductCover(const MatchChoices& choices, std::int32_t radius);

// The number of columns ProductCover(choices, radius) gives, without building
// them.
std::int64_t ProductCoverSize(const MatchChoices& choices, std::int32_t radius);

// The number of combinations of the choices, and of those within `radius` of
// any one of them (the coefficients of the product over the matches of
// 1 + (results - 1) x up to x^radius).
std::int64_t ProductSize(const MatchChoices& choices);
std::int64_t ProductBall(const MatchChoices& choices, std::int32_t radius);

}  // namespace lumo::internal
