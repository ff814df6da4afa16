#pragma once

#include <cstdint>
#include <iosfwd>

#include "cli/command_type.h"
#include "core/bet_cost.h"

// --price EUROS: what one column costs, as a player types it ("0,75", "1.5").
inline constexpr OptionRule kPriceOption{"--price", OptionValue::kRequired};

// The price of --price in cents, or kDefaultColumnPriceCents without it.
// Throws CommandError for an amount ParseEuros does not take.
std::int64_t ColumnPriceCents(const CommandLine& line);

// "Coste: 172.551,75 € (0,75 € la columna)" and "Boletos de 8 columnas:
// 28.759", each on its line.
void WriteCost(std::ostream& out, const lumo::BetCost& cost, std::int64_t priceCents);
