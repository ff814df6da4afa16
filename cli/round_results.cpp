#include "cli/round_results.h"

#include <string>

#include "cli/command_line.h"
#include "core/typed_signs.h"

CColumn ParseResultSigns(std::string_view signs, std::string_view where) {
    const std::optional<CColumn> column = ColumnFromTypedSigns(signs);
    if (!column) {
        throw CommandError(std::string(where) + ": el resultado «" + std::string(signs) + "» " +
                           TypedSignsProblem(signs) + ".");
    }
    return *column;
}

std::vector<RoundResult> ReadRoundResults(std::istream& in, std::string_view fileName) {
    RoundFileReading reading = ReadRoundFile(in);
    if (reading.problem != RoundFileProblem::kNone) {
        throw CommandError(RoundFileMessage(fileName, reading));
    }
    return std::move(reading.rounds);
}
