#pragma once

#include <cstdint>

namespace lumo {

// The share of a prize fund that our winning columns expect when `others`
// other columns each win independently with probability `q`: with B the
// number of other winners, B ~ Binomial(others, q), and the fund split
// evenly among all winners. `others` need not be a whole number (the
// takings over the price); q lies in [0, 1].

// E[1 / (1 + B)] = (1 - (1 - q)^(others + 1)) / ((others + 1) q), in (0, 1];
// exact to rounding for a tiny q as well, and 1 when q is 0.
double ShareOfOne(double others, double q);

// E[ours / (ours + B)] for `ours` >= 1 winning columns of ours, the integral
// ours * ∫₀¹ t^(ours-1) (1 - q + q t)^others dt, to a relative error below
// 1e-5: the closed form for one column, an expansion at t = 1 when the
// integrand is steep there, Gauss–Legendre quadrature otherwise.
double ShareOfMany(std::int32_t ours, double others, double q);

}  // namespace lumo
