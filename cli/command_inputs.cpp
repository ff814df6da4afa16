#include "cli/command_inputs.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "betfile/bet_messages.h"
#include "betfile/bet_reader.h"
#include "core/shown_text.h"
#include "forecast/forecast_file.h"
#include "forecast/forecast_table.h"

namespace {

constexpr std::string_view kDefaultForecast = "pronostico.txt";

}  // namespace

void LoadScoring(const CommandLine& line, std::ostream& err) {
    averageMode = false;
    forecastTable = CForecastTable();
    std::string path;
    if (const auto given = line.Value("--forecast")) {
        path = *given;
        if (!std::ifstream(path) || std::filesystem::is_directory(path)) {
            throw CommandError("No se ha podido leer el pronóstico " + Quoted(path) + ".");
        }
    } else if (std::filesystem::is_regular_file(kDefaultForecast)) {
        path = kDefaultForecast;
    }
    if (path.empty()) {
        UpdateScoreBounds(forecastTable);
        err << "Pronóstico: la tabla construida (40 33 27 en cada partido).\n";
        return;
    }
    std::ostringstream diagnostics;
    LoadForecast(std::filesystem::path(path), forecastTable, diagnostics);
    err << "Pronóstico: " << Quoted(path) << ".\n";
    const std::string errors = diagnostics.str();
    if (!errors.empty()) {
        err << "Aviso: " << errors.size() / std::string_view("ERROR").size()
            << " filas del pronóstico no suman 100.\n";
    }
}

std::unique_ptr<CColumnSet> ReadInput(const std::string& name, Streams& streams) {
    auto bet = std::make_unique<CColumnSet>();
    const BetReadResult result =
        name == "-" ? ReadBet(streams.in, *bet) : ReadBet(std::filesystem::path(name), *bet);
    if (result.end != BetReadEnd::kComplete) {
        throw CommandError(BetReadMessage(name == "-" ? "entrada estándar" : name, result));
    }
    return bet;
}

std::unique_ptr<CColumnSet> ReadScored(const std::string& name, Streams& streams) {
    std::unique_ptr<CColumnSet> bet = ReadInput(name, streams);
    for (std::int32_t i = 0; i < bet->Count(); ++i) {
        (*bet)[i].score = (*bet)[i].ComputeScore(forecastTable);
    }
    return bet;
}
