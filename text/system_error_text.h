#pragma once

#include <string>

namespace lumo {

// The Spanish text of a system error number, for the messages about files:
// lower case, no full stop, as it follows a colon ("no queda espacio en el
// disco"). Every error that reading or saving a file can meet has its own
// text; any other number reads "error del sistema N". No text of the
// system's own (strerror, which is English under most locales) is used.
std::string SystemErrorText(int error);

// Why a file could not be opened or read: "el archivo no existe", "no hay
// permiso para leerlo", "error de lectura en el disco", else SystemErrorText.
std::string ReadFailureReason(int error);

}  // namespace lumo
