#include "tests/value/small_round.h"

#include <array>
#include <cmath>

#include "core/column.h"
#include "value/value_options.h"

namespace lumo {

namespace {

constexpr int kPublicColumns = 2'000;

std::array<int, kMatches> Signs(std::int32_t index) {
    std::array<int, kMatches> signs{};
    for (int& sign : signs) {
        sign = index % 3;
        index /= 3;
    }
    return signs;
}

int Misses(std::int32_t a, std::int32_t b) {
    return kMatches - CColumn(a).Hits(CColumn(b));
}

double Product(const MatchTable& table, std::int32_t index) {
    const auto signs = Signs(index);
    double product = 1.0;
    for (std::size_t m = 0; m < signs.size(); ++m) {
        product *= table[m][static_cast<std::size_t>(signs[m])];
    }
    return product;
}

}  // namespace

Round SmallRound() {
    const MatchTable real{{{0.5, 0.3, 0.2},
                           {0.4, 0.35, 0.25},
                           {0.7, 0.2, 0.1},
                           {0.3, 0.3, 0.4},
                           {0.2, 0.5, 0.3},
                           {0.6, 0.25, 0.15}}};
    const MatchTable shares{{{0.7, 0.2, 0.1},
                             {0.3, 0.4, 0.3},
                             {0.85, 0.1, 0.05},
                             {0.2, 0.3, 0.5},
                             {0.4, 0.4, 0.2},
                             {0.5, 0.3, 0.2}}};
    Round round;
    for (auto& row : round.real) {
        row = {1.0, 0.0, 0.0};
    }
    round.publicShares = round.real;
    for (std::size_t i = 0; i < kOpenMatches.size(); ++i) {
        round.real[kOpenMatches[i]] = real[i];
        round.publicShares[kOpenMatches[i]] = shares[i];
    }
    round.takings = kPublicColumns * round.columnPrice;
    round.jackpot = 300.0;
    return round;
}

std::int32_t WithSign(std::int32_t column, std::size_t match, std::int32_t sign) {
    std::int32_t weight = 1;
    for (std::size_t m = 0; m < match; ++m) {
        weight *= 3;
    }
    return column + (sign - column / weight % 3) * weight;
}

std::vector<std::int32_t> PossibleResults() {
    std::vector<std::int32_t> results;
    for (std::int32_t n = 0; n < 729; ++n) {
        std::int32_t result = 0;
        for (std::size_t i = 0, digits = static_cast<std::size_t>(n); i < kOpenMatches.size();
             ++i, digits /= 3) {
            result = WithSign(result, kOpenMatches[i], static_cast<std::int32_t>(digits % 3));
        }
        results.push_back(result);
    }
    return results;
}

BruteForce::BruteForce(const Round& round, LeastPrizeRule rule)
    : round(round),
      rule(rule),
      others(static_cast<std::int32_t>(std::lround(round.takings / round.columnPrice))),
      logFactorials(static_cast<std::size_t>(others) + 1) {
    for (std::size_t n = 1; n < logFactorials.size(); ++n) {
        logFactorials[n] = logFactorials[n - 1] + std::log(static_cast<double>(n));
    }
    for (const std::int32_t r : PossibleResults()) {
        std::array<double, 5> q{};
        for (const std::int32_t v : PossibleResults()) {
            const int misses = Misses(v, r);
            if (misses <= 4) {
                q[static_cast<std::size_t>(misses)] += Product(round.publicShares, v);
            }
        }
        publicMisses.push_back(q);
    }
}

// E[ours / (ours + B)], B ~ Binomial(public columns, q), term by term.
double BruteForce::Split(std::int32_t ours, double q) {
    if (q <= 0.0) {
        return 1.0;
    }
    const auto [known, added] = splits.try_emplace({ours, q}, 0.0);
    if (!added) {
        return known->second;
    }
    double sum = 0.0;
    for (std::int32_t b = 0; b <= others; ++b) {
        const double logChance = logFactorials[static_cast<std::size_t>(others)] -
                                 logFactorials[static_cast<std::size_t>(b)] -
                                 logFactorials[static_cast<std::size_t>(others - b)] +
                                 b * std::log(q) + (others - b) * std::log1p(-q);
        sum += std::exp(logChance) * ours / (ours + static_cast<double>(b));
    }
    known->second = sum;
    return sum;
}

BruteValue BruteForce::Value(const std::vector<std::int32_t>& bet) {
    const std::array<double, 5> funds{0.16, 0.075, 0.075, 0.075, 0.09};
    const double especial = 0.075 * round.takings + round.jackpot;
    const auto paying = [this](double fund, double winners) {
        return rule == LeastPrizeRule::kIgnored || fund / (1.0 + winners) >= 1.0;
    };
    BruteValue value;
    const std::vector<std::int32_t> possible = PossibleResults();
    for (std::size_t i = 0; i < possible.size(); ++i) {
        const std::int32_t r = possible[i];
        const std::array<double, 5>& q = publicMisses[i];
        std::array<std::int32_t, 5> ours{};
        for (const std::int32_t c : bet) {
            if (const int misses = Misses(c, r); misses <= 4) {
                ++ours[static_cast<std::size_t>(misses)];
            }
        }
        double prize = 0.0;
        bool cashes = false;
        const double chance = Product(round.real, r);
        for (std::size_t e = 0; e < 5; ++e) {
            value.categoryChances[e] += ours[e] > 0 ? chance : 0.0;
            const double fund = funds[e] * round.takings;
            if (ours[e] > 0 && paying(fund, others * q[e])) {
                prize += fund * Split(ours[e], q[e]);
                cashes = true;
            }
        }
        const double plenoQ = round.plenoChance * q[0];
        if (ours[0] > 0 && paying(especial, others * plenoQ)) {
            prize += round.plenoChance * especial * Split(ours[0], plenoQ);
            cashes = true;
        }
        value.expected += chance * prize;
        value.cashChance += cashes ? chance : 0.0;
    }
    return value;
}

}  // namespace lumo
