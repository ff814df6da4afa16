#include "cli/argument_parsing.h"

#include <algorithm>
#include <charconv>

#include "core/column.h"
#include "text/spanish_numbers.h"

using namespace lumo;

std::optional<std::string> CommandLine::Value(std::string_view name) const {
    const auto found = options.find(name);
    if (found == options.end()) {
        return std::nullopt;
    }
    return found->second;
}

CommandLine ParseCommandLine(std::span<const std::string> words,
                             std::span<const OptionRule> rules) {
    CommandLine line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word.front() != '-') {
            line.positionals.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const auto rule = std::find_if(rules.begin(), rules.end(),
                                       [&name](const OptionRule& r) { return r.name == name; });
        if (rule == rules.end()) {
            throw CommandError("Opción desconocida: «" + word + "».");
        }
        if (line.Has(name)) {
            throw CommandError("La opción " + name +
                               " se ha dado más de una vez; solo puede darse una.");
        }
        if (rule->value == OptionValue::kNone) {
            if (equals != std::string::npos) {
                throw CommandError("La opción " + name + " no lleva valor.");
            }
            line.options[name] = "";
        } else if (equals != std::string::npos) {
            line.options[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            line.options[name] = words[++i];
        } else {
            throw CommandError("Falta el valor de la opción " + name + ".");
        }
    }
    return line;
}

std::int32_t ParseInteger(std::string_view option, std::string_view text) {
    std::int32_t value = 0;
    const char* const end = text.data() + text.size();
    const std::string_view digits = text.starts_with('+') ? text.substr(1) : text;
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        throw CommandError("El valor de " + std::string(option) + " no es un número entero: «" +
                           std::string(text) + "».");
    }
    return value;
}

std::int32_t ParseIntegerIn(std::string_view option, std::string_view text, std::int32_t minimum,
                            std::int32_t maximum) {
    const std::int32_t value = ParseInteger(option, text);
    if (value < minimum || value > maximum) {
        throw CommandError("El valor de " + std::string(option) + " debe estar entre " +
                           GroupedNumber(minimum) + " y " + GroupedNumber(maximum) + "; es " +
                           GroupedNumber(value) + ".");
    }
    return value;
}

IntegerRange ParseRange(std::string_view option, std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        throw CommandError("El valor de " + std::string(option) +
                           " debe ser MIN:MAX, por ejemplo 4:9.");
    }
    const IntegerRange range{ParseIntegerIn(option, text.substr(0, colon), 0, kMatches),
                             ParseIntegerIn(option, text.substr(colon + 1), 0, kMatches)};
    if (range.minimum > range.maximum) {
        throw CommandError("En " + std::string(option) + " el mínimo es mayor que el máximo.");
    }
    return range;
}
