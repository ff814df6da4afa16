#pragma once

#include <string>
#include <string_view>
#include <vector>
#include "cli/command_type.h"

#include "core/scoring.h"
#include "value/round.h"

// The options of the expected prize, shared by the commands that give it.
inline constexpr OptionRule kValueOption{"--value", OptionValue::kNone};
inline constexpr OptionRule kPublicOption{"--public", OptionValue::kRequired};
inline constexpr OptionRule kOddsOption{"--odds", OptionValue::kRequired};
inline constexpr OptionRule kTakingsOption{"--takings", OptionValue::kRequired};
inline constexpr OptionRule kJackpotOption{"--jackpot", OptionValue::kRequired};
inline constexpr OptionRule kPlenoOption{"--pleno-probability", OptionValue::kRequired};

// The real probabilities of --odds, else of the forecast: `scored` when the
// command has loaded it already, else LoadScoring's. Says on `err` which.
lumo::MatchTable LoadRealProbabilities(const CommandLine& line, const Streams& streams,
                                       const lumo::Scoring* scored);

// The public's shares of --public, required. Says on `err` which file.
lumo::MatchTable LoadPublicShares(const CommandLine& line, const Streams& streams);

// The round the expected prize is computed for: the real probabilities of
// --odds, else of the forecast: `scored` when the command has loaded it for
// the scores already, else LoadScoring's; the public's shares of
// --public and the takings of --takings, both required; --jackpot (0 €),
// --pleno-probability (0,0625) and --price (0,75 €). Says on `err` which
// inputs it used. Throws CommandError naming what is missing, or the file
// and line that cannot be used.
lumo::Round LoadRound(const CommandLine& line, const Streams& streams, const lumo::Scoring* scored);

// The expected prize of every column (ColumnValues) for LoadRound's round.
std::vector<double> ValuesOfRound(const CommandLine& line, const Streams& streams,
                                  const lumo::Scoring* scored);

// The euros of a value option, up to four decimals, its decimal separator a
// point or a comma ("0,75", "1.2345"). Throws CommandError naming the option.
double ValueEuros(std::string_view option, const std::string& typed);

// An expected value in euros as lumo-cli prints it: four decimals, a
// decimal comma, no grouping and no sign of the euro ("0,3390").
std::string ValueText(double euros);
