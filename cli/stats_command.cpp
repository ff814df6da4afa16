// lumo-cli stats: the bet's size, cost and tickets, and the share of 1, X
// and 2 per match.
#include <array>
#include <iomanip>
#include <memory>
#include <ostream>
#include <string>

#include "cli/command_inputs.h"
#include "cli/command_table.h"
#include "cli/price_option.h"
#include "core/match_counts.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr std::array kOptions{kHelpOption, kLenientOption, kPriceOption};

constexpr std::string_view kHelp =
    "Uso: lumo-cli stats ENTRADA [--price EUROS] [--lenient]\n"
    "El número de columnas de la apuesta, lo que cuesta jugarla y en cuántos boletos\n"
    "de 8 columnas cabe; después, por partido, la parte de 1, X y 2 sobre toda la\n"
    "apuesta.\n"
    "  --price EUROS  precio de una columna (por defecto 0,75)\n";

// A share as a percentage with one decimal and a decimal comma.
std::string Percentage(std::int64_t part, std::int64_t whole) {
    const std::int64_t tenths = whole == 0 ? 0 : (part * 1000 + whole / 2) / whole;
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " %";
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
                        << Percentage(counts[match][result], bet->Count());
        }
        streams.out << '\n';
    }
    return kExitSuccess;
}

}  // namespace

const Command kStatsCommand{"stats", "tamaño, coste y reparto de 1, X y 2 por partido", kHelp,
                            kOptions, Stats};
