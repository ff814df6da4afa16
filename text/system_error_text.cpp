#include "text/system_error_text.h"

#include <cerrno>
#include <string_view>

namespace lumo {

namespace {

struct ErrorText {
    int error;
    std::string_view text;
};

constexpr ErrorText kTexts[] = {
    {EPERM, "la operación no está permitida"},
    {ENOENT, "no existe"},
    {EINTR, "la operación se ha interrumpido"},
    {EIO, "error de entrada o salida en el disco"},
    {ENXIO, "el dispositivo no está disponible o nadie lee de él"},
    {EBADF, "el archivo no está abierto como hace falta"},
    {EAGAIN, "el recurso no está disponible por ahora"},
    {ENOMEM, "no hay memoria suficiente"},
    {EACCES, "no hay permiso"},
    {EBUSY, "el archivo o el dispositivo está ocupado"},
    {EEXIST, "ya existe un archivo con ese nombre"},
    {EXDEV, "el archivo está en otro sistema de archivos o montado aparte"},
    {ENODEV, "el dispositivo no existe"},
    {ENOTDIR, "una parte de la ruta no es una carpeta"},
    {EISDIR, "es una carpeta"},
    {EINVAL, "el sistema no admite esa operación con ese archivo"},
    {ENFILE, "el sistema tiene demasiados archivos abiertos"},
    {EMFILE, "el programa tiene demasiados archivos abiertos"},
    {ETXTBSY, "el archivo es un programa en ejecución"},
    {EFBIG, "el archivo sería demasiado grande"},
    {ENOSPC, "no queda espacio en el disco"},
    {EROFS, "el disco es de solo lectura"},
    {EMLINK, "el archivo tiene demasiados enlaces"},
    {EPIPE, "quien leía ha dejado de leer"},
    {ENAMETOOLONG, "el nombre es demasiado largo"},
    {ENOLCK, "no quedan bloqueos de archivo en el sistema"},
    {ENOSYS, "el sistema no ofrece esa operación"},
    {ENOTEMPTY, "la carpeta no está vacía"},
    {ELOOP, "hay demasiados enlaces simbólicos seguidos, o forman un ciclo"},
    {ENODATA, "falta un atributo del archivo"},
    {EOVERFLOW, "el archivo es demasiado grande para este programa"},
    {EOPNOTSUPP, "el sistema de archivos no admite esa operación"},
    {ENOTCONN, "el sistema de archivos remoto no está conectado"},
    {ECONNRESET, "se ha perdido la conexión con el servidor de archivos"},
    {ENETDOWN, "la red no está disponible"},
    {ENETUNREACH, "la red no está disponible"},
    {EHOSTUNREACH, "el servidor de archivos no está al alcance"},
    {ETIMEDOUT, "el servidor de archivos no responde"},
    {ESTALE, "el archivo ya no existe en el servidor"},
    {EDQUOT, "se ha agotado la cuota de disco"},
    {ENOMEDIUM, "no hay ningún disco en la unidad"},
    {ENOKEY, "la carpeta está cifrada y su clave no está disponible"},
    {EUCLEAN, "el sistema de archivos está dañado"},
    {ERANGE, "un atributo del archivo es demasiado grande"},
    {EDEADLK, "el archivo está bloqueado"},
    {EAGAIN, "la tubería aún no tenía nada que leer"},
};

}  // namespace

std::string SystemErrorText(int error) {
    for (const auto& [number, text] : kTexts) {
        if (number == error) {
            return std::string(text);
        }
    }
    return "error del sistema " + std::to_string(error);
}

std::string ReadFailureReason(int error) {
    switch (error) {
        case ENOENT:
            return "el archivo no existe";
        case EACCES:
        case EPERM:
            return "no hay permiso para leerlo";
        case EIO:
            return "error de lectura en el disco";
        default:
            return SystemErrorText(error);
    }
}

}  // namespace lumo
