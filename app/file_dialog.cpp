#include "app/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>

namespace {

// The pattern that stands for every file in a filter's text.
const QString kEveryFilePattern = QStringLiteral("(*.*)");

FileDialogAnswerer& InstalledAnswerer() {
    static FileDialogAnswerer answerer;
    return answerer;
}

}  // namespace

FileDialogRequest BetFileRequest(FileDialogMode mode) {
    return {mode,
            QStringLiteral("apuesta.txt"),
            {QStringLiteral("Archivo de texto (*.txt)"), QStringLiteral("All Files (*.*)")}};
}

QString AskFileName(QWidget* parent, const FileDialogRequest& request) {
    if (const FileDialogAnswerer& answerer = InstalledAnswerer()) {
        return answerer(request);
    }
    const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

void SetFileDialogAnswerer(FileDialogAnswerer answerer) {
    InstalledAnswerer() = std::move(answerer);
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setDirectory(QDir::current());
    const bool save = request.mode == FileDialogMode::kSave;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Saving replaces an existing file without asking; opening takes any
    // name, existing or not.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, save);
    dialog->setDefaultSuffix(QString());
    dialog->setNameFilters(request.filters);
    if (!request.filters.isEmpty()) {
        dialog->selectNameFilter(request.filters.front());
    }
    // "*.*" means every file where such filters come from; here it would hide
    // the names without a dot, so that filter lists every file.
    QFileDialog* const shown = dialog.get();
    QObject::connect(shown, &QFileDialog::filterSelected, shown, [shown](const QString& filter) {
        if (filter.endsWith(kEveryFilePattern)) {
            if (auto* model = shown->findChild<QFileSystemModel*>()) {
                model->setNameFilters({QStringLiteral("*")});
            }
        }
    });
    dialog->selectFile(request.proposedName);
    return dialog;
}
