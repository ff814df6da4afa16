#pragma once

#include <string>

namespace lumo {

// The expected prize as the windows say it, in Spanish.

// "Valor esperado: 1.234,56 € por 2.000,00 € jugados (61,7 %)", the share
// as ChanceText; without the share when `cost` is 0.
std::string ValueAgainstCost(double expected, double cost);

// Whether the bet pays for itself on average: it does only when the value
// exceeds the cost, and the text says by how much either way.
std::string ValueVerdict(double expected, double cost);

}  // namespace lumo
