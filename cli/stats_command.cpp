// lumo-cli stats: the bet's size, cost and tickets, and the share of 1, X
// and 2 per match.
#include <array>
#include <cmath>
#include <iomanip>
#include <memory>
#include <new>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/price_option.h"
#include "cli/value_inputs.h"
#include "core/match_counts.h"
#include "text/spanish_numbers.h"
#include "value/bet_value.h"
#include "value/value_texts.h"

using namespace lumo;

namespace {

constexpr std::array kOptions{kHelpOption,    kLenientOption, kPriceOption,
                              kPublicOption,  kOddsOption,    kTakingsOption,
                              kJackpotOption, kPlenoOption,   kForecastOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli stats ENTRADA [--price EUROS] [--lenient]\n"
    "                    [--public ARCHIVO --takings EUROS [--odds ARCHIVO]\n"
    "                    [--jackpot EUROS] [--pleno-probability P]\n"
    "                    [--forecast ARCHIVO]]\n"
    "El número de columnas de la apuesta, lo que cuesta jugarla y en cuántos boletos\n"
    "de 8 columnas cabe; después, por partido, la parte de 1, X y 2 sobre toda la\n"
    "apuesta.\n"
    "  --price EUROS      precio de una columna (por defecto 0,75)\n"
    "  --public ARCHIVO   con los porcentajes del público y la recaudación de\n"
    "                     --takings, el premio esperado de la apuesta (sus columnas\n"
    "                     se reparten los premios entre ellas), la probabilidad de\n"
    "                     cobrar algo y la de acertar cada categoría; el manual da\n"
    "                     el modelo. Suele quedar muy por debajo de lo que cuesta.\n";

constexpr std::array<std::string_view, 5> kCategoryNames{"14", "13", "12", "11", "10"};

// The bet's expected prize against its cost, and its chances of cashing.
void WriteValue(const CommandLine& line, const CColumnSet& bet, std::int64_t priceCents,
                const Streams& streams) {
    const Round round = LoadRound(line, streams, nullptr);
    std::vector<std::int32_t> indices;
    indices.reserve(static_cast<std::size_t>(bet.Count()));
    for (const CColumn& column : bet) {
        indices.push_back(column.Index());
    }
    BetValue value;
    try {
        value = ValueOfBet(round, indices);
    } catch (const std::bad_alloc&) {
        throw CommandError("No hay memoria suficiente para el valor esperado de la apuesta.");
    }
    const double cost = static_cast<double>(CostOf(bet.Count(), priceCents).cents) / 100.0;
    streams.out << ValueAgainstCost(value.expected, cost) << '\n'
                << ValueVerdict(value.expected, cost);
    streams.out << "\nProbabilidad de cobrar algún premio: " << ChanceText(value.cashChance)
                << '\n';
    for (std::size_t misses = 0; misses < kCategoryNames.size(); ++misses) {
        streams.out << "Probabilidad de alguna columna con " << kCategoryNames[misses]
                    << " aciertos: " << ChanceText(value.categoryChances[misses]) << '\n';
    }
}

int Stats(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "stats");
    const std::int64_t priceCents = ColumnPriceCents(line);
    const std::unique_ptr<CColumnSet> bet = ReadInput(line, 0, streams);
    const MatchCounts counts = CountResultsPerMatch(*bet);
    streams.out << CountWithNoun(bet->Count(), "columna", "columnas") << '\n';
    WriteCost(streams.out, CostOf(bet->Count(), priceCents), priceCents);
    constexpr std::array<std::string_view, 3> kSignNames{"1", "X", "2"};
    for (std::size_t match = 0; match < counts.size(); ++match) {
        streams.out << "Partido " << std::setw(2) << match + 1 << ":";
        for (std::size_t result = 0; result < 3; ++result) {
            streams.out << "  " << kSignNames[result] << " " << std::setw(7)
                        << PercentText(counts[match][result], bet->Count());
        }
        streams.out << '\n';
    }
    if (line.Has(kPublicOption.name) || line.Has(kTakingsOption.name)) {
        WriteValue(line, *bet, priceCents, streams);
    }
    return kExitSuccess;
}

}  // namespace

const Command kStatsCommand{"stats", "tamaño, coste y reparto de 1, X y 2 por partido", kHelp,
                            kOptions, Stats};
