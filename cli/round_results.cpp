#include "cli/round_results.h"

#include <string>

#include "cli/argument_parsing.h"
#include "core/typed_signs.h"

using namespace lumo;

CColumn ParseResultSigns(std::string_view signs, std::string_view where) {
    const std::optional<CColumn> column = ColumnFromTypedSigns(signs);
    if (!column) {
        throw CommandError(std::string(where) + ": el resultado «" + std::string(signs) + "» " +
                           TypedSignsProblem(signs) + ".");
    }
    return *column;
}

std::vector<RoundResult> ReadRoundResults(const std::filesystem::path& path) {
    RoundFileReading reading = ReadRoundFile(path, PipeWaiting::kMayWait);
    if (reading.problem != RoundFileProblem::kNone) {
        throw CommandError(RoundFileMessage(path.string(), reading));
    }
    return std::move(reading.rounds);
}
