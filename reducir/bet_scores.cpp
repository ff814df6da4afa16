#include "reducir/bet_scores.h"

#include "core/rescore.h"
#include "core/scoring.h"
#include "forecast/forecast_messages.h"
#include "forecast/strict_forecast_file.h"

using namespace lumo;

namespace {

constexpr const char* kForecastName = "pronostico.txt";

}  // namespace

ScoreSource DefaultScoreSource(const std::filesystem::path& betFile) {
    const std::filesystem::path candidate = betFile.parent_path() / kForecastName;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(candidate, error);
    // A name that cannot be examined (a link loop, a closed folder) is taken
    // too, so that reading it says why instead of scoring with another table.
    const bool unexamined = error && status.type() != std::filesystem::file_type::not_found;
    if (unexamined || std::filesystem::is_regular_file(status)) {
        return {candidate};
    }
    return {};
}

ScoresRead ReadScores(const ScoreSource& source) {
    if (source.forecastFile.empty()) {
        return {};
    }
    const ForecastFileRead read = ReadForecastStrictly(source.forecastFile);
    if (!read.Ok()) {
        return {.scoring = {},
                .message = ForecastFileMessage(source.forecastFile.filename().string(), read)};
    }
    return {.scoring = ScoringOf(read.table), .message = {}};
}

std::string ScoreBet(CColumnSet& bet, const ScoreSource& source) {
    ScoresRead read = ReadScores(source);
    if (read.message.empty()) {
        ApplyScores(bet, read.scoring);
    }
    return std::move(read.message);
}

void ApplyScores(CColumnSet& bet, const Scoring& scoring) {
    RescoreAll(bet, scoring, [](std::int32_t, std::int32_t) {});
}

std::string ScoreSourceText(const ScoreSource& source, const std::filesystem::path& betFile) {
    if (source.forecastFile.empty()) {
        return "tabla construida";
    }
    if (source.forecastFile == DefaultScoreSource(betFile).forecastFile) {
        return std::string(kForecastName) + " de la carpeta de la apuesta";
    }
    return "«" + source.forecastFile.filename().string() + "»";
}
