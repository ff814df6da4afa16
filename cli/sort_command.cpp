// lumo-cli sort: by score, as step 5 of the window.
#include <array>
#include <memory>
#include <ostream>
#include <vector>

#include "cli/bet_output.h"
#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/price_option.h"
#include "cli/value_inputs.h"
#include "cli/whole_message.h"
#include "text/spanish_numbers.h"
#include "value/bet_ordering.h"

using namespace lumo;

namespace {

constexpr OptionRule kByValueOption{"--by-value", OptionValue::kNone};

constexpr std::array kOptions{kForecastOption, kLenientOption, kOutputOption, kHelpOption,
                              kByValueOption,  kPublicOption,  kOddsOption,   kTakingsOption,
                              kJackpotOption,  kPlenoOption,   kPriceOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli sort ENTRADA [--by-value --public ARCHIVO --takings EUROS\n"
    "                   [--odds ARCHIVO] [--jackpot EUROS] [--pleno-probability P]\n"
    "                   [--price EUROS]] [--forecast ARCHIVO] [--lenient] [-o SALIDA]\n"
    "Ordena por puntuación, de mayor a menor, como el paso 5 de la ventana.\n"
    "  --by-value  ordena por valor esperado, el mayor primero (las opciones del\n"
    "              valor, como en «lumo-cli show --help»).\n";

int Sort(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "sort");
    const bool byValue = line.Has(kByValueOption.name);
    const Scoring scoring = LoadScoring(line, streams);
    const std::vector<double> values =
        byValue ? ValuesOfRound(line, streams, &scoring) : std::vector<double>();
    const std::unique_ptr<CColumnSet> bet = ReadScored(line, 0, scoring, streams);
    if (byValue) {
        SortByValue(*bet, values);
    } else {
        bet->SortByScore();
    }
    WriteOutput(line, *bet, streams);
    WholeMessage(streams.err) << CountWithNoun(bet->Count(), "columna ordenada",
                                               "columnas ordenadas")
                              << (byValue ? " por valor esperado.\n" : " por puntuación.\n");
    return kExitSuccess;
}

}  // namespace

const Command kSortCommand{"sort", "ordena por puntuación (paso 5)", kHelp, kOptions, Sort};
