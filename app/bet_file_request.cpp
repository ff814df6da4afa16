#include "app/bet_file_request.h"

FileDialogRequest BetFileRequest(FileDialogMode mode) {
    return {mode,
            QStringLiteral("apuesta.txt"),
            {QStringLiteral("Archivo de texto (*.txt)"), QStringLiteral("All Files (*.*)")}};
}
