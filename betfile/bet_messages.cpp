#include "betfile/bet_messages.h"

#include <cerrno>

#include "text/shown_text.h"
#include "text/spanish_numbers.h"
#include "text/system_error_text.h"

namespace lumo {

namespace {

std::string Columns(std::int32_t n) {
    return std::to_string(n) + (n == 1 ? " columna" : " columnas");
}

std::string AddedSentence(std::int32_t added) {
    if (added == 0) {
        return "No se ha añadido ninguna columna.";
    }
    if (added == 1) {
        return "Se ha añadido 1 columna.";
    }
    return "Se han añadido " + Columns(added) + ".";
}

// A save holding the file's lock, or a writer that took none: either
// reader says the same.
std::string BeingSavedText(std::string_view fileName) {
    return "Otro programa está grabando " + Quoted(fileName) + "; vuelva a abrirla cuando termine.";
}

std::string ChangedWhileReadText(std::string_view fileName) {
    return "La apuesta " + Quoted(fileName) +
           " cambió mientras se leía; vuelva a abrirla cuando no se esté grabando.";
}

// What a line holds, to follow "y" or "la línea N".
std::string Holds(std::string_view text) {
    return text.empty() ? "está vacía" : "tiene «" + ShownText(text) + "»";
}

std::string LineOf(std::int64_t line, std::string_view fileName) {
    return "línea " + GroupedNumber(line) + " del archivo " + Quoted(fileName);
}

std::string SaveReason(std::string_view fileName, const SaveResult& result) {
    switch (result.failure) {
        case SaveFailure::kBeingSaved:
            return "otro programa está grabando " + Quoted(fileName);
        case SaveFailure::kIsFolder:
            return "es una carpeta";
        case SaveFailure::kNotRegularFile:
            return "no es un archivo normal";
        case SaveFailure::kUnsafeLink:
            return "es un enlace simbólico de otro usuario en una carpeta compartida, y no se "
                   "sigue";
        case SaveFailure::kUnsafeHardLink:
            return "es un archivo con más de un nombre (enlace duro) en una carpeta compartida, y "
                   "no se escribe";
        case SaveFailure::kUnsafeSpecialFile:
            return "es una tubería, un dispositivo o un socket de otro usuario en una carpeta "
                   "compartida, y no se escribe";
        case SaveFailure::kUnsafeOtherUsersFile:
            return "es un archivo de otro usuario en una carpeta compartida, y no se escribe";
        default:
            break;
    }
    const bool existingFile = result.failure == SaveFailure::kNotWritable ||
                              result.failure == SaveFailure::kWriteInPlaceFailed;
    switch (result.systemError) {
        case ENOENT:
            return "la carpeta no existe";
        case EACCES:
        case EPERM:
            return existingFile ? "no hay permiso para escribir en ese archivo"
                                : "no hay permiso para escribir en esa carpeta";
        case EIO:
            return "error de escritura en el disco";
        default:
            return SystemErrorText(result.systemError);
    }
}

// What a save whose folder could not be flushed risks, after the name;
// `pronoun` stands for what was saved ("la" apuesta, "lo", the file).
std::string UnsyncedFolderText(std::string_view pronoun, const SaveResult& result) {
    return ", pero no se ha podido asegurar en el disco la carpeta que " + std::string(pronoun) +
           " guarda: " + SystemErrorText(result.folderSyncError) +
           ". Si el equipo se apagara de golpe, podría volver el archivo anterior.";
}

}  // namespace

std::string BetReadProblem(std::string_view fileName, const BetReadResult& result) {
    const std::string file = "el archivo " + Quoted(fileName);
    switch (result.end) {
        case BetReadEnd::kComplete:
            return {};
        case BetReadEnd::kCountMissing:
            return "El archivo " + Quoted(fileName) + " no empieza por el número de columnas.";
        case BetReadEnd::kCountOutOfRange:
            return "El número de columnas que anuncia " + file + " está fuera de rango.";
        case BetReadEnd::kCountNegative:
            return "El archivo " + Quoted(fileName) + " anuncia un número negativo de columnas (" +
                   std::to_string(result.announced) + ").";
        case BetReadEnd::kTruncated:
            return "El archivo " + Quoted(fileName) + " anuncia " + Columns(result.announced) +
                   " pero termina antes de completarlas.";
        case BetReadEnd::kUnreadable:
            return "No se ha podido leer " + file +
                   (result.systemError != 0 ? ": " + ReadFailureReason(result.systemError)
                                            : std::string()) +
                   ".";
        case BetReadEnd::kOutOfMemory:
            return "No hay memoria suficiente para todas las columnas del archivo " +
                   Quoted(fileName) + ".";
        case BetReadEnd::kBeingSaved:
            return BeingSavedText(fileName);
        case BetReadEnd::kChangedWhileRead:
            return ChangedWhileReadText(fileName);
    }
    return {};
}

std::string BetReadMessage(std::string_view fileName, const BetReadResult& result) {
    if (result.end == BetReadEnd::kComplete) {
        return {};
    }
    return BetReadProblem(fileName, result) + " " + AddedSentence(result.added);
}

std::string BetSaveMessage(std::string_view fileName, const SaveResult& result) {
    if (result.Saved()) {
        return {};
    }
    const char* const aftermath = result.failure == SaveFailure::kWriteInPlaceFailed
                                      ? ". El archivo ha quedado incompleto y no se leerá "
                                        "como una apuesta completa."
                                      : ". Si el archivo ya existía, no ha cambiado.";
    return "No se ha podido grabar la apuesta en " + Quoted(fileName) + ": " +
           SaveReason(fileName, result) + aftermath;
}

std::string BetFolderSyncMessage(std::string_view fileName, const SaveResult& result) {
    if (!result.Saved() || result.folderSyncError == 0) {
        return {};
    }
    return "La apuesta se ha grabado en " + Quoted(fileName) + UnsyncedFolderText("la", result);
}

std::string TextSaveMessage(std::string_view fileName, const SaveResult& result) {
    if (result.Saved()) {
        return {};
    }
    const char* const aftermath = result.failure == SaveFailure::kWriteInPlaceFailed
                                      ? ". El archivo puede haber quedado incompleto."
                                      : ". Si el archivo ya existía, no ha cambiado.";
    return "No se ha podido grabar " + Quoted(fileName) + ": " + SaveReason(fileName, result) +
           aftermath;
}

std::string TextFolderSyncMessage(std::string_view fileName, const SaveResult& result) {
    if (!result.Saved() || result.folderSyncError == 0) {
        return {};
    }
    return "Se ha grabado " + Quoted(fileName) + UnsyncedFolderText("lo", result);
}

std::string BetFileReadMessage(std::string_view fileName, const BetFileRead& read) {
    const std::string file = "El archivo " + Quoted(fileName);
    const std::string line = LineOf(read.line, fileName);
    const std::string announces = file + " anuncia " + Columns(read.announced) + " en la línea 1";
    switch (read.error) {
        case BetFileError::kNone:
            return {};
        case BetFileError::kUnreadable:
            return "No se ha podido leer el archivo " + Quoted(fileName) +
                   (read.systemError != 0 ? ": " + ReadFailureReason(read.systemError)
                                          : std::string()) +
                   ".";
        case BetFileError::kReadFailed:
            return "No se ha podido leer la " + line +
                   (read.systemError != 0 ? ": " + ReadFailureReason(read.systemError)
                                          : std::string()) +
                   ".";
        case BetFileError::kCountMissing:
            return "La " + line + " debería tener el número de columnas, y " + Holds(read.text) +
                   ".";
        case BetFileError::kColumnForCount:
            return "La " + line + " es una columna: falta la línea con el número de columnas.";
        case BetFileError::kInterruptedSave:
            return file +
                   " quedó a medias en una grabación interrumpida: la línea 1 no llegó a recibir "
                   "el número de columnas. No es una apuesta completa.";
        case BetFileError::kCountOutOfRange:
            return "El número de columnas de la " + line + " («" + ShownText(read.text) +
                   "») está fuera de rango.";
        case BetFileError::kNotAColumn:
            return "La " + line + " debería ser una columna de 14 signos 1, X o 2, y " +
                   Holds(read.text) + ".";
        case BetFileError::kTooFewColumns:
            return announces + ", pero termina en la línea " + GroupedNumber(read.line) +
                   ", tras " + Columns(read.columns) + ".";
        case BetFileError::kTooManyLines:
            return announces + ", pero sigue después de la última: la línea " +
                   GroupedNumber(read.line) + " " + Holds(read.text) + ".";
        case BetFileError::kOutOfMemory:
            return "No hay memoria suficiente para todas las columnas del archivo " +
                   Quoted(fileName) + ".";
        case BetFileError::kBeingSaved:
            return BeingSavedText(fileName);
        case BetFileError::kChangedWhileRead:
            return ChangedWhileReadText(fileName);
    }
    return {};
}

}  // namespace lumo
