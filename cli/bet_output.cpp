#include "cli/bet_output.h"

#include <cerrno>
#include <filesystem>
#include <ostream>

#include "betfile/bet_messages.h"
#include "betfile/bet_writer.h"
#include "text/system_error_text.h"

using namespace lumo;

void ExpectBetDestination(const CommandLine& line, const Streams& streams) {
    if (!line.Has(kOutputOption.name) && streams.output == StandardOutput::kTerminal) {
        throw CommandError(
            "La apuesta no se escribe en la terminal: grábela con -o ARCHIVO, pásela a otra "
            "orden con «|», o pida verla aquí con -o -.");
    }
}

void WriteOutput(const CommandLine& line, const CColumnSet& bet, const Streams& streams) {
    if (const auto path = line.Value(kOutputOption.name); path && *path != kStandardOutput) {
        const SaveResult saved = WriteBet(std::filesystem::path(*path), bet);
        if (!saved.Saved()) {
            throw CommandError(BetSaveMessage(*path, saved));
        }
        if (const std::string unsynced = BetFolderSyncMessage(*path, saved); !unsynced.empty()) {
            throw CommandError(unsynced);
        }
        return;
    }
    errno = 0;
    if (!WriteBet(streams.out, bet).flush()) {
        throw CommandError("No se ha podido escribir la apuesta en la salida estándar" +
                           (errno != 0 ? ": " + SystemErrorText(errno) : std::string()) + ".");
    }
}
