#pragma once

#include <QtGlobal>
#include <cstdint>

class QLineEdit;

// Reads an edit box's text as ReadNumber does (core/read_number.h): leading
// blanks, an optional sign, the decimal digits up to the first other
// character; no digits read as 0. Only the first `maxLength` characters are
// looked at; characters outside Latin-1 read as a non-digit.
std::int32_t ReadEditNumber(const QLineEdit& edit, qsizetype maxLength);

// The same over the whole text.
std::int32_t ReadEditNumber(const QLineEdit& edit);
