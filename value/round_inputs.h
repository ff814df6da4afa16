#pragma once

#include <filesystem>
#include <string>

#include "value/round.h"

namespace lumo {

// The round of the expected prize as a player gives it in a window: two
// file names, the forecast's probabilities and the money as typed.
struct RoundInputs {
    std::filesystem::path publicFile;  // the public's percentages; required
    std::filesystem::path oddsFile;    // bookmakers' odds; empty: `forecast` instead
    MatchTable forecast{};             // the real probabilities without an odds file
    std::string takings;               // euros as typed ("2.500.000"); required, above 0
    std::string jackpot;               // euros as typed; blank is 0
    double columnPrice = kDefaultColumnPrice;
};

// The round, or the Spanish message saying what is missing, which amount is
// no amount, or which file and line cannot be used; `round` is then that of
// no inputs.
struct RoundReading {
    Round round;
    std::string message;

    bool Ok() const { return message.empty(); }
};

// Reads the files strictly (public_file.h, odds_file.h) and the money with
// ParseEuros; the Pleno al 15's chance is kDefaultPlenoChance.
RoundReading ReadRound(const RoundInputs& inputs);

}  // namespace lumo
