#pragma once

#include <iosfwd>
#include <optional>
#include <vector>

#include "cli/command_type.h"
#include "conditions/condition_evaluation.h"
#include "conditions/condition_file.h"
#include "core/scoring.h"

// The file of conditions of lumo-cli filter, and the table of --explain.
inline constexpr OptionRule kConditionsOption{"--conditions", OptionValue::kRequired};
inline constexpr OptionRule kExplainOption{"--explain", OptionValue::kNone};

// The file of --conditions read strictly; nothing without the option.
// Throws CommandError naming the file and the damaged line, and for
// --explain without --conditions.
std::optional<lumo::ConditionFile> LoadConditions(const CommandLine& line);

// The values `valor` needs: empty when the file has no `valor`; otherwise
// ValuesOfRound's (value_inputs.h).
// Throws CommandError naming the line of `valor` when --public or --takings
// is missing.
std::vector<double> ValuesForConditions(const CommandLine& line, const Streams& streams,
                                        const lumo::Scoring& scoring,
                                        const lumo::ConditionFile& file);

// With --explain, writes on `err` per condition (its line as written) how
// many of the input columns break it, then how many the file removed and how
// many it kept although they break some conditions. Nothing without it.
void ExplainConditions(const CommandLine& line, std::ostream& err, const lumo::ConditionFile& file,
                       const lumo::ConditionTally& tally);
