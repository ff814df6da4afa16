#pragma once

#include <QString>

#include "platform/file_dialog.h"

// The request of Lumo Reducir's file dialogs: `proposedName` proposed (a
// path puts the dialog in its folder), text files first, then all files.
FileDialogRequest TextFileRequest(FileDialogMode mode, const QString& proposedName);
