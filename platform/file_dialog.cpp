#include "platform/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <memory>
#include <utility>

namespace {

// The pattern that stands for every file in a filter's text.
const QString kEveryFilePattern = QStringLiteral("(*.*)");
// The extension that pattern would give a typed name.
const QString kStarSuffix = QStringLiteral(".*");

FileDialogAnswerer& InstalledAnswerer() {
    static FileDialogAnswerer answerer;
    return answerer;
}

// Qt reads the pattern "*.*" literally: it would hide the names without a
// dot and, in a save dialog, turn the typed "apuesta.txt" into "apuesta.*".
// Here that filter means every file, as it does where such filters come
// from: it lists every file and leaves the typed name as it was.
void TreatStarDotStarAsEveryFile(QFileDialog& dialog) {
    auto* const model = dialog.findChild<QFileSystemModel*>();
    auto* const nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    // The name field's text before its last change, and now.
    struct Names {
        QString before;
        QString now;
    };
    const auto names = std::make_shared<Names>();
    if (nameEdit != nullptr) {
        names->now = nameEdit->text();
        QObject::connect(nameEdit, &QLineEdit::textChanged, &dialog, [names](const QString& text) {
            names->before = std::exchange(names->now, text);
        });
    }
    // Runs after the dialog has applied the filter.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [model, nameEdit, names](const QString& filter) {
                         if (!filter.endsWith(kEveryFilePattern)) {
                             return;
                         }
                         if (model != nullptr) {
                             model->setNameFilters({QStringLiteral("*")});
                         }
                         if (nameEdit != nullptr && nameEdit->text().endsWith(kStarSuffix)) {
                             nameEdit->setText(names->before);
                         }
                     });
}

}  // namespace

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
    // Opening takes any name, existing or not; saving asks before replacing
    // a file only when the request says so.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite,
                      save && request.overwrite == OverwriteQuestion::kNone);
    dialog->setDefaultSuffix(QString());
    dialog->setNameFilters(request.filters);
    if (!request.filters.isEmpty()) {
        dialog->selectNameFilter(request.filters.front());
    }
    dialog->selectFile(request.proposedName);
    TreatStarDotStarAsEveryFile(*dialog);
    return dialog;
}
