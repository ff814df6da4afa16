#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace lumo::internal {

// 1/n! for n = 0..12.
inline constexpr std::array<double, 13> kInverseFactorials = [] {
    std::array<double, 13> inverse{};
    double factorial = 1.0;
    for (std::size_t n = 0; n < inverse.size(); ++n) {
        factorial *= n == 0 ? 1.0 : static_cast<double>(n);
        inverse[n] = 1.0 / factorial;
    }
    return inverse;
}();

// e^x for -700 <= x <= 0 to a relative error near 1e-15 (e^-700 below
// -700): x = k ln 2 + r with |r| <= ln 2 / 2, e^r by its Taylor polynomial
// of degree 12, and 2^k put straight into the exponent bits. Plain
// arithmetic, so that a loop of them is vectorised, unlike calls to std::exp.
inline double FastExpOfNegative(double x) {
    constexpr double kLog2E = 1.4426950408889634;
    constexpr double kLn2High = 0.693147180369123816490;  // ln 2 in two parts
    constexpr double kLn2Low = 1.90821492927058770002e-10;
    const double clamped = x < -700.0 ? -700.0 : x;
    // Rounded to the nearest integer by adding and taking away 1,5 · 2^52.
    constexpr double kRounder = 6755399441055744.0;
    const double k = (clamped * kLog2E + kRounder) - kRounder;
    const double r = clamped - k * kLn2High - k * kLn2Low;
    double p = kInverseFactorials[12];
    for (std::size_t n = 12; n > 0; --n) {
        p = p * r + kInverseFactorials[n - 1];
    }
    const auto exponent = static_cast<std::uint64_t>(static_cast<std::int64_t>(k) + 1023);
    return p * std::bit_cast<double>(exponent << 52);
}

}  // namespace lumo::internal
