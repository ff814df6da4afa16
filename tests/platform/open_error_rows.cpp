#include "open_error_rows.h"

#include <QtTest>

namespace {

struct OpenError {
    int code;
    const char* text;
};

// The codes with a text of their own, then unknown ones.
const OpenError kOpenErrors[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
     "processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
    {1, "Unknown Error (1) occurred."},
    {-5, "Unknown Error (-5) occurred."},
    {33, "Unknown Error (33) occurred."},
};

}  // namespace

void AddOpenErrorRows(const QString& prefix, OpenErrorRows rows) {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    for (const OpenError& error : kOpenErrors) {
        if (rows == OpenErrorRows::kFailuresOnly && error.code > 32) {
            continue;
        }
        QTest::addRow("%d", error.code) << error.code << prefix + QString::fromUtf8(error.text);
    }
}
