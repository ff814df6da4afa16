#include "core/column.h"

#include <istream>
#include <ostream>

#include "core/random.h"

namespace lumo {

namespace {

constexpr std::array<std::int32_t, kMatches> kPowersOfThree = [] {
    std::array<std::int32_t, kMatches> powers{};
    std::int32_t power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 3;
    }
    return powers;
}();

}  // namespace

CColumn::CColumn(std::int32_t index) {
    SetFromIndex(index);
}

void CColumn::SetFromIndex(std::int32_t index) {
    for (std::int32_t m = kMatches - 1; m >= 0; --m) {
        results[static_cast<std::size_t>(m)] =
            static_cast<std::uint8_t>(index / kPowersOfThree[static_cast<std::size_t>(m)]);
        index %= kPowersOfThree[static_cast<std::size_t>(m)];
    }
    score = 0;
    marked = 0;
}

void CColumn::ParseText(std::string_view text) {
    for (std::size_t m = 0; m < results.size(); ++m) {
        const char sign = m < text.size() ? text[m] : '1';
        results[m] = sign == '2' ? kAwayWin : (sign == 'X' || sign == 'x') ? kDraw : kHomeWin;
    }
    score = 0;
    marked = 0;
}

std::istream& CColumn::ReadText(std::istream& in) {
    for (auto& result : results) {
        char sign = 0;
        if (!(in >> sign)) {
            break;
        }
        result = sign == '1' ? kHomeWin : sign == 'X' ? kDraw : kAwayWin;
    }
    score = 0;
    marked = 0;
    return in;
}

std::ostream& CColumn::WriteText(std::ostream& out) const {
    for (const auto result : results) {
        out.put(SignOf(result));
    }
    return out;
}

std::int32_t CColumn::ComputeScore(const Scoring& scoring) const {
    std::int64_t sum = 0;
    for (std::size_t m = 0; m < results.size(); ++m) {
        sum += scoring.table.rows[m][results[m]];
    }
    return ScoreForSum(scoring, sum);
}

double CColumn::Probability(const CForecastTable& table) const {
    double product = 1.0;
    for (std::size_t m = 0; m < results.size(); ++m) {
        product *= table.rows[m][results[m]];
        product *= 0.01;
    }
    return product;
}

void CColumn::Randomize(const CForecastTable& table) {
    for (std::size_t m = 0; m < results.size(); ++m) {
        const auto& row = table.rows[m];
        results[m] = RandomResult(row[0], row[1], row[2]);
    }
    score = 0;
}

std::uint8_t ResultForDraw(std::int32_t draw, std::int32_t p1, std::int32_t pX) {
    const std::int64_t v = static_cast<std::int64_t>(draw) * 100 / 32767;
    if (v < p1) {
        return kHomeWin;
    }
    if (v < static_cast<std::int64_t>(p1) + pX) {
        return kDraw;
    }
    return kAwayWin;
}

std::uint8_t RandomResult(std::int32_t p1, std::int32_t pX, std::int32_t /*p2*/) {
    return ResultForDraw(DrawRandom(), p1, pX);
}

}  // namespace lumo
