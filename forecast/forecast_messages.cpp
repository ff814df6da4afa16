#include "forecast/forecast_messages.h"

#include "text/bounded_line.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"
#include "text/system_error_text.h"

namespace lumo {

namespace {

// A sum in billionths as a Spanish decimal: "99", "97,2", "101,05".
std::string SumText(std::int64_t billionths) {
    std::string text = std::to_string(billionths / kBillion);
    std::string decimals = std::to_string(kBillion + billionths % kBillion).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    return decimals.empty() ? text : text + "," + decimals;
}

}  // namespace

std::string ForecastFileMessage(std::string_view fileName, const ForecastFileRead& read) {
    const std::string forecast = "el pronóstico " + Quoted(fileName);
    const std::string line =
        "línea " + GroupedNumber(read.line) + " del pronóstico " + Quoted(fileName);
    const std::string reason =
        read.systemError != 0 ? ": " + ReadFailureReason(read.systemError) : std::string();
    const std::string range = "; cada porcentaje va de 0 a 100.";
    switch (read.error) {
        case ForecastFileError::kNone:
            return {};
        case ForecastFileError::kUnreadable:
            return "No se ha podido leer " + forecast + reason + ".";
        case ForecastFileError::kReadFailed:
            return "No se ha podido leer la " + line + reason + ".";
        case ForecastFileError::kNotANumber:
            return "La " + line + " tiene «" + ShownText(read.text) +
                   "» donde se esperaba un porcentaje, como 54, 54,6 o 54.6.";
        case ForecastFileError::kNegative:
            return "La " + line + " tiene un número negativo, «" + ShownText(read.text) + "»" +
                   range;
        case ForecastFileError::kAbove100:
            return "La " + line + " tiene un número mayor que 100, «" + ShownText(read.text) + "»" +
                   range;
        case ForecastFileError::kWrongCount:
            return "La " + line + " tiene " + CountWithNoun(read.found, "número", "números") +
                   " y debe tener 3: los porcentajes de 1, X y 2.";
        case ForecastFileError::kTooFewRows:
            return (read.found == 0 ? "El pronóstico " + Quoted(fileName) + " no tiene ninguna fila"
                                    : "El pronóstico " + Quoted(fileName) + " tiene " +
                                          CountWithNoun(read.found, "fila", "filas") +
                                          ", la última en la línea " + GroupedNumber(read.line)) +
                   ", y debe tener 14, una por partido.";
        case ForecastFileError::kTooManyRows:
            return "La " + line + " es una fila de más: el pronóstico tiene 14, una por partido.";
        case ForecastFileError::kRowSum:
            return "Los porcentajes de la " + line + " suman " + SumText(read.sum) +
                   " y deben sumar 100.";
        case ForecastFileError::kRowFarFrom100:
            return "Los porcentajes de la " + line + " suman " + SumText(read.sum) +
                   ": con decimales deben sumar entre 98,5 y 101,5, y se redondean a 100.";
        case ForecastFileError::kLineTooLong:
            return "La " + line + " es demasiado larga: pasa de " + GroupedNumber(kLongestLine) +
                   " bytes.";
        case ForecastFileError::kTooManyLines:
            return "La " + line + " pasa de " + GroupedNumber(kMostLines) +
                   " líneas: no puede ser un pronóstico.";
        case ForecastFileError::kWordTooLong:
            return "La " + line + " tiene una palabra demasiado larga, «" + ShownText(read.text) +
                   "»: pasa de " + GroupedNumber(kLongestWord) + " bytes.";
    }
    return {};
}

}  // namespace lumo
