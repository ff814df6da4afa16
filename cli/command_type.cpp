#include "cli/command_type.h"

#include <sstream>
#include <string>

#include "text/spanish_numbers.h"

using namespace lumo;

void ExpectPositionals(const CommandLine& line, std::size_t count, std::string_view command) {
    if (line.positionals.size() != count) {
        const auto given = static_cast<std::int64_t>(line.positionals.size());
        const std::string needs =
            count == 0 ? " no lee ninguna apuesta"
                       : " necesita " +
                             CountWithNoun(static_cast<std::int64_t>(count), "apuesta", "apuestas");
        throw CommandError("La orden " + std::string(command) + needs +
                           (given == 1 ? " y se ha dado " : " y se han dado ") +
                           GroupedNumber(given) + ". Véase «lumo-cli " + std::string(command) +
                           " --help».");
    }
}

void ExpectOneOf(const CommandLine& line, std::string_view command, std::string_view first,
                 std::string_view second) {
    const auto name = [](std::string_view option) { return option.substr(0, option.find(' ')); };
    if (line.Has(name(first)) == line.Has(name(second))) {
        throw CommandError("La orden " + std::string(command) + " necesita " + std::string(first) +
                           " o " + std::string(second) + " (una de las dos).");
    }
}

std::string SignsText(const CColumn& column) {
    std::ostringstream signs;
    column.WriteText(signs);
    return signs.str();
}
