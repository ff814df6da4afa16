#include "value/internal/result_chances.h"

namespace lumo::internal {

namespace {

constexpr std::int32_t kHalfMatches = 7;
constexpr std::int32_t kHalfResults = 2187;  // 3^7

// The chances of the results of matches first..first+6 alone, indexed by
// their seven base-3 digits.
std::vector<ResultChances> HalfTable(const Round& round, std::size_t first) {
    std::vector<ResultChances> table(kHalfResults);
    for (std::int32_t index = 0; index < kHalfResults; ++index) {
        ResultChances chances;
        chances.chance = 1.0;
        chances.publicMisses[0] = 1.0;
        std::int32_t digits = index;
        for (std::size_t m = first; m < first + kHalfMatches; ++m, digits /= 3) {
            const auto sign = static_cast<std::size_t>(digits % 3);
            chances.chance *= round.real[m][sign];
            // Times (hit + miss x), truncated at x^4.
            const double hit = round.publicShares[m][sign];
            const double miss = 1.0 - hit;
            for (std::size_t e = kMostMisses; e > 0; --e) {
                chances.publicMisses[e] =
                    chances.publicMisses[e] * hit + chances.publicMisses[e - 1] * miss;
            }
            chances.publicMisses[0] *= hit;
        }
        table[static_cast<std::size_t>(index)] = chances;
    }
    return table;
}

}  // namespace

ResultChanceTables::ResultChanceTables(const Round& round)
    : low(HalfTable(round, 0)), high(HalfTable(round, kHalfMatches)) {}

ResultChances ResultChanceTables::At(std::int32_t result) const {
    const ResultChances& a = low[static_cast<std::size_t>(result % kHalfResults)];
    const ResultChances& b = high[static_cast<std::size_t>(result / kHalfResults)];
    ResultChances chances;
    chances.chance = a.chance * b.chance;
    for (std::size_t e = 0; e <= kMostMisses; ++e) {
        double sum = 0.0;
        for (std::size_t i = 0; i <= e; ++i) {
            sum += a.publicMisses[i] * b.publicMisses[e - i];
        }
        chances.publicMisses[e] = sum;
    }
    return chances;
}

}  // namespace lumo::internal
