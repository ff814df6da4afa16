// lumo-cli scrutiny: a bet against a result, with the Pleno al 15 and the
// prizes when given, or against past rounds.
#include <algorithm>
#include <array>
#include <iomanip>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/price_option.h"
#include "cli/round_results.h"
#include "core/scrutiny.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr OptionRule kPlenoOption{"--pleno", OptionValue::kRequired};
constexpr OptionRule kPrizesOption{"--prizes", OptionValue::kRequired};

constexpr std::array kOptions{kHelpOption,
                              kLenientOption,
                              kPriceOption,
                              kPlenoOption,
                              kPrizesOption,
                              OptionRule{"--result", OptionValue::kRequired},
                              OptionRule{"--results", OptionValue::kRequired}};

constexpr std::string_view kHelp =
    "Uso: lumo-cli scrutiny ENTRADA --result SIGNOS [--pleno RESULTADO,ELEGIDO]\n"
    "                       [--prizes E:14:13:12:11:10] [--price EUROS] [--lenient]\n"
    "     lumo-cli scrutiny ENTRADA --results ARCHIVO [--lenient]\n"
    "--result SIGNOS: cuántas columnas tienen 14, 13, 12, 11 y 10 aciertos con el\n"
    "  resultado (14 signos 1, X o 2; los blancos y guiones entre ellos no cuentan).\n"
    "--pleno RESULTADO,ELEGIDO: el Pleno al 15 de la jornada y el que se jugó, cada\n"
    "  uno con los goles de los dos equipos, 0, 1, 2 o M (por ejemplo 2-M,2-1);\n"
    "  cuenta además la categoría especial: 14 aciertos y el Pleno al 15.\n"
    "--prizes E:14:13:12:11:10: el premio de una columna de cada categoría, en euros,\n"
    "  la especial primero (por ejemplo 0:1.500.000:4.500,50:60:8:1); escribe lo\n"
    "  ganado, el coste de la apuesta al precio de --price (por defecto 0,75 la\n"
    "  columna) y el balance.\n"
    "--results ARCHIVO: una línea por jornada, un nombre y 14 signos; escribe una\n"
    "  tabla con una fila por jornada.\n";

constexpr std::array<std::string_view, kPrizeCategories> kCategoryNames{
    "Especial (14 y Pleno al 15)",
    "14 aciertos",
    "13 aciertos",
    "12 aciertos",
    "11 aciertos",
    "10 aciertos"};

// The first category a column's hits can win, and the number of them: 14 down to 10.
constexpr std::size_t kFirstHitsCategory = static_cast<std::size_t>(PrizeCategory::kFourteen);

PlenoPlay ParsePleno(const std::string& text) {
    const std::size_t comma = text.find(',');
    const std::optional<PlenoScore> result =
        comma == std::string::npos ? std::nullopt : ParsePlenoScore(text.substr(0, comma));
    const std::optional<PlenoScore> pick =
        comma == std::string::npos ? std::nullopt : ParsePlenoScore(text.substr(comma + 1));
    if (!result || !pick) {
        throw CommandError(
            "El valor de --pleno debe ser el resultado y el elegido, cada uno con "
            "los goles 0, 1, 2 o M de los dos equipos, por ejemplo 2-M,2-1; es «" +
            text + "».");
    }
    return {*result, *pick};
}

PrizeTable ParsePrizes(const std::string& text) {
    PrizeTable prizes{};
    std::size_t from = 0;
    for (std::size_t category = 0; category < kPrizeCategories; ++category) {
        const std::size_t colon = text.find(':', from);
        const bool last = category + 1 == kPrizeCategories;
        const std::optional<std::int64_t> cents =
            (colon == std::string::npos) == last
                ? ParseEuros(std::string_view(text).substr(from, colon - from))
                : std::nullopt;
        if (!cents) {
            throw CommandError(
                "El valor de --prizes debe ser seis premios en euros separados "
                "por «:», la categoría especial y 14, 13, 12, 11 y 10 aciertos, "
                "por ejemplo 0:1.500.000:4.500,50:60:8:1; es «" +
                text + "».");
        }
        prizes[category] = *cents;
        from = colon + 1;
    }
    return prizes;
}

int ScrutinyOfOneResult(const CommandLine& line, const Streams& streams) {
    const CColumn result = ParseResultSigns(*line.Value("--result"), "--result");
    const auto pleno = line.Value(kPlenoOption.name);
    const std::optional<PlenoPlay> play =
        pleno ? std::optional<PlenoPlay>(ParsePleno(*pleno)) : std::nullopt;
    const auto prizesText = line.Value(kPrizesOption.name);
    const std::optional<PrizeTable> prizes =
        prizesText ? std::optional<PrizeTable>(ParsePrizes(*prizesText)) : std::nullopt;
    if (!prizes && line.Has(kPriceOption.name)) {
        throw CommandError("--price solo vale con --prizes, que es cuando se escribe el coste.");
    }
    const std::int64_t priceCents = ColumnPriceCents(line);
    const std::unique_ptr<CColumnSet> bet = ReadInput(line, 0, streams);
    const Scrutiny scrutiny = Scrutinise(*bet, result, play);
    for (std::size_t category = play ? 0 : kFirstHitsCategory; category < kPrizeCategories;
         ++category) {
        streams.out << kCategoryNames[category] << ": "
                    << GroupedNumber(scrutiny.InCategory(static_cast<PrizeCategory>(category)))
                    << '\n';
    }
    if (prizes) {
        const std::int64_t winnings = WinningsCents(scrutiny, *prizes);
        const BetCost cost = CostOf(bet->Count(), priceCents);
        streams.out << "Premios: " << EurosText(winnings) << '\n';
        WriteCost(streams.out, cost, priceCents);
        streams.out << "Balance: " << EurosText(winnings - cost.cents) << '\n';
    }
    return kExitSuccess;
}

int ScrutinyOfRounds(const CommandLine& line, const Streams& streams) {
    const std::vector<RoundResult> rounds = ReadRoundResults(*line.Value("--results"));
    const std::unique_ptr<CColumnSet> bet = ReadInput(line, 0, streams);
    std::size_t nameWidth = std::string_view("Jornada").size();
    for (const RoundResult& round : rounds) {
        nameWidth = std::max(nameWidth, round.name.size());
    }
    const auto cell = [&streams](const auto& value) { streams.out << std::setw(8) << value; };
    streams.out << std::left << std::setw(static_cast<int>(nameWidth)) << "Jornada" << std::right
                << "  Resultado     ";
    for (std::int32_t hits = kMatches; hits >= kMatches - 4; --hits) {
        cell(hits);
    }
    streams.out << '\n';
    for (const RoundResult& round : rounds) {
        const Scrutiny scrutiny = Scrutinise(*bet, round.result);
        streams.out << std::left << std::setw(static_cast<int>(nameWidth)) << round.name
                    << std::right << "  " << SignsText(round.result);
        for (std::size_t category = kFirstHitsCategory; category < kPrizeCategories; ++category) {
            cell(GroupedNumber(scrutiny.InCategory(static_cast<PrizeCategory>(category))));
        }
        streams.out << '\n';
    }
    return kExitSuccess;
}

int RunScrutiny(const CommandLine& line, const Streams& streams) {
    ExpectPositionals(line, 1, "scrutiny");
    ExpectOneOf(line, "scrutiny", "--result SIGNOS", "--results ARCHIVO");
    if (line.Has("--result")) {
        return ScrutinyOfOneResult(line, streams);
    }
    for (const OptionRule& option : {kPlenoOption, kPrizesOption, kPriceOption}) {
        if (line.Has(option.name)) {
            throw CommandError(std::string(option.name) +
                               " solo vale con --result: cada jornada tiene su Pleno al 15 y "
                               "sus premios.");
        }
    }
    return ScrutinyOfRounds(line, streams);
}

}  // namespace

const Command kScrutinyCommand{"scrutiny",
                               "escruta una apuesta con un resultado o con jornadas pasadas", kHelp,
                               kOptions, RunScrutiny};
