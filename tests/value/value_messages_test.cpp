#include "value/value_messages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/core/endless_text.h"
#include "value/odds_file.h"
#include "value/public_file.h"

using namespace lumo;

namespace {

// 14 good rows of each kind, with line `line` (from 1) replaced.
std::string WithLine(MatchFileKind kind, int line, const std::string& replacement) {
    std::string text;
    for (int i = 1; i <= 14; ++i) {
        text += i == line                      ? replacement
                : kind == MatchFileKind::kOdds ? "1,60 3,70 4,90"
                                               : "50 30 20";
        text += "\n";
    }
    return text;
}

MatchFileRead Read(MatchFileKind kind, const std::string& text) {
    std::istringstream in(text);
    return kind == MatchFileKind::kOdds ? ReadOddsStrictly(in) : ReadPublicStrictly(in);
}

TEST(ValueMessagesTest, DamagedFilesNameTheirLine) {
    const auto odds = MatchFileKind::kOdds;
    const auto people = MatchFileKind::kPublic;
    const struct {
        MatchFileKind kind;
        std::string text;
        MatchFileError error;
        std::string message;
    } cases[] = {
        {odds, WithLine(odds, 3, "1,60 3,70 uno"), MatchFileError::kNotANumber,
         "La línea 3 del archivo «f.txt» tiene «uno» donde se esperaba un número, como 45, 1,60 o "
         "1.60."},
        {odds, WithLine(odds, 5, "1,60 0,90 4,90"), MatchFileError::kOddNotAboveOne,
         "La línea 5 del archivo «f.txt» tiene la cuota «0,90»: toda cuota es mayor que 1."},
        {odds, WithLine(odds, 2, "1,60% 3,70 4,90"), MatchFileError::kNotANumber,
         "La línea 2 del archivo «f.txt» tiene «1,60%» donde se esperaba un número, como 45, 1,60 "
         "o 1.60."},
        {odds, WithLine(odds, 7, "1,60 3,70"), MatchFileError::kWrongCount,
         "La línea 7 del archivo «f.txt» tiene 2 números y debe tener 3: las cuotas de 1, X y 2, "
         "como 1,60 3,70 4,90."},
        {odds, WithLine(odds, 14, "# sin el último"), MatchFileError::kTooFewRows,
         "El archivo «f.txt» tiene 13 filas, la última en la línea 13, y debe tener 14"},
        {people, WithLine(people, 9, "50 30 20 5"), MatchFileError::kWrongCount,
         "La línea 9 del archivo «f.txt» tiene 4 números y debe tener 3: los porcentajes del "
         "público para 1, X y 2."},
        {people, WithLine(people, 4, "70 30 0"), MatchFileError::kShareIsZero,
         "La línea 4 del archivo «f.txt» tiene un porcentaje «0» igual a 0: el público juega "
         "todos los signos."},
        {people, WithLine(people, 11, "50 30 21,6"), MatchFileError::kRowFarFrom100,
         "Los porcentajes de la línea 11 del archivo «f.txt» suman 101,6 y deben sumar 100, con "
         "1,5 de margen."},
        {people, WithLine(people, 0, "") + "50 30 20\n", MatchFileError::kTooManyRows,
         "La línea 15 del archivo «f.txt» es una fila de más"},
        {people, "50 30 20\n", MatchFileError::kTooFewRows,
         "El archivo «f.txt» tiene 1 fila, la última en la línea 1, y debe tener 14"},
        {people, WithLine(people, 8, std::string(1100, '5')), MatchFileError::kLineTooLong,
         "La línea 8 del archivo «f.txt» es demasiado larga"},
        {people, WithLine(people, 8, std::string(200, '5')), MatchFileError::kWordTooLong,
         "La línea 8 del archivo «f.txt» tiene una palabra demasiado larga"},
    };
    for (const auto& c : cases) {
        const MatchFileRead read = Read(c.kind, c.text);
        EXPECT_EQ(read.error, c.error) << c.message;
        EXPECT_TRUE(MatchFileMessage(c.kind, "f.txt", read).starts_with(c.message))
            << MatchFileMessage(c.kind, "f.txt", read);
    }
    // 101,5 is within the margin.
    EXPECT_TRUE(Read(people, WithLine(people, 11, "50 30 21,5")).Ok());
}

// Endless blank lines end after kMostLines lines.
TEST(ValueMessagesTest, EndlessTextIsRefused) {
    EndlessText endless("", '\n');
    std::istream in(&endless);
    const MatchFileRead read = ReadPublicStrictly(in);
    EXPECT_EQ(read.error, MatchFileError::kTooManyLines);
    EXPECT_EQ(read.line, 100'001);
}

TEST(ValueMessagesTest, AMissingFileIsUnreadable) {
    const MatchFileRead read = ReadOddsStrictly(std::filesystem::path("/no/such/cuotas.txt"));
    EXPECT_EQ(read.error, MatchFileError::kUnreadable);
    EXPECT_TRUE(MatchFileMessage(MatchFileKind::kOdds, "cuotas.txt", read)
                    .starts_with("No se ha podido leer el archivo «cuotas.txt»: "));
}

}  // namespace
