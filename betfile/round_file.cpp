#include "betfile/round_file.h"

#include <cerrno>
#include <fstream>
#include <istream>
#include <sstream>

#include "betfile/bet_messages.h"
#include "core/typed_signs.h"

namespace lumo {

RoundFileReading ReadRoundFile(std::istream& in) {
    RoundFileReading reading;
    std::string line;
    for (std::int32_t number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string word; words >> word;) {
            parts.push_back(word);
        }
        if (parts.empty() || parts.front().starts_with('#')) {
            continue;
        }
        const auto fail = [&](RoundFileProblem problem) {
            reading.problem = problem;
            reading.line = number;
            reading.word = parts.back();
            return reading;
        };
        if (parts.size() < 2) {
            return fail(RoundFileProblem::kMissingSigns);
        }
        const std::optional<CColumn> result = ColumnFromTypedSigns(parts.back());
        if (!result) {
            return fail(RoundFileProblem::kBadSigns);
        }
        std::string name = parts.front();
        for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
            name += ' ' + parts[i];
        }
        reading.rounds.push_back({std::move(name), *result});
    }
    if (in.bad()) {
        reading.problem = RoundFileProblem::kUnreadable;
        reading.systemError = errno;
    }
    return reading;
}

RoundFileReading ReadRoundFile(const std::filesystem::path& path) {
    errno = 0;
    std::ifstream file(path);
    const int openError = errno;
    std::error_code ignored;
    const bool folder = std::filesystem::is_directory(path, ignored);
    if (!file || folder) {
        RoundFileReading reading;
        reading.problem = RoundFileProblem::kUnreadable;
        reading.systemError = folder ? EISDIR : openError;
        return reading;
    }
    return ReadRoundFile(file);
}

std::string RoundFileMessage(std::string_view fileName, const RoundFileReading& reading) {
    const std::string file = "«" + std::string(fileName) + "»";
    const std::string where = file + ", línea " + std::to_string(reading.line) + ": ";
    switch (reading.problem) {
        case RoundFileProblem::kNone:
            return {};
        case RoundFileProblem::kUnreadable:
            return "No se ha podido leer el archivo de resultados " + file +
                   (reading.systemError != 0 ? ": " + ReadFailureReason(reading.systemError)
                                             : std::string()) +
                   ".";
        case RoundFileProblem::kMissingSigns:
            return where + "se esperaba el nombre de la jornada y su resultado de 14 signos.";
        case RoundFileProblem::kBadSigns:
            return where + "el resultado «" + reading.word + "» " +
                   TypedSignsProblem(reading.word) + ".";
    }
    return {};
}

}  // namespace lumo
