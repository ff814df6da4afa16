#pragma once

#include "platform/file_dialog.h"

// The request of the bet file commands: "apuesta.txt" proposed, text files
// first, then all files.
FileDialogRequest BetFileRequest(FileDialogMode mode);
