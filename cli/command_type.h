#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/argument_parsing.h"
#include "cli/exit_status.h"
#include "cli/progress_bar.h"
#include "cli/standard_streams.h"
#include "core/column.h"

// The streams a command works on: a bet or forecast given as "-" is read
// from `in`, bets and reports go to `out` (`output` says whether it is a
// terminal), Spanish messages and the progress bar to `err`.
struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    ProgressDisplay progress;
    StandardOutput output;
    // The descriptor `in` reads from; -1 when it reads from none.
    int inDescriptor = -1;
};

// One command of lumo-cli, all of it in one file: its name, the line that
// presents it in the program's help, its own help, the options it takes and
// what it does. `run` returns the exit status and throws CommandError for a
// wrong use or an input it cannot use.
struct Command {
    std::string_view name;
    std::string_view summary;
    std::string_view help;
    std::span<const OptionRule> options;
    int (*run)(const CommandLine& line, const Streams& streams);
};

// The options several commands take.
inline constexpr OptionRule kForecastOption{"--forecast", OptionValue::kRequired};
inline constexpr OptionRule kOutputOption{"-o", OptionValue::kRequired};
// The value of -o that names standard output.
inline constexpr std::string_view kStandardOutput = "-";
inline constexpr OptionRule kHelpOption{"--help", OptionValue::kNone};
inline constexpr OptionRule kLenientOption{"--lenient", OptionValue::kNone};

// Throws CommandError unless the line holds exactly `count` bets.
void ExpectPositionals(const CommandLine& line, std::size_t count, std::string_view command);

// Throws CommandError unless exactly one of two options is given; each is
// written as "--name VALUE".
void ExpectOneOf(const CommandLine& line, std::string_view command, std::string_view first,
                 std::string_view second);

// The 14 signs of a column, as messages and tables show it.
std::string SignsText(const lumo::CColumn& column);
