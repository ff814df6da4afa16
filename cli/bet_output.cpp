#include "cli/bet_output.h"

#include <filesystem>
#include <ostream>

#include "betfile/bet_messages.h"
#include "betfile/bet_writer.h"

void WriteOutput(const CommandLine& line, const CColumnSet& bet, Streams& streams) {
    if (const auto path = line.Value("-o")) {
        const BetSaveResult saved = WriteBet(std::filesystem::path(*path), bet);
        if (!saved.Saved()) {
            throw CommandError(BetSaveMessage(*path, saved));
        }
        return;
    }
    if (!WriteBet(streams.out, bet).flush()) {
        throw CommandError("No se ha podido escribir la apuesta en la salida estándar.");
    }
}
