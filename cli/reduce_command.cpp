// lumo-cli reduce: by distance, as step 5 of the window, or with a guarantee
// of hits.
#include <array>
#include <chrono>
#include <memory>
#include <ostream>

#include "cli/bet_output.h"
#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/whole_message.h"
#include "core/covering.h"
#include "core/progress.h"
#include "reduction/guarantee_reduction.h"
#include "reduction/reduced_bet.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr std::int32_t kMaxDistance = 8;

constexpr std::array kOptions{kForecastOption,
                              kLenientOption,
                              kOutputOption,
                              kHelpOption,
                              OptionRule{"--distance", OptionValue::kRequired},
                              OptionRule{"--guarantee", OptionValue::kRequired},
                              OptionRule{"--optimise", OptionValue::kRequired}};

constexpr std::string_view kHelp =
    "Uso: lumo-cli reduce ENTRADA --distance D [--lenient] [-o SALIDA]\n"
    "     lumo-cli reduce ENTRADA --guarantee G [--optimise SEGUNDOS] [--lenient]\n"
    "                             [-o SALIDA]\n"
    "--distance D (0 a 8): la reducción del paso 5 de la ventana: deja una columna si\n"
    "  ninguna de las ya dejadas está a distancia D o menos. Depende del orden: use\n"
    "  antes «sort» como en la ventana.\n"
    "--guarantee G (10 a 14): deja un subconjunto de la apuesta tal que, si el\n"
    "  resultado está en la apuesta, alguna columna dejada tiene al menos G aciertos\n"
    "  (al 13, al 12...). Elige las columnas de una en una, cada vez la que cubre más\n"
    "  columnas aún sin cubrir; si la apuesta es de fijos, dobles y triples, parte\n"
    "  también de reducciones conocidas de dobles y triples, y si no lo es, cuando\n"
    "  conviene, de las columnas que tiene de una de ellas. Después prueba cambios\n"
    "  que quiten columnas durante un número fijo de pasos (el mismo resultado cada\n"
    "  vez), más en una apuesta de fijos, dobles y triples: le da menos columnas sin\n"
    "  tardar más de un par de segundos.\n"
    "--optimise SEGUNDOS: durante a lo sumo ese tiempo, prueba cambios que quiten\n"
    "  columnas sin perder nunca la garantía; al 11, si la apuesta tiene 11 triples\n"
    "  y algún doble o triple más, también desde otra reducción que empieza por\n"
    "  columnas de un código conocido de triples.\n"
    "Escribe también la cota inferior: ninguna reducción de la apuesta con esa\n"
    "garantía puede tener menos columnas.\n"
    "La salida conserva el orden de la entrada.\n";

std::string MethodText(ReductionMethod method) {
    switch (method) {
        case ReductionMethod::kGreedy:
            return "columnas elegidas de una en una";
        case ReductionMethod::kProduct:
            return "a partir de reducciones conocidas de dobles y triples";
        case ReductionMethod::kSearch:
            return "mejorada probando cambios";
    }
    return {};
}

int Reduce(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "reduce");
    ExpectOneOf(line, "reduce", "--distance D", "--guarantee G");
    const auto distance = line.Value("--distance");
    const auto guarantee = line.Value("--guarantee");
    if (distance && line.Has("--optimise")) {
        throw CommandError("--optimise solo vale con --guarantee.");
    }
    const std::int32_t d = distance ? ParseIntegerIn("--distance", *distance, 0, kMaxDistance) : 0;
    const std::int32_t g =
        guarantee ? ParseIntegerIn("--guarantee", *guarantee, kLowestGuarantee, kMatches) : 0;
    const auto optimise = line.Value("--optimise");
    const std::int32_t seconds = optimise ? ParseIntegerIn("--optimise", *optimise, 0, 86'400) : 0;
    const Scoring scoring = LoadScoring(line, streams);
    const std::unique_ptr<CColumnSet> bet = ReadScored(line, 0, scoring, streams);
    const std::int32_t before = bet->Count();
    if (distance) {
        {
            const ProgressBar bar(streams.err, streams.progress);
            NotNearKept notNearKept(*bet, d);
            bet->Filter(notNearKept);
        }
        WriteOutput(line, *bet, streams);
        WholeMessage(streams.err) << "Reducción a distancia " << d << ": de "
                                  << CountWithNoun(before, "columna", "columnas") << " a "
                                  << GroupedNumber(bet->Count()) << ".\n";
        return kExitSuccess;
    }
    GuaranteeReduction reduction;
    {
        const ProgressBar bar(streams.err, streams.progress);
        reduction = ReduceWithGuarantee(*bet, {.guarantee = g,
                                               .optimise = std::chrono::seconds(seconds),
                                               .progress = ReportProgress});
    }
    const std::unique_ptr<CColumnSet> reduced = KeptColumns(*bet, reduction);
    WriteOutput(line, *reduced, streams);
    WholeMessage(streams.err) << "Reducción al " << g << ": de "
                              << CountWithNoun(before, "columna", "columnas") << " a "
                              << GroupedNumber(reduced->Count()) << " ("
                              << MethodText(reduction.method)
                              << "). Si el resultado está en la apuesta, "
                              << "alguna columna tiene al menos " << g << " aciertos.\n";
    if (reduction.lowerBound > 0) {
        WholeMessage(streams.err) << "Cota inferior: "
                                  << CountWithNoun(reduction.lowerBound, "columna", "columnas")
                                  << " (ninguna reducción al " << g
                                  << " de esta apuesta puede tener menos).\n";
    } else {
        WholeMessage(streams.err) << "Cota inferior: no se conoce ninguna para esta apuesta.\n";
    }
    return kExitSuccess;
}

}  // namespace

const Command kReduceCommand{"reduce", "reduce por distancia (paso 5) o con garantía de aciertos",
                             kHelp, kOptions, Reduce};
