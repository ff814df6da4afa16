#pragma once

#include <string>

// The Spanish text of a system error number, for the messages about files:
// lower case, no full stop, as it follows a colon ("no queda espacio en el
// disco"). Every error that reading or saving a file can meet has its own
// text; any other number reads "error del sistema N". No text of the
// system's own (strerror, which is English under most locales) is used.
std::string SystemErrorText(int error);
