#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <vector>

#include "cli/command_type.h"
#include "conditions/condition_evaluation.h"
#include "conditions/condition_file.h"
#include "core/scoring.h"

// The file of conditions of lumo-cli filter, and the table of --explain.
inline constexpr OptionRule kConditionsOption{"--conditions", OptionValue::kRequired};
inline constexpr OptionRule kExplainOption{"--explain", OptionValue::kNone};

// The cut of --conditions: the file, read strictly, and the values its
// `valor` needs (none when it has no `valor`).
struct ConditionsCut {
    lumo::ConditionFile file;
    std::vector<double> values;
};

// Nothing without --conditions. The values are `known` when the command has
// them already, else ValuesOfRound's (value_inputs.h). Throws CommandError
// naming the file and the damaged line, naming the line of `valor` when
// --public or --takings is missing, and for --explain without --conditions.
std::optional<ConditionsCut> ConditionsCutOf(const CommandLine& line, const Streams& streams,
                                             const lumo::Scoring& scoring,
                                             std::span<const double> known);

// With --explain, writes on `err` per condition (its line as written) how
// many of the input columns break it, then how many the file removed and how
// many it kept although they break some conditions. Nothing without it.
void ExplainConditions(const CommandLine& line, std::ostream& err, const lumo::ConditionFile& file,
                       const lumo::ConditionTally& tally);
