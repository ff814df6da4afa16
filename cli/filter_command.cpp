// lumo-cli filter: the cuts of steps 2 to 4, in the window's order.
#include <array>
#include <memory>
#include <ostream>

#include "cli/bet_output.h"
#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/whole_message.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

// Scores lie between 0 and 100: a cut outside them is a mistake.
constexpr std::int32_t kMaxScore = 100;

constexpr std::array kOptions{kForecastOption,
                              kLenientOption,
                              kOutputOption,
                              kHelpOption,
                              OptionRule{"--above", OptionValue::kRequired},
                              OptionRule{"--below", OptionValue::kRequired},
                              OptionRule{"--no-zero", OptionValue::kNone},
                              OptionRule{"--variants", OptionValue::kRequired},
                              OptionRule{"--twos", OptionValue::kRequired}};

constexpr std::string_view kHelp =
    "Uso: lumo-cli filter ENTRADA [--above N] [--below N] [--no-zero]\n"
    "                     [--variants MIN:MAX] [--twos MIN:MAX] [--lenient] [-o SALIDA]\n"
    "Aplica, en este orden, los cortes de los pasos 2 a 4 como la ventana:\n"
    "  --above N           deja las columnas de puntuación mayor que N\n"
    "  --below N           deja las columnas de puntuación menor que N\n"
    "  --no-zero           quita las columnas con un resultado de 0 % (fijos)\n"
    "  --variants MIN:MAX  variantes (resultados que no son 1) entre MIN y MAX\n"
    "  --twos MIN:MAX      doses entre MIN y MAX\n";

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
    }
    WriteOutput(line, *bet, streams);
    WholeMessage(streams.err) << "De " << CountWithNoun(before, "columna", "columnas")
                              << (bet->Count() == 1 ? " queda " : " quedan ")
                              << GroupedNumber(bet->Count()) << ".\n";
    return kExitSuccess;
}

}  // namespace

const Command kFilterCommand{"filter",
                             "cortes por puntuación, fijos y variantes/doses (pasos 2 a 4)", kHelp,
                             kOptions, Filter};
