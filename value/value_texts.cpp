#include "value/value_texts.h"

#include <cmath>
#include <cstdio>

#include "text/spanish_numbers.h"

namespace lumo {

namespace {

std::string Euros(double euros) {
    return EurosText(std::llround(euros * 100.0));
}

}  // namespace

std::string ChanceText(double chance) {
    const double percent = chance * 100.0;
    if (!(percent > 0.0)) {
        return "0 %";
    }
    int decimals = std::max(0, 2 - static_cast<int>(std::floor(std::log10(percent))));
    // 99,96 rounds up to 100: one digit more before the comma, one fewer after.
    const double scale = std::pow(10.0, decimals);
    if (decimals > 0 && std::round(percent * scale) / scale >= std::pow(10.0, 3 - decimals)) {
        --decimals;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, percent);
    std::string shown(text);
    for (char& c : shown) {
        c = c == '.' ? ',' : c;
    }
    return shown + " %";
}

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
