// lumo-cli check: whether a reduction keeps its guarantee.
#include <array>
#include <memory>
#include <ostream>

#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/whole_message.h"
#include "reduction/cover_check.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr std::array kOptions{kHelpOption, kLenientOption,
                              OptionRule{"--guarantee", OptionValue::kRequired}};

constexpr std::string_view kHelp =
    "Uso: lumo-cli check ENTRADA REDUCIDA --guarantee G [--lenient]\n"
    "Comprueba que toda columna de ENTRADA tiene en REDUCIDA una columna con al menos\n"
    "G aciertos (G de 0 a 14). Estado 0 si se cumple; 1, nombrando la primera columna\n"
    "sin cubrir, si no.\n";

int Check(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 2, "check");
    const auto guarantee = line.Value("--guarantee");
    if (!guarantee) {
        throw CommandError("La orden check necesita --guarantee G.");
    }
    const std::int32_t g = ParseIntegerIn("--guarantee", *guarantee, 0, kMatches);
    const std::unique_ptr<CColumnSet> bet = ReadInput(line, 0, streams);
    const std::unique_ptr<CColumnSet> reduced = ReadInput(line, 1, streams);
    const std::optional<std::int32_t> uncovered = FirstUncovered(*bet, *reduced, g);
    if (uncovered) {
        WholeMessage(streams.err) << "La garantía al " << g << " NO se cumple: la columna "
                                  << SignsText((*bet)[*uncovered]) << " (la "
                                  << GroupedNumber(*uncovered + 1) << ".ª de "
                                  << Quoted(line.positionals[0]) << ") no tiene "
                                  << CountWithNoun(g, "acierto", "aciertos")
                                  << " con ninguna columna de " << Quoted(line.positionals[1])
                                  << ".\n";
        return kExitCheckFailed;
    }
    WholeMessage(streams.err) << "La garantía al " << g << " se cumple: cada columna de "
                              << Quoted(line.positionals[0]) << " ("
                              << CountWithNoun(bet->Count(), "columna", "columnas")
                              << ") tiene al menos " << CountWithNoun(g, "acierto", "aciertos")
                              << " con alguna de " << Quoted(line.positionals[1]) << " ("
                              << CountWithNoun(reduced->Count(), "columna", "columnas") << ").\n";
    return kExitSuccess;
}

}  // namespace

const Command kCheckCommand{"check", "comprueba la garantía de una reducción", kHelp, kOptions,
                            Check};
