#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

#include "conditions/condition_file.h"

namespace lumo {

// Reads a file of conditions strictly. UTF-8, one condition a line, '#'
// starts a comment, blank lines are skipped; a UTF-8 byte-order mark may come
// first and lines end in LF or CR LF. Each condition has its bounds MIN-MAX,
// inclusive, integers except those of `probabilidad` (percent) and `valor`
// (euros), which take a decimal point or comma whatever the locale:
//
//   unos 5-9              equis, doses, variantes likewise (0..14)
//   interrupciones 4-9    places where a sign differs from the next one (0..13)
//   racha 1-4             longest run of equal signs (0..14)
//   racha X 0-2           longest run of X (racha 1, racha 2 likewise)
//   grupo 1-4,7,9 X2 1-3  X or 2 in matches 1 to 4, 7 and 9 (0..matches listed)
//   base 1X1121X21X1X21 9-12   hits with this column (0..14)
//   puntuacion 40-100     the score (0..100; "puntuación" too)
//   probabilidad 0,001-100     the probability in % (0..100)
//   valor 0,05-2          the expected prize in euros
//   fallos 2              counted conditions a column may break (0..99, once)
//   ! unos 3-10           '!' first: must always hold, does not count
//
// At most kMostConditions conditions.
// Anything else is an error in Spanish naming the line; the file read so far
// is then not to be used.
struct ConditionFileRead {
    ConditionFile file;
    std::string error;      // what is wrong, empty when the file was read
    std::int64_t line = 0;  // the line it is about, 0 for the whole file

    bool Ok() const { return error.empty(); }
};

ConditionFileRead ReadConditions(std::istream& in);
// The same from a file; one that cannot be opened is an error of line 0.
ConditionFileRead ReadConditions(const std::filesystem::path& path);

// The error as lumo-cli shows it: "línea 3: el mínimo 9 es mayor que el
// máximo 5" (without "línea" for line 0).
std::string ConditionErrorText(const ConditionFileRead& read);

}  // namespace lumo
