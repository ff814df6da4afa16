// lumo-cli generate: every column, scored.
#include <array>
#include <ostream>

#include "cli/bet_output.h"
#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/whole_message.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr std::array kOptions{kForecastOption, kOutputOption, kHelpOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli generate [--forecast ARCHIVO] [-o SALIDA]\n"
    "Escribe las 4.782.969 columnas, puntuadas con el pronóstico (paso 1).\n";

int Generate(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 0, "generate");
    const Scoring scoring = LoadScoring(line, streams);
    CColumnSet bet(kAllColumns);
    {
        const ProgressBar bar(streams.err, streams.progress);
        bet.GenerateAll(scoring);
    }
    WriteOutput(line, bet, streams);
    WholeMessage(streams.err) << CountWithNoun(bet.Count(), "columna generada",
                                               "columnas generadas")
                              << ".\n";
    return kExitSuccess;
}

}  // namespace

const Command kGenerateCommand{"generate", "todas las columnas, puntuadas", kHelp, kOptions,
                               Generate};
