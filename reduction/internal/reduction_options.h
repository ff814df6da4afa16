#pragma once

#include <cstddef>
#include <cstdint>

namespace lumo::internal {

// Every tunable of the guarantee reduction, one place to read and change
// them. The figures in the comments are from the 329,695-column example bet
// (bench/README.md) unless they say otherwise.
namespace tuning {

// --- Phases (guarantee_reduction.cpp) ---

// Product bets above this many columns take the product codes alone (a greedy takes seconds),
inline constexpr std::int32_t kLargestGreedyProduct = 100'000;
// ... and so do those whose size times ball in the bet is above this: a greedy covering of
// 6 triples and 7 doubles al 11 (93,312 columns, ball 1,052) took 3.5 s for 243 columns
// against the code's 252; 4 triples and 9 doubles al 11 (35 million) 1.3 s, as the code.
inline constexpr std::int64_t kMostGreedyProductWork = 40'000'000;
// Most bytes the kept ball lists may take: 288 MB al 12 on the example bet; al 11 walks the balls.
inline constexpr std::int64_t kKeptBallsBudget = std::int64_t{320} << 20;
// Work of the product bets' short local search, in bet columns visited (a move visits ~4 balls).
inline constexpr std::int64_t kProductSearchWork = 52'000'000;
// Work of every bet's short swap search, in steps times the ball squared: 12,288 steps al 13.
inline constexpr std::int64_t kShortSearchWork = std::int64_t{12'288} * 29 * 29;
// The product bets the greedy covers get a longer short swap search, this many at once,
inline constexpr std::int32_t kProductSwapSearches = 2;
// ... each of this work, in steps times (the ball in the bet squared plus kSwapStepCost): of
// 228 product shapes (100 to 100,000 columns, al 13, 12, 11) 80 came out smaller with the
// old codes, 1,742 columns in all (6 triples and 3 doubles al 12: 94 to 80); the slowest
// takes 1.7 s.
inline constexpr std::int64_t kProductSwapWork = 48'000'000;
// A swap step's cost beyond its ball's, in the same units: 2 µs a step with a ball of 9.
inline constexpr std::int64_t kSwapStepCost = 256;
// An optimisation spends 1/this of its time on the Lagrangian bound before the swap searches,
inline constexpr std::int32_t kBoundShareDivisor = 8;
// ... and goes on until it has taken this many steps (a minute al 11 on 233,133 columns:
// 0.1 to 0.2 s a step after the sphere bound's 0.8 s; 32 steps gave 162, 56 gave 173),
inline constexpr std::int64_t kLeastOptimisingBoundSteps = 60;
// ... but never past 1/this of its time: a third made a minute al 11 two columns larger.
inline constexpr std::int32_t kMostBoundShareDivisor = 6;
// Share of the progress (of 100) the first covering takes when an optimisation follows:
// on 243,243 columns it takes 7 s al 11 and 30 s al 10, against the seconds chosen.
inline constexpr std::int32_t kConstructionShare = 30;
// Share of the first covering's progress (of 100) the bet's index and kept balls take
// before it: 0.55 s of 7 s al 11 on 243,243 columns, with the hull's seeds.
inline constexpr std::int32_t kBallKeepingShare = 8;
// Share of the progress (of 100) the parity Golay start takes in an optimisation.
inline constexpr std::int32_t kParityStartShare = 15;
// Most swap searches an optimisation runs at once (one per hardware thread, up to this).
inline constexpr std::int32_t kMostParallelSearches = 64;

// --- Greedy covering (greedy_cover.cpp) ---
// Share of a greedy covering's progress (of 100) its degrees, ball sums and first heap
// take before the first column: 2.3 s of 7 s al 11 on 243,243 columns.
inline constexpr std::int32_t kGreedyPreparationShare = 33;
// Of which the degrees take this share: 0.45 s of the 2.3 s.
inline constexpr std::int32_t kGreedyDegreesShare = 6;

// Ball visits (newly covered columns times the ball) from which a gain update is shared by threads.
inline constexpr std::int64_t kSharedWalkedUpdate = 16'384;
// The same when the balls are kept: reading them is cheap, so sharing pays only on more.
inline constexpr std::int64_t kSharedKeptUpdate = 16 * kSharedWalkedUpdate;
// Spins of a waiting thread of the team before it sleeps (chunk_team.cpp).
inline constexpr std::int32_t kTeamSpins = 200'000;

// --- Hull code seeds (hull_code.cpp) ---

// Seeds only when the code's balls add up to at most this many hulls (Golay, 11-12 triples: 1.19).
inline constexpr double kMostSeedOverlap = 1.25;
// Seeds only from this radius up: of radius 1 even perfect codes did no better than the greedy.
inline constexpr std::int32_t kLeastSeededRadius = 2;
// Seeds only when the bet's balls hold on average this share of the hull's (from 0.71: smaller).
inline constexpr double kLeastSeedFullness = 0.68;
// Most rounds over the matches of the relabelling search (real bets settle in two or three).
inline constexpr std::int32_t kMostRelabellingRounds = 8;
// The radius (al 11) the parity Golay seeds are for.
inline constexpr std::int32_t kParitySeedRadius = 3;

// --- Local search of product bets (cover_search.cpp) ---

// A move uncovering k more columns is kept with probability exp(-k / this).
inline constexpr double kSearchTemperature = 0.5;
// Moves of the local search between two looks at the clock.
inline constexpr std::int64_t kMovesPerClockCheck = 256;

// --- Swap search (tabu_cover.cpp, swap_state.cpp) ---

// A column's weight in the swap search before any raise (each step raises the uncovered by 1).
inline constexpr std::int64_t kSwapBaseWeight = 100;
// Entries per chosen column above which the swap state's file of losses is rebuilt.
inline constexpr std::size_t kLossFileEntriesPerColumn = 4;
// ... plus this many, so that a small covering does not rebuild it at every change.
inline constexpr std::size_t kLossFileSlack = 1024;
// Steps of the swap search between two looks at the clock and the stop token.
inline constexpr std::int64_t kStepsPerClockCheck = 16;
// Steps between two halvings of the weights columns gained, so old holes stop steering.
inline constexpr std::int64_t kStepsPerHalving = 20'000;
// More uncovered columns than this: the search has wandered off and refills the covering.
inline constexpr std::size_t kMostUncovered = 30;
// Shortest number of steps a changed column stays frozen.
inline constexpr std::int64_t kTenureMin = 2;
// One past the longest number of steps a changed column stays frozen.
inline constexpr std::int64_t kTenureEnd = 8;

// --- Lagrangian bound (cover_bound.cpp) ---

// At least this many subgradient steps fitting in the time count as many.
inline constexpr std::int64_t kManyBoundSteps = 40;
// With many steps: halve the step after this many without a better bound.
inline constexpr std::int32_t kManyStepsPatience = 10;
// With many steps: aim this share of the way from the best bound to the covering (al 12: 1,593).
inline constexpr double kManyStepsAim = 0.2;
// With few steps (the quick bound; a short optimisation of a large bet): halve after this
// many without a better bound.
inline constexpr std::int32_t kFewStepsPatience = 4;
// With few steps: aim at the covering's size itself.
inline constexpr double kFewStepsAim = 0.1;
// A reduction without optimisation takes at most this many steps of the bound ...
inline constexpr std::int64_t kQuickBoundSteps = 16;
// ... and none unless this many fit ...
inline constexpr std::int64_t kQuickBoundLeastSteps = 2;
// ... in this work, in column visits: 2 steps for 233,133 columns al 11 (2.7·10^8, 0.1 s a
// step after the sphere bound's 0.8 s), the bound 87 to 107; al 12 8 steps, 808 to 899.
inline constexpr std::int64_t kQuickBoundWork = 800'000'000;
// The subgradient walks the taken columns' balls when they are at most 1/this of the bet.
inline constexpr std::int64_t kSparseTakenDivisor = 8;

}  // namespace tuning

}  // namespace lumo::internal
