#include "cli/round_results.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <sstream>

#include "cli/command_line.h"

CColumn ParseResultSigns(std::string_view signs, std::string_view where) {
    CColumn column;
    column.ParseText(signs);
    // Written back, a valid text gives itself (a lower-case x as X).
    std::ostringstream written;
    column.WriteText(written);
    std::string typed(signs);
    std::transform(typed.begin(), typed.end(), typed.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (typed != written.str()) {
        const std::string problem =
            signs.size() == kMatches
                ? "lleva un signo que no es 1, X ni 2"
                : "tiene " + std::to_string(signs.size()) + " signos en vez de 14";
        throw CommandError(std::string(where) + ": el resultado «" + std::string(signs) + "» " +
                           problem + ".");
    }
    return column;
}

std::vector<RoundResult> ReadRoundResults(std::istream& in, std::string_view fileName) {
    std::vector<RoundResult> rounds;
    std::string line;
    for (std::int32_t number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string word; words >> word;) {
            parts.push_back(word);
        }
        if (parts.empty() || parts.front().starts_with('#')) {
            continue;
        }
        const std::string where =
            "«" + std::string(fileName) + "», línea " + std::to_string(number);
        if (parts.size() < 2) {
            throw CommandError(where + ": se esperaba un nombre y 14 signos.");
        }
        std::string name = parts.front();
        for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
            name += ' ' + parts[i];
        }
        rounds.push_back({std::move(name), ParseResultSigns(parts.back(), where)});
    }
    return rounds;
}
