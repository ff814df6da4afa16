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
    ScoresRead scores = ReadScores(opened->scores);
    if (!scores.message.empty()) {
        opened->scores = {};
        scores.scoring = Scoring{};
        result.warning = scores.message +
                         " La apuesta se puntúa con la tabla construida; puede elegir otro "
                         "pronóstico en «Archivo ▸ Elegir pronóstico…».";
    }
    ApplyScores(*opened->columns, scores.scoring);
    opened->forecast = scores.scoring.table;
    result.repeated = CountRepeated(*opened->columns);
    result.bet = std::move(opened);
    return result;
}
