// lumo-cli expectation: the window's Expectation table ("esperanza.txt")
// from the real probabilities and the public's percentages.
#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "betfile/bet_messages.h"
#include "betfile/text_file_writer.h"
#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/value_inputs.h"
#include "value/expectation_table.h"

using namespace lumo;

namespace {

constexpr std::array kOptions{kForecastOption, kHelpOption, kOddsOption, kOutputOption,
                              kPublicOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli expectation --public ARCHIVO [--odds ARCHIVO] [--forecast ARCHIVO]\n"
    "                          [-o ARCHIVO]\n"
    "Escribe la tabla de esperanza que lee la ventana de Lumo («esperanza.txt»): por\n"
    "partido y signo, 100 × probabilidad real / parte del público, redondeado. Las\n"
    "probabilidades reales son las del pronóstico, o las de las cuotas de --odds.\n"
    "Un producto de factores por encima de 1 dice que la columna es más probable de\n"
    "lo que cree el público, no que pague más de lo que cuesta: eso lo dice su valor\n"
    "esperado («lumo-cli show --value»).\n"
    "  -o ARCHIVO  el archivo donde se graba (sin -o, la salida estándar)\n";

int Expectation(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 0, "expectation");
    const MatchTable shares = LoadPublicShares(line, streams);
    const MatchTable real = LoadRealProbabilities(line, streams, nullptr);
    const std::string text = ExpectationFileText(ExpectationTableOf(real, shares));
    const std::optional<std::string> path = line.Value(kOutputOption.name);
    if (!path || *path == kStandardOutput) {
        streams.out << text;
        return kExitSuccess;
    }
    const SaveResult saved = WriteTextFile(std::filesystem::path(*path), text);
    if (!saved.Saved()) {
        throw CommandError(TextSaveMessage(*path, saved));
    }
    if (const std::string unsynced = TextFolderSyncMessage(*path, saved); !unsynced.empty()) {
        throw CommandError(unsynced);
    }
    return kExitSuccess;
}

}  // namespace

const Command kExpectationCommand{"expectation",
                                  "la tabla de esperanza: probabilidades reales y el público",
                                  kHelp, kOptions, Expectation};
