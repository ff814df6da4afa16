#pragma once

#include <filesystem>
#include <string>

#include "core/column_set.h"
#include "core/scoring.h"

// The one place where Lumo Reducir scores columns. The scores only order
// the reduction's choices among equally good columns.

// The forecast a bet's columns are scored with.
struct ScoreSource {
    // The forecast file read, or empty for the constructed table.
    std::filesystem::path forecastFile;
};

// The forecast file Lumo Reducir uses for a bet when the player names none:
// "pronostico.txt" in the bet's folder when it is there (or is there but
// cannot be examined, so that reading it reports why), else none.
ScoreSource DefaultScoreSource(const std::filesystem::path& betFile);

// The scoring of a source's forecast, read strictly (the constructed table
// when it names no file), or the Spanish message naming the file and the
// line when the file cannot be used.
struct ScoresRead {
    lumo::Scoring scoring;
    std::string message;  // empty when the scoring was read
};
ScoresRead ReadScores(const ScoreSource& source);

// Scores every column of `bet` with the source's forecast. Returns the
// message of ReadScores, and then leaves the scores as they were; empty on
// success.
std::string ScoreBet(lumo::CColumnSet& bet, const ScoreSource& source);

// Scores every column of `bet` with `scoring`.
void ApplyScores(lumo::CColumnSet& bet, const lumo::Scoring& scoring);

// What the window says about the scores: "pronostico.txt de la carpeta de la
// apuesta", "«otro.txt»" or "tabla construida".
std::string ScoreSourceText(const ScoreSource& source, const std::filesystem::path& betFile);
