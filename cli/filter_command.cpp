// lumo-cli filter: the cuts of steps 2 to 4, in the window's order.
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/bet_output.h"
#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/conditions_option.h"
#include "cli/price_option.h"
#include "cli/value_inputs.h"
#include "cli/whole_message.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "text/spanish_numbers.h"
#include "value/bet_ordering.h"

using namespace lumo;

namespace {

// Scores lie between 0 and 100: a cut outside them is a mistake.
constexpr std::int32_t kMaxScore = 100;

constexpr OptionRule kValueAboveOption{"--value-above", OptionValue::kRequired};

constexpr std::array kOptions{kForecastOption,
                              kLenientOption,
                              kOutputOption,
                              kHelpOption,
                              OptionRule{"--above", OptionValue::kRequired},
                              OptionRule{"--below", OptionValue::kRequired},
                              OptionRule{"--no-zero", OptionValue::kNone},
                              OptionRule{"--variants", OptionValue::kRequired},
                              OptionRule{"--twos", OptionValue::kRequired},
                              kValueAboveOption,
                              kPublicOption,
                              kOddsOption,
                              kTakingsOption,
                              kJackpotOption,
                              kPlenoOption,
                              kPriceOption,
                              kConditionsOption,
                              kExplainOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli filter ENTRADA [--above N] [--below N] [--no-zero]\n"
    "                     [--variants MIN:MAX] [--twos MIN:MAX]\n"
    "                     [--value-above EUROS --public ARCHIVO --takings EUROS\n"
    "                     [--odds ARCHIVO] [--jackpot EUROS] [--pleno-probability P]\n"
    "                     [--price EUROS]] [--conditions ARCHIVO [--explain]]\n"
    "                     [--lenient] [-o SALIDA]\n"
    "Aplica, en este orden, los cortes de los pasos 2 a 4 como la ventana:\n"
    "  --above N           deja las columnas de puntuación mayor que N\n"
    "  --below N           deja las columnas de puntuación menor que N\n"
    "  --no-zero           quita las columnas con un resultado de 0 % (fijos)\n"
    "  --variants MIN:MAX  variantes (resultados que no son 1) entre MIN y MAX\n"
    "  --twos MIN:MAX      doses entre MIN y MAX\n"
    "y, con --value-above EUROS, deja las columnas de valor esperado de al menos\n"
    "EUROS (hasta cuatro decimales; las opciones del valor, como en «lumo-cli\n"
    "show --help»).\n"
    "Con --conditions ARCHIVO aplica después las condiciones del archivo, una por\n"
    "línea, cada una con sus límites MÍNIMO-MÁXIMO incluidos ('#' empieza un\n"
    "comentario):\n"
    "  unos 5-9                  número de 1 (equis, doses y variantes igual)\n"
    "  interrupciones 4-9        partidos cuyo signo cambia en el siguiente\n"
    "  racha 1-4                 racha más larga de signos iguales\n"
    "  racha X 0-2               racha más larga de X (racha 1, racha 2 igual)\n"
    "  grupo 1-4 X 1-2           número de X en los partidos 1 a 4\n"
    "  grupo 1-4,7,9 X2 1-3      número de X o 2 en los partidos 1 a 4, 7 y 9\n"
    "  base 1X1121X21X1X21 9-12  aciertos con esa columna\n"
    "  puntuacion 40-100         la puntuación de la columna\n"
    "  probabilidad 0,001-100    su probabilidad en %, con coma o punto decimal\n"
    "  valor 0,05-2              valor esperado en euros (con --public y --takings)\n"
    "  fallos 2                  cuántas condiciones puede incumplir una columna\n"
    "  ! unos 3-10               con '!' delante se cumple siempre y no cuenta\n"
    "Sin fallos se cumplen todas. --explain escribe, por condición, cuántas columnas\n"
    "la incumplen, y cuántas quitan y dejan las condiciones.\n";

// The cut of --value-above: its euros and every column's value.
struct ValueCut {
    double euros = 0.0;
    std::vector<double> values;
};

std::optional<ValueCut> ValueCutOf(const CommandLine& line, const Streams& streams,
                                   const Scoring& scoring) {
    const std::optional<std::string> typed = line.Value(kValueAboveOption.name);
    if (!typed) {
        return std::nullopt;
    }
    const double euros = ValueEuros(kValueAboveOption.name, *typed);
    return ValueCut{euros, ValuesOfRound(line, streams, &scoring)};
}

int Filter(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "filter");
    const auto above = line.Value("--above");
    const auto below = line.Value("--below");
    const auto variants = line.Value("--variants");
    const auto twos = line.Value("--twos");
    ConditionBounds bounds;
    if (variants) {
        const IntegerRange range = ParseRange("--variants", *variants);
        bounds.minVariants = range.minimum;
        bounds.maxVariants = range.maximum;
    }
    if (twos) {
        const IntegerRange range = ParseRange("--twos", *twos);
        bounds.minDoses = range.minimum;
        bounds.maxDoses = range.maximum;
    }
    const std::int32_t aboveLimit = above ? ParseIntegerIn("--above", *above, 0, kMaxScore) : 0;
    const std::int32_t belowLimit = below ? ParseIntegerIn("--below", *below, 0, kMaxScore) : 0;
    const Scoring scoring = LoadScoring(line, streams);
    const std::optional<ValueCut> valueCut = ValueCutOf(line, streams, scoring);
    const std::optional<ConditionsCut> conditions = ConditionsCutOf(
        line, streams, scoring, valueCut ? valueCut->values : std::span<const double>());
    ConditionTally tally;
    const std::unique_ptr<CColumnSet> bet = ReadScored(line, 0, scoring, streams);
    const std::int32_t before = bet->Count();
    {
        const ProgressBar bar(streams.err, streams.progress);
        if (above) {
            bet->Filter(ScoreAbove{aboveLimit});
        }
        if (below) {
            bet->Filter(ScoreBelow{belowLimit});
        }
        if (line.Has("--no-zero")) {
            bet->Filter(NoZeroPercent(scoring.table));
        }
        if (variants || twos) {
            KeepWithinCondition(*bet, bounds);
        }
        if (valueCut) {
            KeepValueAtLeast(*bet, valueCut->values, valueCut->euros);
        }
        if (conditions) {
            tally = ApplyConditions(*bet, conditions->file, {scoring.table, conditions->values});
        }
    }
    if (conditions) {
        ExplainConditions(line, streams.err, conditions->file, tally);
    }
    WriteOutput(line, *bet, streams);
    WholeMessage(streams.err) << "De " << CountWithNoun(before, "columna", "columnas")
                              << (bet->Count() == 1 ? " queda " : " quedan ")
                              << GroupedNumber(bet->Count()) << ".\n";
    return kExitSuccess;
}

}  // namespace

const Command kFilterCommand{"filter",
                             "cortes por puntuación, fijos, variantes/doses y condiciones", kHelp,
                             kOptions, Filter};
