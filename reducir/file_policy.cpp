#include "reducir/file_policy.h"

#include "platform/qt_text.h"

FileDialogRequest ReducirFileRequest(FileDialogMode mode, const QString& proposed) {
    return {mode,
            proposed,
            {QStringLiteral("Archivo de texto (*.txt)"), QStringLiteral("Todos los archivos (*)")},
            OverwriteQuestion::kAsk};
}

QString BesideFile(const std::filesystem::path& file, const char* name) {
    if (file.empty()) {
        return QString::fromUtf8(name);
    }
    return FromUtf8((file.parent_path() / name).string());
}
