#pragma once

#include <QString>

// Which result codes of an address opening a data table holds.
enum class OpenErrorRows {
    kEveryCode,
    kFailuresOnly,  // leaves out the codes above 32, which mean success
};

// Adds the Qt Test columns "code" (int) and "text" (QString) and a row per
// result code, named by the code: the text the code reports, after `prefix`.
void AddOpenErrorRows(const QString& prefix, OpenErrorRows rows);
