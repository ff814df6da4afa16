#include "value/value_messages.h"

#include <charconv>
#include <cmath>

#include "text/bounded_line.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"
#include "text/system_error_text.h"

namespace lumo {

namespace {

// A sum with at most two decimals and a decimal comma: "97,2", "103".
std::string SumText(double sum) {
    const auto hundredths = static_cast<std::int64_t>(std::llround(sum * 100.0));
    std::string text = std::to_string(hundredths / 100);
    const std::int64_t rest = hundredths % 100;
    if (rest != 0) {
        text += "," + std::to_string(100 + rest).substr(1);
        text.erase(text.find_last_not_of('0') + 1);
    }
    return text;
}

std::string_view Expected(MatchFileKind kind) {
    return kind == MatchFileKind::kOdds ? "las cuotas de 1, X y 2, como 1,60 3,70 4,90"
                                        : "los porcentajes del público para 1, X y 2";
}

}  // namespace

std::string MatchFileMessage(MatchFileKind kind, std::string_view fileName,
                             const MatchFileRead& read) {
    const std::string file = "el archivo " + Quoted(fileName);
    const std::string line =
        "línea " + GroupedNumber(read.line) + " del archivo " + Quoted(fileName);
    const std::string reason =
        read.systemError != 0 ? ": " + ReadFailureReason(read.systemError) : std::string();
    const std::string word = "«" + ShownText(read.text) + "»";
    switch (read.error) {
        case MatchFileError::kNone:
            return {};
        case MatchFileError::kUnreadable:
            return "No se ha podido leer " + file + reason + ".";
        case MatchFileError::kReadFailed:
            return "No se ha podido leer la " + line + reason + ".";
        case MatchFileError::kNotANumber:
            return "La " + line + " tiene " + word +
                   " donde se esperaba un número, como 45, 1,60 o 1.60.";
        case MatchFileError::kWrongCount:
            return "La " + line + " tiene " + CountWithNoun(read.found, "número", "números") +
                   " y debe tener 3: " + std::string(Expected(kind)) + ".";
        case MatchFileError::kTooFewRows:
            return (read.found == 0 ? "El archivo " + Quoted(fileName) + " no tiene ninguna fila"
                                    : "El archivo " + Quoted(fileName) + " tiene " +
                                          CountWithNoun(read.found, "fila", "filas") +
                                          ", la última en la línea " + GroupedNumber(read.line)) +
                   ", y debe tener 14, una por partido.";
        case MatchFileError::kTooManyRows:
            return "La " + line + " es una fila de más: el archivo tiene 14, una por partido.";
        case MatchFileError::kLineTooLong:
            return "La " + line + " es demasiado larga: pasa de " + GroupedNumber(kLongestLine) +
                   " bytes.";
        case MatchFileError::kWordTooLong:
            return "La " + line + " tiene una palabra demasiado larga, " + word + ": pasa de " +
                   GroupedNumber(kLongestWord) + " bytes.";
        case MatchFileError::kTooManyLines:
            return "La " + line + " pasa de " + GroupedNumber(kMostLines) +
                   " líneas: el archivo no puede ser de 14 partidos.";
        case MatchFileError::kOddNotAboveOne:
            return "La " + line + " tiene la cuota " + word + ": toda cuota es mayor que 1.";
        case MatchFileError::kShareIsZero:
            return "La " + line + " tiene un porcentaje " + word +
                   " igual a 0: el público juega todos los signos.";
        case MatchFileError::kRowFarFrom100:
            return "Los porcentajes de la " + line + " suman " + SumText(read.sum) +
                   " y deben sumar 100, con 1,5 de margen.";
    }
    return {};
}

}  // namespace lumo
