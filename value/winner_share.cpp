#include "value/winner_share.h"

#include <array>
#include <cmath>
#include <numbers>

namespace lumo {

namespace {

// The integrand behaves as exp(-steepness (1 - t)) near t = 1; from this
// steepness on, six terms of its expansion there are exact to about 1e-6.
constexpr double kSteepForExpansion = 60.0;
// Past this many units of steepness the integrand is below e^-24 of its
// value at t = 1: the quadrature leaves the rest out.
constexpr double kWidestQuadrature = 24.0;
constexpr int kNodes = 24;

struct GaussLegendre {
    std::array<double, kNodes> nodes{};  // on [-1, 1]
    std::array<double, kNodes> weights{};
};

// The nodes and weights by Newton's method on the Legendre polynomial.
GaussLegendre MakeGaussLegendre() {
    GaussLegendre rule;
    for (int i = 0; i < kNodes; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (kNodes + 0.5));
        double derivative = 1.0;
        for (int step = 0; step < 100; ++step) {
            double p0 = 1.0;
            double p1 = x;
            for (int k = 2; k <= kNodes; ++k) {
                const double p2 = ((2.0 * k - 1.0) * x * p1 - (k - 1.0) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = kNodes * (x * p1 - p0) / (x * x - 1.0);
            const double next = x - p1 / derivative;
            const bool settled = std::fabs(next - x) < 1e-16;
            x = next;
            if (settled) {
                break;
            }
        }
        rule.nodes[static_cast<std::size_t>(i)] = x;
        rule.weights[static_cast<std::size_t>(i)] = 2.0 / ((1.0 - x * x) * derivative * derivative);
    }
    return rule;
}

// ∫₀¹ e^φ(t) dt with φ(1) = 0, from φ's derivatives at t = 1: the
// integral of e^(-a u) times the series of the rest of φ(1 - u).
double ExpansionAtOne(double ours, double others, double q) {
    const double rest = ours - 1.0;
    const double q2 = q * q;
    const double a = rest + others * q;
    const double b = -rest - others * q2;
    const double c = 2.0 * (rest + others * q2 * q);
    const double d = -6.0 * (rest + others * q2 * q2);
    const double e = 24.0 * (rest + others * q2 * q2 * q);
    const double ia = 1.0 / a;
    const double ia2 = ia * ia;
    const double series =
        1.0 + ia2 * (b - c * ia + (d + 3.0 * b * b) * ia2 - (e + 10.0 * b * c) * ia2 * ia +
                     (10.0 * c * c + 15.0 * b * d + 15.0 * b * b * b) * ia2 * ia2);
    return series * ia;
}

// ∫₀¹ t^(ours-1) (1 - q + q t)^others dt over t = 1 - u / a, u in [0, a] cut
// at kWidestQuadrature, where a is the steepness at t = 1.
double QuadratureNearOne(double ours, double others, double q) {
    static const GaussLegendre rule = MakeGaussLegendre();
    const double a = ours - 1.0 + others * q;
    const double width = std::fmin(1.0, kWidestQuadrature / a);
    double sum = 0.0;
    for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
        const double miss = 0.5 * width * (1.0 + rule.nodes[i]);  // 1 - t
        const double t = 1.0 - miss;
        sum +=
            rule.weights[i] * std::exp((ours - 1.0) * std::log(t) + others * std::log1p(-q * miss));
    }
    return 0.5 * width * sum;
}

}  // namespace

double ShareOfOne(double others, double q) {
    if (q <= 0.0) {
        return 1.0;
    }
    const double players = others + 1.0;
    const double expected = players * q;
    // (1 - q)^players is below e^-50 here.
    if (expected > 50.0) {
        return 1.0 / expected;
    }
    return -std::expm1(players * std::log1p(-q)) / expected;
}

double ShareOfMany(std::int32_t ours, double others, double q) {
    if (ours == 1 || q <= 0.0) {
        return ShareOfOne(others, q);
    }
    const double m = ours;
    const double steepness = m - 1.0 + others * q;
    if (steepness >= kSteepForExpansion) {
        return m * ExpansionAtOne(m, others, q);
    }
    return m * QuadratureNearOne(m, others, q);
}

}  // namespace lumo
