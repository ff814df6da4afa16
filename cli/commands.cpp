#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <new>
#include <ostream>

#include "cli/command_list.h"
#include "core/shown_text.h"

namespace {

constexpr std::string_view kProgramHelpHead =
    "Uso: lumo-cli ORDEN [OPCIONES]\n"
    "Apuestas de la quiniela desde la terminal, con los mismos archivos que Lumo.\n"
    "\n"
    "Órdenes:\n";

constexpr std::string_view kProgramHelpTail =
    "\n"
    "Opciones comunes:\n"
    "  --forecast ARCHIVO  pronóstico para puntuar (por defecto pronostico.txt de la\n"
    "                      carpeta actual si existe; si no, la tabla construida)\n"
    "  -o ARCHIVO          graba la apuesta en ARCHIVO en vez de la salida estándar\n"
    "  --help              esta ayuda; «lumo-cli ORDEN --help» la de cada orden\n"
    "\n"
    "Una apuesta de entrada «-» se lee de la entrada estándar. Los mensajes van a la\n"
    "salida de errores. Estado de salida: 0 bien, 1 garantía no cumplida (check),\n"
    "2 error de uso o de lectura.\n";

constexpr std::array kCommands{&kGenerateCommand, &kFilterCommand,   &kSortCommand, &kReduceCommand,
                               &kCheckCommand,    &kScrutinyCommand, &kStatsCommand};

// The program's help: what it is, a line per command, the common options.
void WriteProgramHelp(std::ostream& out) {
    out << kProgramHelpHead;
    for (const Command* command : kCommands) {
        out << "  " << std::left << std::setw(11) << command->name << command->summary << '\n';
    }
    out << kProgramHelpTail;
}

int Run(std::span<const std::string> words, Streams& streams) {
    if (words.empty()) {
        WriteProgramHelp(streams.err);
        return kExitError;
    }
    if (words.front() == "--help" || words.front() == "-h") {
        WriteProgramHelp(streams.out);
        return kExitSuccess;
    }
    const auto command =
        std::find_if(kCommands.begin(), kCommands.end(),
                     [&words](const Command* c) { return c->name == words.front(); });
    if (command == kCommands.end()) {
        throw CommandError("Orden desconocida: " + Quoted(words.front()) +
                           ". Véase «lumo-cli --help».");
    }
    const CommandLine line = ParseCommandLine(words.subspan(1), (*command)->options);
    if (line.Has("--help")) {
        streams.out << (*command)->help;
        return kExitSuccess;
    }
    return (*command)->run(line, streams);
}

}  // namespace

std::span<const Command* const> AllCommands() {
    return kCommands;
}

int RunLumoCli(std::span<const std::string> words, std::istream& in, std::ostream& out,
               std::ostream& err, ProgressDisplay progress) {
    Streams streams{in, out, err, progress};
    try {
        return Run(words, streams);
    } catch (const CommandError& error) {
        err << "lumo-cli: " << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        err << "lumo-cli: no hay memoria suficiente para esta operación.\n";
    }
    return kExitError;
}
