#include "cli/price_option.h"

#include <optional>
#include <ostream>
#include <string>

#include "text/spanish_numbers.h"

using namespace lumo;

std::int64_t ColumnPriceCents(const CommandLine& line) {
    const std::optional<std::string> typed = line.Value(kPriceOption.name);
    if (!typed) {
        return kDefaultColumnPriceCents;
    }
    const std::optional<std::int64_t> cents = ParseEuros(*typed);
    if (!cents) {
        throw CommandError("El valor de --price no es un precio en euros: «" + *typed + "». " +
                           std::string(kEurosExample));
    }
    return *cents;
}

void WriteCost(std::ostream& out, const BetCost& cost, std::int64_t priceCents) {
    out << "Coste: " << EurosText(cost.cents) << " (" << EurosText(priceCents) << " la columna)\n"
        << "Boletos de " << kColumnsPerTicket << " columnas: " << GroupedNumber(cost.tickets)
        << '\n';
}
