#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/column_set.h"
#include "core/forecast_table.h"
#include "reducir/bet_scores.h"

// Whether a bet's columns are those of its file, or were made in the window
// and are not in `file` yet.
enum class BetOrigin { kFile, kUnsaved };

// A bet opened in Lumo Reducir: read strictly, its columns scored.
struct OpenedBet {
    std::filesystem::path file;
    std::unique_ptr<lumo::CColumnSet> columns;
    ScoreSource scores;
    lumo::CForecastTable forecast;  // the table of `scores`, as read
    BetOrigin origin = BetOrigin::kFile;
};

struct BetOpening {
    // The bet, or null when it could not be opened.
    std::unique_ptr<OpenedBet> bet;
    // Why not, in Spanish, naming the file and the line; empty on success.
    std::string message;
    // Why the forecast beside the bet was not used, when it could not be:
    // the bet is then scored with the constructed table.
    std::string warning;
    // The columns that repeat one earlier in the bet (CountRepeated).
    std::int32_t repeated = 0;
};

// Reads the bet file strictly (any damage is an error naming its line) and
// scores its columns with DefaultScoreSource of the file, or with the
// constructed table when that forecast cannot be used. May throw
// std::bad_alloc.
BetOpening OpenBet(const std::filesystem::path& file);
