#pragma once

#include <QString>
#include <filesystem>

#include "platform/file_dialog.h"

// The file dialogs of Lumo Reducir: `proposed` proposed, text files first,
// then every file, in Spanish; saving over an existing file asks first.
FileDialogRequest ReducirFileRequest(FileDialogMode mode, const QString& proposed);

// `name` in the folder of `file` (a bet's), so that the dialog starts there;
// `name` alone when there is no such file.
QString BesideFile(const std::filesystem::path& file, const char* name);
