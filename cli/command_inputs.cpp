#include "cli/command_inputs.h"
#include "cli/whole_message.h"

#include <filesystem>
#include <ostream>

#include "betfile/bet_messages.h"
#include "betfile/bet_reader.h"
#include "betfile/strict_bet_reader.h"
#include "core/rescore.h"
#include "forecast/forecast_messages.h"
#include "forecast/strict_forecast_file.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr std::string_view kDefaultForecast = "pronostico.txt";
constexpr std::string_view kStandardInput = "-";

// The bet file named, or standard input; either read under the bet
// readers' shared lock when it is a regular file.
std::unique_ptr<FileSource> BetSource(const std::string& name, const Streams& streams) {
    if (name == kStandardInput) {
        return std::make_unique<FileSource>(streams.in, streams.inDescriptor);
    }
    return std::make_unique<FileSource>(std::filesystem::path(name), PipeWaiting::kMayWait);
}

// The bet as the window reads it: the damage it reads past is said on `err`.
void ReadLeniently(const std::string& name, CColumnSet& bet, const Streams& streams) {
    const BetReadResult result = ReadBet(*BetSource(name, streams), bet);
    switch (result.end) {
        case BetReadEnd::kComplete:
            return;
        case BetReadEnd::kUnreadable:
        case BetReadEnd::kOutOfMemory:
        case BetReadEnd::kBeingSaved:
        case BetReadEnd::kChangedWhileRead:
            throw CommandError(BetReadProblem(ShownInputName(name), result));
        case BetReadEnd::kCountMissing:
        case BetReadEnd::kCountOutOfRange:
        case BetReadEnd::kCountNegative:
        case BetReadEnd::kTruncated:
            break;
    }
    const std::string problem = BetReadProblem(ShownInputName(name), result);
    WholeMessage(streams.err) << "Aviso: " << problem << " Con --lenient se sigue con "
                              << CountWithNoun(result.added, "columna leída", "columnas leídas")
                              << ".\n";
}

// Whether the forecast in the working folder is to be used: a regular file
// is, and a missing name or anything else is not; a name that cannot be
// examined (a link loop, a folder closed to the user) stops the command.
bool UseDefaultForecast() {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(kDefaultForecast, error);
    if (error && status.type() != std::filesystem::file_type::not_found) {
        ForecastFileRead read;
        read.error = ForecastFileError::kUnreadable;
        read.systemError = error.value();
        throw CommandError(ForecastFileMessage(kDefaultForecast, read));
    }
    return std::filesystem::is_regular_file(status);
}

}  // namespace

std::string ShownInputName(const std::string& name) {
    return name == kStandardInput ? "entrada estándar" : name;
}

Scoring LoadScoring(const CommandLine& line, const Streams& streams) {
    const std::optional<std::string> given = line.Value(kForecastOption.name);
    const bool useDefault = !given && UseDefaultForecast();
    const std::string name = useDefault ? std::string(kDefaultForecast) : given.value_or("");
    if (!given && !useDefault) {
        WholeMessage(streams.err)
            << "Pronóstico: la tabla construida (40 33 27 en cada partido).\n";
        return Scoring{};
    }
    const ForecastFileRead read =
        name == kStandardInput
            ? ReadForecastStrictly(streams.in)
            : ReadForecastStrictly(std::filesystem::path(name), PipeWaiting::kMayWait);
    if (!read.Ok()) {
        throw CommandError(ForecastFileMessage(ShownInputName(name), read));
    }
    WholeMessage(streams.err) << "Pronóstico: " << Quoted(ShownInputName(name)) << ".\n";
    return ScoringOf(read.table);
}

std::unique_ptr<CColumnSet> ReadInput(const CommandLine& line, std::size_t position,
                                      const Streams& streams) {
    const std::string& name = line.positionals.at(position);
    auto bet = std::make_unique<CColumnSet>();
    if (line.Has(kLenientOption.name)) {
        ReadLeniently(name, *bet, streams);
        return bet;
    }
    const BetFileRead read = ReadBetStrictly(*BetSource(name, streams), *bet);
    if (!read.Ok()) {
        throw CommandError(BetFileReadMessage(ShownInputName(name), read));
    }
    return bet;
}

std::unique_ptr<CColumnSet> ReadScored(const CommandLine& line, std::size_t position,
                                       const Scoring& scoring, const Streams& streams) {
    std::unique_ptr<CColumnSet> bet = ReadInput(line, position, streams);
    RescoreAll(*bet, scoring, [](std::int32_t, std::int32_t) {});
    return bet;
}
