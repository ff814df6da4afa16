// lumo-cli scrutiny: a bet against a result or against past rounds.
#include <algorithm>
#include <array>
#include <iomanip>
#include <memory>
#include <ostream>
#include <vector>

#include "cli/command_inputs.h"
#include "cli/command_list.h"
#include "cli/round_results.h"
#include "core/covering.h"
#include "core/shown_text.h"
#include "core/spanish_numbers.h"

namespace {

// A scrutiny counts hits of 14 down to 10; HitStatistics' own count is unused.
constexpr std::int32_t kNoThreshold = kMatches + 1;

constexpr std::array kOptions{kHelpOption, kLenientOption,
                              OptionRule{"--result", OptionValue::kRequired},
                              OptionRule{"--results", OptionValue::kRequired}};

constexpr std::string_view kHelp =
    "Uso: lumo-cli scrutiny ENTRADA --result SIGNOS [--lenient]\n"
    "     lumo-cli scrutiny ENTRADA --results ARCHIVO\n"
    "--result: cuántas columnas tienen 14, 13, 12, 11 y 10 aciertos con el resultado\n"
    "  (14 signos 1, X o 2), como la herramienta del ganador.\n"
    "--results: una línea por jornada, un nombre y 14 signos; escribe una tabla con\n"
    "  una fila por jornada.\n";

int Scrutiny(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "scrutiny");
    ExpectOneOf(line, "scrutiny", "--result SIGNOS", "--results ARCHIVO");
    const auto result = line.Value("--result");
    const auto resultsFile = line.Value("--results");
    std::vector<RoundResult> rounds;
    if (result) {
        rounds.push_back({"", ParseResultSigns(*result, "--result")});
    } else {
        rounds = ReadRoundResults(*resultsFile);
    }
    const std::unique_ptr<CColumnSet> bet = ReadInput(line, 0, streams);
    HitCounters counters{};
    if (result) {
        HitStatistics(*bet, rounds.front().result, counters, kNoThreshold);
        for (std::size_t k = 0; k < counters.size(); ++k) {
            streams.out << kMatches - static_cast<std::int32_t>(k)
                        << " aciertos: " << GroupedNumber(counters[k]) << '\n';
        }
        return kExitSuccess;
    }
    std::size_t nameWidth = std::string_view("Jornada").size();
    for (const RoundResult& round : rounds) {
        nameWidth = std::max(nameWidth, round.name.size());
    }
    const auto cell = [&streams](auto value) { streams.out << std::setw(8) << value; };
    streams.out << std::left << std::setw(static_cast<int>(nameWidth)) << "Jornada" << std::right
                << "  Resultado     ";
    for (std::int32_t hits = kMatches; hits >= kMatches - 4; --hits) {
        cell(hits);
    }
    streams.out << '\n';
    for (const RoundResult& round : rounds) {
        HitStatistics(*bet, round.result, counters, kNoThreshold);
        streams.out << std::left << std::setw(static_cast<int>(nameWidth)) << round.name
                    << std::right << "  " << SignsText(round.result);
        for (const std::int32_t count : counters) {
            cell(GroupedNumber(count));
        }
        streams.out << '\n';
    }
    return kExitSuccess;
}

}  // namespace

const Command kScrutinyCommand{"scrutiny",
                               "escruta una apuesta con un resultado o con jornadas pasadas", kHelp,
                               kOptions, Scrutiny};
