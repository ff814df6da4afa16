#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/column.h"
#include "core/column_set.h"

namespace lumo {

// The scrutiny of a bet against a round's result: how many columns reach
// each number of hits, the prize categories, and what the bet wins.

// Goals of one team in the Pleno al 15: 0, 1, 2, or M for three or more.
enum class PlenoGoals : std::uint8_t { kZero, kOne, kTwo, kMore };

// A Pleno al 15 score, home team first.
struct PlenoScore {
    PlenoGoals home = PlenoGoals::kZero;
    PlenoGoals away = PlenoGoals::kZero;
    friend bool operator==(PlenoScore, PlenoScore) = default;
};

// A score typed as two goal signs (0, 1, 2, M or m), with or without a
// hyphen or blanks between them: "2-M", "1 0", "m1". Nothing for anything
// else.
std::optional<PlenoScore> ParsePlenoScore(std::string_view text);

// The Pleno al 15 of a round: its real score and the one the player picked
// (one pick for the whole bet).
struct PlenoPlay {
    PlenoScore result;
    PlenoScore pick;
};

// The prize categories, best first: the special one (14 hits and the Pleno
// al 15), then 14, 13, 12, 11 and 10 hits.
enum class PrizeCategory : std::uint8_t { kSpecial, kFourteen, kThirteen, kTwelve, kEleven, kTen };
inline constexpr std::size_t kPrizeCategories = 6;

// Prizes per winning column, in cents, indexed by PrizeCategory.
using PrizeTable = std::array<std::int64_t, kPrizeCategories>;

struct Scrutiny {
    // columnsByHits[h]: the columns with exactly h hits, h = 0..14.
    std::array<std::int64_t, kMatches + 1> columnsByHits{};
    // Columns with 14 hits when the Pleno al 15 was played and picked right;
    // 0 otherwise. Each is also counted among the columns with 14 hits.
    std::int64_t special = 0;

    // The columns in a category.
    std::int64_t InCategory(PrizeCategory category) const;
    // The most hits of any column, or nothing for an empty bet.
    std::optional<std::int32_t> BestHits() const;
};

// Counts the hits of every column of the bet against the result; with a
// Pleno al 15 play, also the special category. Marks and scores are not
// looked at; reports nothing.
Scrutiny Scrutinise(const CColumnSet& bet, const CColumn& result,
                    std::optional<PlenoPlay> pleno = std::nullopt);

// What the bet wins, in cents: the sum over the categories of the columns in
// it times its prize. A special column wins its special prize and, as a
// column of 14 hits, that prize too.
std::int64_t WinningsCents(const Scrutiny& scrutiny, const PrizeTable& prizes);

}  // namespace lumo
