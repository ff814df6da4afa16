#include "reducir/bet_opening.h"

#include "betfile/bet_file_reading.h"
#include "core/repeated_columns.h"

using namespace lumo;

BetOpening OpenBet(const std::filesystem::path& file) {
    auto opened = std::make_unique<OpenedBet>();
    opened->file = file;
    opened->columns = std::make_unique<CColumnSet>();
    opened->scores = DefaultScoreSource(file);
    BetOpening result;
    result.message =
        ReadBetFile(file, *opened->columns, BetGrammar::kStrict, file.filename().string());
    if (!result.message.empty()) {
        return result;
    }
    const std::string forecastProblem = ScoreBet(*opened->columns, opened->scores);
    if (!forecastProblem.empty()) {
        opened->scores = {};
        ApplyScores(*opened->columns, Scoring{});
        result.warning = forecastProblem +
                         " La apuesta se puntúa con la tabla construida; puede elegir otro "
                         "pronóstico en «Archivo ▸ Elegir pronóstico…».";
    }
    result.repeated = CountRepeated(*opened->columns);
    result.bet = std::move(opened);
    return result;
}
