#include "cli/dispatch.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iomanip>
#include <new>
#include <ostream>
#include <sstream>

#include "cli/bet_output.h"
#include "cli/command_table.h"
#include "cli/whole_message.h"
#include "text/shown_text.h"
#include "text/system_error_text.h"

using namespace lumo;

namespace {

constexpr std::string_view kProgramHelpHead =
    "Uso: lumo-cli ORDEN [OPCIONES]\n"
    "Apuestas de la quiniela desde la terminal, con los mismos archivos que Lumo.\n"
    "\n"
    "Órdenes:\n";

constexpr std::string_view kProgramHelpTail =
    "\n"
    "Opciones:\n"
    "  --forecast ARCHIVO  pronóstico para puntuar (por defecto pronostico.txt de la\n"
    "                      carpeta actual si existe; si no, la tabla construida);\n"
    "                      «-» lo lee de la entrada estándar.\n"
    "                      Órdenes: generate, filter, sort, reduce, stats, show y\n"
    "                      expectation\n"
    "  -o ARCHIVO          graba la apuesta en ARCHIVO; «-o -» la escribe en la\n"
    "                      salida estándar, también en una terminal (sin -o, solo si\n"
    "                      la salida va a un archivo o a otra orden).\n"
    "                      Órdenes: generate, filter, sort, reduce y expectation\n"
    "  --lenient           lee las apuestas como la ventana: toma las columnas que\n"
    "                      puede y avisa de lo demás (sin ella, cualquier daño es un\n"
    "                      error).\n"
    "                      Órdenes: filter, sort, reduce, check, scrutiny, stats\n"
    "                      y show\n"
    "  --help              esta ayuda; «lumo-cli ORDEN --help» la de cada orden\n"
    "  --version           la versión del programa\n"
    "\n"
    "Una apuesta de entrada «-» se lee de la entrada estándar. Los mensajes van a la\n"
    "salida de errores. Estado de salida: 0 bien, 1 garantía no cumplida (check),\n"
    "2 error de uso, de lectura o de escritura.\n";

constexpr std::array kCommands{&kGenerateCommand, &kFilterCommand, &kSortCommand,
                               &kReduceCommand,   &kCheckCommand,  &kScrutinyCommand,
                               &kStatsCommand,    &kShowCommand,   &kExpectationCommand};

// The program's help: what it is, a line per command, the common options.
std::string ProgramHelp() {
    const auto longest = std::ranges::max(kCommands, {}, [](const Command* command) {
                             return command->name.size();
                         })->name.size();
    std::ostringstream help;
    help << kProgramHelpHead;
    for (const Command* command : kCommands) {
        help << "  " << std::left << std::setw(static_cast<int>(longest + 2)) << command->name
             << command->summary << '\n';
    }
    help << kProgramHelpTail;
    return help.str();
}

// Standard input can give one file only.
void ExpectStandardInputOnce(const CommandLine& line) {
    const auto fromStandardInput =
        std::ranges::count(line.positionals, "-") + (line.Value(kForecastOption.name) == "-");
    if (fromStandardInput > 1) {
        throw CommandError("La entrada estándar («-») solo puede dar uno de los archivos.");
    }
}

int Run(std::span<const std::string> words, const Streams& streams) {
    if (words.empty()) {
        WholeMessage(streams.err) << ProgramHelp();
        return kExitError;
    }
    if (words.front() == "--help" || words.front() == "-h") {
        streams.out << ProgramHelp();
        return kExitSuccess;
    }
    if (words.front() == "--version") {
        streams.out << "lumo-cli " << LUMO_VERSION << '\n';
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
    if (line.Has(kHelpOption.name)) {
        streams.out << (*command)->help;
        return kExitSuccess;
    }
    ExpectStandardInputOnce(line);
    if (std::ranges::any_of((*command)->options, [](const OptionRule& option) {
            return option.name == kOutputOption.name;
        })) {
        ExpectBetDestination(line, streams);
    }
    return (*command)->run(line, streams);
}

// Throws CommandError when what was written to standard output did not all
// get there (a full disk, a closed stream).
void ExpectOutputWritten(std::ostream& out) {
    errno = 0;
    if (out.flush()) {
        return;
    }
    int error = errno;
    if (error == 0) {
        // The stream went bad on an earlier write and did not keep why; the
        // bytes it still holds are offered once more to learn the reason.
        out.clear();
        out.flush();
        error = errno;
        out.setstate(std::ios::badbit);
    }
    throw CommandError("No se ha podido escribir en la salida estándar" +
                       (error != 0 ? ": " + SystemErrorText(error) : std::string()) + ".");
}

}  // namespace

std::span<const Command* const> AllCommands() {
    return kCommands;
}

int RunLumoCli(std::span<const std::string> words, const Streams& streams) {
    try {
        const int status = Run(words, streams);
        ExpectOutputWritten(streams.out);
        return status;
    } catch (const CommandError& error) {
        WholeMessage(streams.err) << "lumo-cli: " << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        // One piece is one write already, and composing one would need memory.
        streams.err << "lumo-cli: no hay memoria suficiente para esta operación.\n";
    }
    return kExitError;
}
