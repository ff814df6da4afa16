// lumo-cli show: the columns of a bet as lines a player reads, with their
// scores when asked.
#include <array>
#include <iomanip>
#include <memory>
#include <ostream>

#include "cli/command_inputs.h"
#include "cli/command_table.h"

using namespace lumo;

namespace {

constexpr OptionRule kScoresOption{"--scores", OptionValue::kNone};

constexpr std::array kOptions{kForecastOption, kHelpOption, kLenientOption, kScoresOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli show ENTRADA [--scores] [--forecast ARCHIVO] [--lenient]\n"
    "Escribe las columnas de la apuesta, una por línea, en su orden.\n"
    "  --scores  añade a cada columna su puntuación con el pronóstico, de 0 (la\n"
    "            columna menos probable) a 100 (la más probable); el manual, «man\n"
    "            lumo-cli», explica cómo se calcula.\n";

int Show(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "show");
    const bool scores = line.Has(kScoresOption.name);
    std::unique_ptr<CColumnSet> bet;
    if (scores) {
        const Scoring scoring = LoadScoring(line, streams);
        bet = ReadScored(line, 0, scoring, streams);
    } else {
        bet = ReadInput(line, 0, streams);
    }
    for (const CColumn& column : *bet) {
        streams.out << SignsText(column);
        if (scores) {
            streams.out << std::setw(5) << column.score;
        }
        streams.out << '\n';
    }
    return kExitSuccess;
}

}  // namespace

const Command kShowCommand{"show", "escribe las columnas, con su puntuación si se pide", kHelp,
                           kOptions, Show};
