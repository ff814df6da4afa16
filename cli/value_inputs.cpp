#include "cli/value_inputs.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <new>
#include <optional>
#include <string>

#include "cli/command_inputs.h"
#include "cli/price_option.h"
#include "cli/whole_message.h"
#include "text/decimal_text.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"
#include "value/column_values.h"
#include "value/odds_file.h"
#include "value/public_file.h"
#include "value/value_euros.h"
#include "value/value_messages.h"

using namespace lumo;

namespace {

// The table of a file of three numbers per match, read strictly.
MatchTable ReadMatchFile(MatchFileKind kind, const std::string& name) {
    const std::filesystem::path path(name);
    const MatchFileRead read = kind == MatchFileKind::kOdds
                                   ? ReadOddsStrictly(path, PipeWaiting::kMayWait)
                                   : ReadPublicStrictly(path, PipeWaiting::kMayWait);
    if (!read.Ok()) {
        throw CommandError(MatchFileMessage(kind, name, read));
    }
    return read.table;
}

std::string Required(const CommandLine& line, const OptionRule& option, std::string_view what) {
    std::optional<std::string> value = line.Value(option.name);
    if (!value) {
        throw CommandError("El valor esperado necesita " + std::string(what) + ": " +
                           std::string(option.name) + ".");
    }
    return *value;
}

// Euros typed as every money option takes them ("2.500.000", "1.234,56").
double Euros(const OptionRule& option, const std::string& typed) {
    const std::optional<std::int64_t> cents = ParseEuros(typed);
    if (!cents) {
        throw CommandError("El valor de " + std::string(option.name) +
                           " no es un importe en euros: «" + typed + "». " +
                           std::string(kEurosExample));
    }
    return static_cast<double>(*cents) / 100.0;
}

// A probability in (0, 1], its decimal separator a point or a comma.
double PlenoChance(const std::string& typed) {
    const std::optional<double> chance = ParseDecimal(typed);
    if (!chance || !(*chance > 0.0) || *chance > 1.0) {
        throw CommandError(
            "El valor de --pleno-probability debe ser un número mayor que 0 y no "
            "mayor que 1, como 0,0625: «" +
            typed + "».");
    }
    return *chance;
}

}  // namespace

MatchTable LoadRealProbabilities(const CommandLine& line, const Streams& streams,
                                 const Scoring* scored) {
    if (const std::optional<std::string> odds = line.Value(kOddsOption.name)) {
        const MatchTable real = ReadMatchFile(MatchFileKind::kOdds, *odds);
        WholeMessage(streams.err) << "Probabilidades: las cuotas de " << Quoted(*odds) << ".\n";
        return real;
    }
    return ProbabilitiesOfForecast(scored ? scored->table : LoadScoring(line, streams).table);
}

MatchTable LoadPublicShares(const CommandLine& line, const Streams& streams) {
    const std::string publicFile = Required(line, kPublicOption, "los porcentajes del público");
    const MatchTable shares = ReadMatchFile(MatchFileKind::kPublic, publicFile);
    WholeMessage(streams.err) << "Público: " << Quoted(publicFile) << ".\n";
    return shares;
}

Round LoadRound(const CommandLine& line, const Streams& streams, const Scoring* scored) {
    Round round;
    round.publicShares = LoadPublicShares(line, streams);
    round.takings = Euros(kTakingsOption, Required(line, kTakingsOption, "la recaudación"));
    if (round.takings <= 0.0) {
        throw CommandError("La recaudación de --takings debe ser mayor que 0 €.");
    }
    round.real = LoadRealProbabilities(line, streams, scored);
    if (const std::optional<std::string> jackpot = line.Value(kJackpotOption.name)) {
        round.jackpot = Euros(kJackpotOption, *jackpot);
    }
    if (const std::optional<std::string> pleno = line.Value(kPlenoOption.name)) {
        round.plenoChance = PlenoChance(*pleno);
    }
    round.columnPrice = static_cast<double>(ColumnPriceCents(line)) / 100.0;
    WholeMessage(streams.err) << "Recaudación: " << EurosText(std::llround(round.takings * 100.0))
                              << ".\n";
    return round;
}

std::vector<double> ValuesOfRound(const CommandLine& line, const Streams& streams,
                                  const Scoring* scored) {
    const Round round = LoadRound(line, streams, scored);
    try {
        return ColumnValues(round);
    } catch (const std::bad_alloc&) {
        throw CommandError("No hay memoria suficiente para el valor esperado de las columnas.");
    }
}

double ValueEuros(std::string_view option, const std::string& typed) {
    const std::optional<double> euros = ParseValueEuros(typed);
    if (!euros) {
        throw CommandError("El valor de " + std::string(option) +
                           " debe ser un importe en euros con hasta cuatro decimales, como "
                           "0,5 o 0,3390: «" +
                           typed + "».");
    }
    return *euros;
}

std::string ValueText(double euros) {
    return DecimalCommaText(euros, 4);
}
