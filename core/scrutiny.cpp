#include "core/scrutiny.h"

#include "core/internal/result_words.h"

namespace lumo {

using namespace internal;

namespace {

std::optional<PlenoGoals> GoalsOfSign(char c) {
    switch (c) {
        case '0':
            return PlenoGoals::kZero;
        case '1':
            return PlenoGoals::kOne;
        case '2':
            return PlenoGoals::kTwo;
        case 'M':
        case 'm':
            return PlenoGoals::kMore;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<PlenoScore> ParsePlenoScore(std::string_view text) {
    std::array<PlenoGoals, 2> goals{};
    std::size_t read = 0;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '-') {
            continue;
        }
        const std::optional<PlenoGoals> sign = GoalsOfSign(c);
        if (!sign || read == goals.size()) {
            return std::nullopt;
        }
        goals[read++] = *sign;
    }
    if (read != goals.size()) {
        return std::nullopt;
    }
    return PlenoScore{goals[0], goals[1]};
}

std::int64_t Scrutiny::InCategory(PrizeCategory category) const {
    if (category == PrizeCategory::kSpecial) {
        return special;
    }
    const auto hits = kMatches + 1 - static_cast<std::int32_t>(category);
    return columnsByHits[static_cast<std::size_t>(hits)];
}

std::optional<std::int32_t> Scrutiny::BestHits() const {
    for (std::int32_t hits = kMatches; hits >= 0; --hits) {
        if (columnsByHits[static_cast<std::size_t>(hits)] > 0) {
            return hits;
        }
    }
    return std::nullopt;
}

Scrutiny Scrutinise(const CColumnSet& bet, const CColumn& result, std::optional<PlenoPlay> pleno) {
    Scrutiny scrutiny;
    const ResultWords resultWords = LoadResultWords(result.results);
    for (const CColumn& column : bet) {
        const std::int32_t differences =
            CountDifferences(LoadResultWords(column.results), resultWords);
        ++scrutiny.columnsByHits[static_cast<std::size_t>(kMatches - differences)];
    }
    if (pleno && pleno->pick == pleno->result) {
        scrutiny.special = scrutiny.columnsByHits[kMatches];
    }
    return scrutiny;
}

std::int64_t WinningsCents(const Scrutiny& scrutiny, const PrizeTable& prizes) {
    std::int64_t cents = 0;
    for (std::size_t category = 0; category < kPrizeCategories; ++category) {
        cents += scrutiny.InCategory(static_cast<PrizeCategory>(category)) * prizes[category];
    }
    return cents;
}

}  // namespace lumo
