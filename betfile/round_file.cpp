#include "betfile/round_file.h"

#include <algorithm>
#include <cerrno>
#include <istream>
#include <optional>

#include "betfile/bet_messages.h"
#include "core/typed_signs.h"
#include "text/bounded_line.h"
#include "text/chunked_input.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"

namespace lumo {

namespace {

RoundFileReading Failed(RoundFileReading reading, RoundFileProblem problem, std::int32_t line,
                        std::string_view word = {}) {
    reading.problem = problem;
    reading.line = line;
    reading.word = std::string(word);
    return reading;
}

// Adds the round of a line of words; the problem of a line that is not one.
RoundFileProblem AddRound(const std::vector<std::string_view>& words,
                          std::vector<RoundResult>& rounds) {
    if (words.size() < 2) {
        return RoundFileProblem::kMissingSigns;
    }
    const std::optional<CColumn> result = ColumnFromTypedSigns(words.back());
    if (!result) {
        return RoundFileProblem::kBadSigns;
    }
    std::string name(words.front());
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        name += ' ';
        name += words[i];
    }
    rounds.push_back({std::move(name), *result});
    return RoundFileProblem::kNone;
}

}  // namespace

RoundFileReading ReadRoundFile(std::istream& in) {
    RoundFileReading reading;
    ChunkedInput input(in);
    for (std::int32_t number = 1;; ++number) {
        const TakenLine line = TakeLine(input);
        if (line.take == LineTake::kEnd) {
            break;
        }
        if (line.take == LineTake::kTooLong) {
            return Failed(std::move(reading), RoundFileProblem::kLineTooLong, number);
        }
        if (number > kMostLines) {
            return Failed(std::move(reading), RoundFileProblem::kTooManyLines, number);
        }
        const std::vector<std::string_view> words = WordsOf(line.content);
        if (words.empty() || words.front().starts_with('#')) {
            continue;
        }
        const auto longWord = std::ranges::find_if(
            words, [](std::string_view word) { return word.size() > kLongestWord; });
        if (longWord != words.end()) {
            return Failed(std::move(reading), RoundFileProblem::kWordTooLong, number, *longWord);
        }
        if (const RoundFileProblem problem = AddRound(words, reading.rounds);
            problem != RoundFileProblem::kNone) {
            return Failed(std::move(reading), problem, number, words.back());
        }
    }
    if (input.ReadError()) {
        reading.problem = RoundFileProblem::kUnreadable;
        reading.systemError = input.SystemError();
    }
    return reading;
}

RoundFileReading ReadRoundFile(const std::filesystem::path& path, PipeWaiting waiting) {
    FileSource file(path, waiting);
    if (file.OpenError() != 0) {
        RoundFileReading reading;
        reading.problem = RoundFileProblem::kUnreadable;
        reading.systemError = file.OpenError();
        return reading;
    }
    return ReadRoundFile(file.Stream());
}

std::string RoundFileMessage(std::string_view fileName, const RoundFileReading& reading) {
    const std::string file = "«" + std::string(fileName) + "»";
    const std::string where = file + ", línea " + GroupedNumber(reading.line) + ": ";
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
        case RoundFileProblem::kLineTooLong:
            return where + "la línea es demasiado larga: pasa de " + GroupedNumber(kLongestLine) +
                   " bytes.";
        case RoundFileProblem::kTooManyLines:
            return where + "el archivo pasa de " + GroupedNumber(kMostLines) + " líneas.";
        case RoundFileProblem::kWordTooLong:
            return where + "la palabra «" + ShownText(reading.word) +
                   "» es demasiado larga: pasa de " + GroupedNumber(kLongestWord) + " bytes.";
        case RoundFileProblem::kBadSigns:
            return where + "el resultado «" + reading.word + "» " +
                   TypedSignsProblem(reading.word) + ".";
    }
    return {};
}

}  // namespace lumo
