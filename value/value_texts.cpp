#include "value/value_texts.h"

#include <cmath>

#include "text/spanish_numbers.h"

namespace lumo {

namespace {

std::string Euros(double euros) {
    return EurosText(std::llround(euros * 100.0));
}

}  // namespace

std::string ValueAgainstCost(double expected, double cost) {
    std::string text = "Valor esperado: " + Euros(expected) + " por " + Euros(cost) + " jugados";
    if (cost > 0.0) {
        text += " (" + ChanceText(expected / cost) + ")";
    }
    return text;
}

std::string ValueVerdict(double expected, double cost) {
    if (expected > cost) {
        return "Rentable en promedio: el valor esperado supera el coste en " +
               Euros(expected - cost) + ".";
    }
    return "No rentable: en promedio se pierden " + Euros(cost - expected) + " de lo jugado.";
}

}  // namespace lumo
