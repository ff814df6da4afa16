#include "value/winner_share.h"

#include <array>
#include <cmath>
#include <numbers>

#include "value/internal/fast_exp.h"

namespace lumo {

namespace {

// The integrand behaves as exp(-steepness (1 - t)) near t = 1; from this
// steepness on, six terms of its expansion there are exact to about 1e-6.
constexpr double kSteepForExpansion = 60.0;
// The quadrature covers t in [1 - width, 1], the width 1 below a steepness
// of 24, 0.6 below 40 and 0.4 below 60: the width times the steepness lies
// between 14 and 24, so all but e^-14 of the integral lies there, and 16
// nodes integrate it to about 1e-9.
constexpr int kNodes = 16;
// Below this q, log1p(-x) for x <= q is its series to x^4, within 1e-16 of
// the sum times the number of columns.
constexpr double kSmallQ = 1e-3;

// Gauss–Legendre nodes on t in [1 - width, 1], with log t at each.
struct NodesNearOne {
    std::array<double, kNodes> miss{};  // 1 - t
    std::array<double, kNodes> logT{};
    std::array<double, kNodes> weights{};
};

// The nodes and weights by Newton's method on the Legendre polynomial.
NodesNearOne MakeNodes(double width) {
    NodesNearOne rule;
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
        const auto at = static_cast<std::size_t>(i);
        rule.miss[at] = 0.5 * width * (1.0 + x);
        rule.logT[at] = std::log1p(-rule.miss[at]);
        rule.weights[at] = width / ((1.0 - x * x) * derivative * derivative);
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

// others · log(1 - q miss).
double LogOfOthersMissing(double others, double q, double miss) {
    const double x = q * miss;
    if (q < kSmallQ) {
        return -others * x * (1.0 + x * (0.5 + x * (1.0 / 3.0 + x * 0.25)));
    }
    return others * std::log1p(-x);
}

// ∫₀¹ t^(ours-1) (1 - q + q t)^others dt by Gauss–Legendre near t = 1.
double QuadratureNearOne(double ours, double others, double q) {
    static const std::array<NodesNearOne, 3> rules{MakeNodes(1.0), MakeNodes(0.6), MakeNodes(0.4)};
    const double steepness = ours - 1.0 + others * q;
    const NodesNearOne& rule = rules[steepness < 24.0 ? 0 : steepness < 40.0 ? 1 : 2];
    std::array<double, kNodes> exponents{};
    for (std::size_t i = 0; i < exponents.size(); ++i) {
        exponents[i] = (ours - 1.0) * rule.logT[i] + LogOfOthersMissing(others, q, rule.miss[i]);
    }
    std::array<double, kNodes> terms{};
    for (std::size_t i = 0; i < terms.size(); ++i) {
        terms[i] = rule.weights[i] * internal::FastExpOfNegative(exponents[i]);
    }
    double sum = 0.0;
    for (const double term : terms) {
        sum += term;
    }
    return sum;
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
    // 1 - (1 - q)^players; exp serves, faster, where it loses no digits.
    const double power = players * std::log1p(-q);
    const double missed = power < -0.5 ? 1.0 - std::exp(power) : -std::expm1(power);
    return missed / expected;
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
