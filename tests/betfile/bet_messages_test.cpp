#include "betfile/bet_messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

using namespace lumo;

namespace {

using testing::HasSubstr;

TEST(BetReadMessageTest, CompleteReadsNeedNoMessage) {
    EXPECT_EQ(BetReadMessage("a.txt", {.end = BetReadEnd::kComplete, .announced = 3, .added = 3}),
              "");
}

TEST(BetReadMessageTest, SaysWhatHappenedAndHowManyColumnsWereAdded) {
    const struct {
        BetReadResult result;
        const char* says;
        const char* added;
    } cases[] = {
        {{.end = BetReadEnd::kCountMissing},
         "no empieza por el número de columnas",
         "No se ha añadido ninguna columna."},
        {{.end = BetReadEnd::kCountOutOfRange},
         "fuera de rango",
         "No se ha añadido ninguna columna."},
        {{.end = BetReadEnd::kCountNegative, .announced = -4},
         "número negativo de columnas (-4)",
         "No se ha añadido ninguna columna."},
        {{.end = BetReadEnd::kTruncated, .announced = 5, .added = 3},
         "anuncia 5 columnas pero termina",
         "Se han añadido 3 columnas."},
        {{.end = BetReadEnd::kTruncated, .announced = 1},
         "anuncia 1 columna pero termina",
         "No se ha añadido ninguna columna."},
        {{.end = BetReadEnd::kUnreadable, .systemError = ENOENT},
         "No se ha podido leer el archivo «a.txt»: el archivo no existe.",
         "No se ha añadido ninguna columna."},
        {{.end = BetReadEnd::kUnreadable, .added = 1, .systemError = EIO},
         "error de lectura",
         "Se ha añadido 1 columna."},
        {{.end = BetReadEnd::kUnreadable}, "No se ha podido leer el archivo «a.txt».", ""},
        {{.end = BetReadEnd::kOutOfMemory, .announced = 9, .added = 1234567},
         "No hay memoria suficiente para todas las columnas del archivo «a.txt».",
         "Se han añadido 1234567 columnas."},
    };
    for (const auto& c : cases) {
        const std::string message = BetReadMessage("a.txt", c.result);
        EXPECT_THAT(message, HasSubstr("«a.txt»"));
        EXPECT_THAT(message, HasSubstr(c.says));
        EXPECT_THAT(message, HasSubstr(c.added));
    }
}

TEST(BetSaveMessageTest, SaysWhyAndThatTheOldFileIsUnchanged) {
    EXPECT_EQ(BetSaveMessage("a.txt", {}), "");
    EXPECT_EQ(
        BetSaveMessage("a.txt", {.failure = SaveFailure::kWriteFailed, .systemError = ENOSPC}),
        "No se ha podido grabar la apuesta en «a.txt»: no queda espacio en el disco. Si el archivo "
        "ya existía, no ha cambiado.");
    const struct {
        SaveResult result;
        const char* says;
    } cases[] = {
        {{.failure = SaveFailure::kIsFolder, .systemError = EISDIR}, "es una carpeta"},
        {{.failure = SaveFailure::kNotRegularFile}, "no es un archivo normal"},
        {{.failure = SaveFailure::kCannotCreate, .systemError = ENOENT}, "la carpeta no existe"},
        {{.failure = SaveFailure::kCannotCreate, .systemError = EACCES},
         "no hay permiso para escribir en esa carpeta"},
        {{.failure = SaveFailure::kNotWritable, .systemError = EACCES},
         "no hay permiso para escribir en ese archivo. Si el archivo ya existía, no ha cambiado."},
        {{.failure = SaveFailure::kNotRegularFile, .systemError = ENXIO},
         "no es un archivo normal"},
        {{.failure = SaveFailure::kWriteInPlaceFailed, .systemError = EFBIG},
         "demasiado grande. El archivo ha quedado incompleto y no se leerá como una apuesta "
         "completa."},
        {{.failure = SaveFailure::kWriteFailed, .systemError = EFBIG}, "demasiado grande"},
        {{.failure = SaveFailure::kWriteFailed, .systemError = ENOMEM},
         "no hay memoria suficiente"},
        {{.failure = SaveFailure::kCannotReplace, .systemError = EXDEV},
         "está en otro sistema de archivos"},
        {{.failure = SaveFailure::kCannotCreate, .systemError = ELOOP},
         "demasiados enlaces simbólicos"},
        {{.failure = SaveFailure::kUnsafeLink, .systemError = EACCES},
         "enlace simbólico de otro usuario en una carpeta compartida, y no se sigue. Si el archivo "
         "ya existía, no ha cambiado."},
        {{.failure = SaveFailure::kUnsafeSpecialFile, .systemError = EACCES},
         "es una tubería, un dispositivo o un socket de otro usuario en una carpeta compartida, y "
         "no se escribe"},
        {{.failure = SaveFailure::kBeingSaved, .systemError = EWOULDBLOCK},
         "grabar la apuesta en «a.txt»: otro programa está grabando «a.txt». Si el archivo ya "
         "existía, no ha cambiado."},
        {{.failure = SaveFailure::kUnsafeOtherUsersFile, .systemError = EACCES},
         "es un archivo de otro usuario en una carpeta compartida, y no se escribe"},
        {{.failure = SaveFailure::kUnsafeHardLink, .systemError = EACCES},
         "más de un nombre (enlace duro) en una carpeta compartida, y no se escribe. Si el archivo "
         "ya existía, no ha cambiado."},
        {{.failure = SaveFailure::kWriteFailed, .systemError = 4095}, "error del sistema 4095."},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(BetSaveMessage("a.txt", c.result), HasSubstr(c.says));
    }
}

// Every strict-reading error names the file and, where there is one, the
// line and what it holds.
TEST(BetFileReadMessageTest, NamesTheFileTheLineAndWhatItHolds) {
    EXPECT_EQ(BetFileReadMessage("a.txt", {}), "");
    const auto read = [](BetFileError error, std::int64_t line, std::string text = {}) {
        BetFileRead result;
        result.error = error;
        result.line = line;
        result.text = std::move(text);
        result.announced = 5;
        result.columns = 3;
        return result;
    };
    BetFileRead unreadable = read(BetFileError::kUnreadable, 0);
    unreadable.systemError = ENOENT;
    BetFileRead failed = read(BetFileError::kReadFailed, 9);
    failed.systemError = EIO;
    const struct {
        BetFileRead read;
        const char* message;
    } cases[] = {
        {unreadable, "No se ha podido leer el archivo «a.txt»: el archivo no existe."},
        {failed,
         "No se ha podido leer la línea 9 del archivo «a.txt»: error de lectura en el disco."},
        {read(BetFileError::kCountMissing, 1, ""),
         "La línea 1 del archivo «a.txt» debería tener el número de columnas, y está vacía."},
        {read(BetFileError::kCountMissing, 1, "-1"),
         "La línea 1 del archivo «a.txt» debería tener el número de columnas, y tiene «-1»."},
        {read(BetFileError::kColumnForCount, 1, "1X21X21X21X21X"),
         "La línea 1 del archivo «a.txt» es una columna: falta la línea con el número de "
         "columnas."},
        {read(BetFileError::kInterruptedSave, 1, "###"),
         "El archivo «a.txt» quedó a medias en una grabación interrumpida: la línea 1 no llegó a "
         "recibir el número de columnas. No es una apuesta completa."},
        {read(BetFileError::kCountOutOfRange, 1, "99999999999"),
         "El número de columnas de la línea 1 del archivo «a.txt» («99999999999») está fuera de "
         "rango."},
        {read(BetFileError::kNotAColumn, 7, "11X2\t\x01"),
         "La línea 7 del archivo «a.txt» debería ser una columna de 14 signos 1, X o 2, y tiene "
         "«11X2 ?»."},
        {read(BetFileError::kTooFewColumns, 4),
         "El archivo «a.txt» anuncia 5 columnas en la línea 1, pero termina en la línea 4, tras 3 "
         "columnas."},
        {read(BetFileError::kTooManyLines, 7, "3"),
         "El archivo «a.txt» anuncia 5 columnas en la línea 1, pero sigue después de la última: la "
         "línea 7 tiene «3»."},
        {read(BetFileError::kTooManyLines, 7, ""),
         "El archivo «a.txt» anuncia 5 columnas en la línea 1, pero sigue después de la última: la "
         "línea 7 está vacía."},
        {read(BetFileError::kOutOfMemory, 0),
         "No hay memoria suficiente para todas las columnas del archivo «a.txt»."},
        {read(BetFileError::kBeingSaved, 0),
         "Otro programa está grabando «a.txt»; vuelva a abrirla cuando termine."},
        {read(BetFileError::kChangedWhileRead, 0),
         "La apuesta «a.txt» cambió mientras se leía; vuelva a abrirla cuando no se esté "
         "grabando."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BetFileReadMessage("a.txt", c.read), c.message);
    }
}

}  // namespace
