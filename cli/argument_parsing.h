#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A wrong use of the program or an input it cannot use: its message is
// Spanish, says what and where, and ends up on standard error with exit
// status 2.
class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Whether an option is followed by a value.
enum class OptionValue { kNone, kRequired };

struct OptionRule {
    std::string_view name;  // as typed: "--above", "-o"
    OptionValue value;
};

// The words after the command: positional arguments in order and the options
// given, each once (a flag maps to "").
struct CommandLine {
    std::vector<std::string> positionals;
    std::map<std::string, std::string, std::less<>> options;

    bool Has(std::string_view name) const { return options.find(name) != options.end(); }
    std::optional<std::string> Value(std::string_view name) const;
};

// Splits the words by the rules. A word that starts with '-' and is not "-"
// alone must be one of the rules; "--name=value" is accepted for an option
// that takes a value. Throws CommandError for an unknown option, an option
// given twice, a missing value or a value given to a flag.
CommandLine ParseCommandLine(std::span<const std::string> words, std::span<const OptionRule> rules);

// A whole decimal integer (optional sign) that fits in 32 bits; anything
// else throws CommandError naming the option.
std::int32_t ParseInteger(std::string_view option, std::string_view text);
// The same, and it must lie within minimum..maximum.
std::int32_t ParseIntegerIn(std::string_view option, std::string_view text, std::int32_t minimum,
                            std::int32_t maximum);

// "MIN:MAX", each 0..14, MIN <= MAX.
struct IntegerRange {
    std::int32_t minimum;
    std::int32_t maximum;
};
IntegerRange ParseRange(std::string_view option, std::string_view text);
