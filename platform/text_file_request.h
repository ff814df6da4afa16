#pragma once

#include <QString>

#include "platform/file_dialog.h"

// The request of the programs' text file dialogs: `proposedName` proposed (a
// path puts the dialog in its folder), text files first, then all files
// ("All Files (*.*)"). Whether saving over an existing file asks first is
// the program's own policy.
FileDialogRequest TextFileRequest(FileDialogMode mode, const QString& proposedName,
                                  OverwriteQuestion overwrite);
