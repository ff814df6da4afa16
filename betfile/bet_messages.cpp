#include "betfile/bet_messages.h"

#include <cerrno>
#include <cstring>

namespace {

std::string Quoted(std::string_view fileName) {
    return "«" + std::string(fileName) + "»";
}

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

std::string UnknownError(int error) {
    return "error del sistema " + std::to_string(error) + " (" + std::strerror(error) + ")";
}

std::string SaveReason(const BetSaveResult& result) {
    switch (result.failure) {
        case BetSaveFailure::kIsFolder:
            return "es una carpeta";
        case BetSaveFailure::kNotRegularFile:
            return "no es un archivo normal";
        default:
            break;
    }
    const bool existingFile = result.failure == BetSaveFailure::kNotWritable ||
                              result.failure == BetSaveFailure::kWriteInPlaceFailed;
    switch (result.systemError) {
        case ENOENT:
            return "la carpeta no existe";
        case ENOTDIR:
            return "una parte de la ruta no es una carpeta";
        case EACCES:
        case EPERM:
            return existingFile ? "no hay permiso para escribir en ese archivo"
                                : "no hay permiso para escribir en esa carpeta";
        case EROFS:
            return "el disco es de solo lectura";
        case ENOSPC:
            return "no queda espacio en el disco";
        case EDQUOT:
            return "se ha agotado la cuota de disco";
        case EFBIG:
            return "el archivo sería demasiado grande";
        case ENAMETOOLONG:
            return "el nombre es demasiado largo";
        case EIO:
            return "error de escritura en el disco";
        case ENOMEM:
            return "no hay memoria suficiente";
        default:
            return UnknownError(result.systemError);
    }
}

}  // namespace

std::string ReadFailureReason(int error) {
    switch (error) {
        case ENOENT:
            return "el archivo no existe";
        case EISDIR:
            return "es una carpeta";
        case ENOTDIR:
            return "una parte de la ruta no es una carpeta";
        case EACCES:
        case EPERM:
            return "no hay permiso para leerlo";
        case EIO:
            return "error de lectura en el disco";
        default:
            return UnknownError(error);
    }
}

std::string BetReadMessage(std::string_view fileName, const BetReadResult& result) {
    const std::string file = "el archivo " + Quoted(fileName);
    switch (result.end) {
        case BetReadEnd::kComplete:
            return {};
        case BetReadEnd::kCountMissing:
            return "El archivo " + Quoted(fileName) + " no empieza por el número de columnas. " +
                   AddedSentence(result.added);
        case BetReadEnd::kCountOutOfRange:
            return "El número de columnas que anuncia " + file + " está fuera de rango. " +
                   AddedSentence(result.added);
        case BetReadEnd::kCountNegative:
            return "El archivo " + Quoted(fileName) + " anuncia un número negativo de columnas (" +
                   std::to_string(result.announced) + "). " + AddedSentence(result.added);
        case BetReadEnd::kTruncated:
            return "El archivo " + Quoted(fileName) + " anuncia " + Columns(result.announced) +
                   " pero termina antes de completarlas. " + AddedSentence(result.added);
        case BetReadEnd::kUnreadable:
            return "No se ha podido leer " + file +
                   (result.systemError != 0 ? ": " + ReadFailureReason(result.systemError)
                                            : std::string()) +
                   ". " + AddedSentence(result.added);
        case BetReadEnd::kOutOfMemory:
            return "No hay memoria suficiente para todas las columnas del archivo " +
                   Quoted(fileName) + ". " + AddedSentence(result.added);
    }
    return {};
}

std::string BetSaveMessage(std::string_view fileName, const BetSaveResult& result) {
    if (result.Saved()) {
        return {};
    }
    const char* const aftermath = result.failure == BetSaveFailure::kWriteInPlaceFailed
                                      ? ". El archivo puede haber quedado incompleto."
                                      : ". Si el archivo ya existía, no ha cambiado.";
    return "No se ha podido grabar la apuesta en " + Quoted(fileName) + ": " + SaveReason(result) +
           aftermath;
}
