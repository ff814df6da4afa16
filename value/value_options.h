#pragma once

#include <array>

namespace lumo {

// The tunables of the expected prize: the defaults of a round and the shares
// of the takings that the prize funds receive.

// Price of one column, in euros.
inline constexpr double kDefaultColumnPrice = 0.75;
// Probability that the player's Pleno al 15 is right: 1 in 16 results.
inline constexpr double kDefaultPlenoChance = 0.0625;
// A category whose prize per winner would be under this many euros pays
// nothing on that result.
inline constexpr double kLeastPrize = 1.0;

// Shares of the takings for 14, 13, 12, 11 and 10 hits, in that order: the
// index is the number of misses.
inline constexpr std::array<double, 5> kCategoryShares{0.16, 0.075, 0.075, 0.075, 0.09};
// Share of the takings for the Especial (14 hits and the Pleno al 15), to
// which the jackpot carried over is added.
inline constexpr double kEspecialShare = 0.075;

// How far from 100 a row of the public's percentages may add up.
inline constexpr double kPublicRowSlack = 1.5;

}  // namespace lumo
