#include "value/round_inputs.h"

#include <cstdint>
#include <optional>

#include "text/spanish_numbers.h"
#include "value/odds_file.h"
#include "value/public_file.h"
#include "value/value_messages.h"

namespace lumo {

namespace {

// The euros of `typed`, or the message saying that `what` is no amount.
std::optional<double> Euros(const std::string& typed, const char* what, std::string& message) {
    const std::optional<std::int64_t> cents = ParseEuros(typed);
    if (!cents) {
        message = std::string(what) + " no es un importe en euros: «" + typed + "». " +
                  std::string(kEurosExample);
        return std::nullopt;
    }
    return static_cast<double>(*cents) / 100.0;
}

// The table of a file read strictly, or its message.
std::optional<MatchTable> Table(MatchFileKind kind, const std::filesystem::path& file,
                                std::string& message) {
    const MatchFileRead read =
        kind == MatchFileKind::kOdds ? ReadOddsStrictly(file) : ReadPublicStrictly(file);
    if (!read.Ok()) {
        message = MatchFileMessage(kind, file.filename().string(), read);
        return std::nullopt;
    }
    return read.table;
}

// The amounts: the takings required and above 0, the jackpot 0 when blank.
bool ReadMoney(const RoundInputs& inputs, Round& round, std::string& message) {
    if (inputs.takings.find_first_not_of(" \t") == std::string::npos) {
        message = "Falta la recaudación de la jornada, en euros.";
        return false;
    }
    const std::optional<double> takings = Euros(inputs.takings, "La recaudación", message);
    if (!takings) {
        return false;
    }
    if (*takings <= 0.0) {
        message = "La recaudación debe ser mayor que 0 €.";
        return false;
    }
    round.takings = *takings;
    if (inputs.jackpot.find_first_not_of(" \t") != std::string::npos) {
        const std::optional<double> jackpot = Euros(inputs.jackpot, "El bote", message);
        if (!jackpot) {
            return false;
        }
        round.jackpot = *jackpot;
    }
    return true;
}

}  // namespace

RoundReading ReadRound(const RoundInputs& inputs) {
    RoundReading reading;
    if (inputs.publicFile.empty()) {
        reading.message = "Falta el archivo de porcentajes del público.";
        return reading;
    }
    Round round;
    round.columnPrice = inputs.columnPrice;
    if (!ReadMoney(inputs, round, reading.message)) {
        return reading;
    }
    const std::optional<MatchTable> shares =
        Table(MatchFileKind::kPublic, inputs.publicFile, reading.message);
    if (!shares) {
        return reading;
    }
    round.publicShares = *shares;
    round.real = inputs.forecast;
    if (!inputs.oddsFile.empty()) {
        const std::optional<MatchTable> odds =
            Table(MatchFileKind::kOdds, inputs.oddsFile, reading.message);
        if (!odds) {
            return reading;
        }
        round.real = *odds;
    }
    reading.round = round;
    return reading;
}

}  // namespace lumo
