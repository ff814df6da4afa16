#include "cli/command.h"

#include <sstream>
#include <string>

void ExpectPositionals(const CommandLine& line, std::size_t count, std::string_view command) {
    if (line.positionals.size() != count) {
        throw CommandError("La orden " + std::string(command) + " necesita " +
                           std::to_string(count) + (count == 1 ? " apuesta" : " apuestas") +
                           " y se han dado " + std::to_string(line.positionals.size()) +
                           ". Véase «lumo-cli " + std::string(command) + " --help».");
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
