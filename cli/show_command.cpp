// lumo-cli show: the columns of a bet as lines a player reads, with their
// scores when asked.
#include <array>
#include <iomanip>
#include <memory>
#include <ostream>

#include <optional>
#include <vector>

#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/price_option.h"
#include "cli/value_inputs.h"

using namespace lumo;

namespace {

constexpr OptionRule kScoresOption{"--scores", OptionValue::kNone};

constexpr std::array kOptions{kForecastOption, kHelpOption,   kLenientOption, kScoresOption,
                              kValueOption,    kPublicOption, kOddsOption,    kTakingsOption,
                              kJackpotOption,  kPlenoOption,  kPriceOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli show ENTRADA [--scores] [--value --public ARCHIVO --takings EUROS\n"
    "                   [--odds ARCHIVO] [--jackpot EUROS] [--pleno-probability P]\n"
    "                   [--price EUROS]] [--forecast ARCHIVO] [--lenient]\n"
    "Escribe las columnas de la apuesta, una por línea, en su orden.\n"
    "  --scores  añade a cada columna su puntuación con el pronóstico, de 0 (la\n"
    "            columna menos probable) a 100 (la más probable); el manual, «man\n"
    "            lumo-cli», explica cómo se calcula.\n"
    "  --value   añade, al final, su premio esperado en euros jugada sola, con\n"
    "            cuatro decimales: las probabilidades reales del pronóstico (o de\n"
    "            --odds, cuotas de apuestas), los porcentajes del público de\n"
    "            --public y la recaudación de --takings; el manual da el modelo.\n";

int Show(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "show");
    const bool scores = line.Has(kScoresOption.name);
    const std::optional<Scoring> scoring =
        scores ? std::optional<Scoring>(LoadScoring(line, streams)) : std::nullopt;
    const std::vector<double> values =
        line.Has(kValueOption.name) ? ValuesOfRound(line, streams, scoring ? &*scoring : nullptr)
                                    : std::vector<double>();
    const std::unique_ptr<CColumnSet> bet =
        scoring ? ReadScored(line, 0, *scoring, streams) : ReadInput(line, 0, streams);
    for (const CColumn& column : *bet) {
        streams.out << SignsText(column);
        if (scores) {
            streams.out << std::setw(5) << column.score;
        }
        if (!values.empty()) {
            streams.out << "  " << ValueText(values[static_cast<std::size_t>(column.Index())]);
        }
        streams.out << '\n';
    }
    return kExitSuccess;
}

}  // namespace

const Command kShowCommand{"show", "escribe las columnas, con su puntuación o su valor si se pide",
                           kHelp, kOptions, Show};
