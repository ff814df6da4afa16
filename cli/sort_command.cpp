// lumo-cli sort: by score, as step 5 of the window.
#include <array>
#include <memory>
#include <ostream>

#include "cli/bet_output.h"
#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/whole_message.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr std::array kOptions{kForecastOption, kLenientOption, kOutputOption, kHelpOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli sort ENTRADA [--lenient] [-o SALIDA]\n"
    "Ordena por puntuación, de mayor a menor, como el paso 5 de la ventana.\n";

int Sort(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "sort");
    const Scoring scoring = LoadScoring(line, streams);
    const std::unique_ptr<CColumnSet> bet = ReadScored(line, 0, scoring, streams);
    bet->SortByScore();
    WriteOutput(line, *bet, streams);
    WholeMessage(streams.err) << CountWithNoun(bet->Count(), "columna ordenada",
                                               "columnas ordenadas")
                              << " por puntuación.\n";
    return kExitSuccess;
}

}  // namespace

const Command kSortCommand{"sort", "ordena por puntuación (paso 5)", kHelp, kOptions, Sort};
