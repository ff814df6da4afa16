#include "platform/text_file_request.h"

FileDialogRequest TextFileRequest(FileDialogMode mode, const QString& proposedName,
                                  OverwriteQuestion overwrite) {
    return {mode,
            proposedName,
            {QStringLiteral("Archivo de texto (*.txt)"), QStringLiteral("All Files (*.*)")},
            overwrite};
}
