#include "reducir/text_file_request.h"

FileDialogRequest TextFileRequest(FileDialogMode mode, const QString& proposedName) {
    return {mode,
            proposedName,
            {QStringLiteral("Archivo de texto (*.txt)"), QStringLiteral("All Files (*.*)")}};
}
