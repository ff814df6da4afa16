#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

// The one way the program asks for a file name: Qt's own file dialog (the
// same on every platform), modal over its parent, starting in the working
// directory with a proposed name and a list of filters, the first one chosen.

enum class FileDialogMode {
    kSave,  // no extension is added
    kOpen,  // the named file need not exist
};

// Whether saving over an existing file asks the user first.
enum class OverwriteQuestion {
    kNone,  // the file is replaced without a question
    kAsk,
};

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::kOpen;
    QString proposedName;
    QStringList filters;  // e.g. "Archivo de texto (*.txt)"
    OverwriteQuestion overwrite = OverwriteQuestion::kNone;
};

// Shows the dialog; returns the chosen path, or an empty string when the
// user cancels.
QString AskFileName(QWidget* parent, const FileDialogRequest& request);

// Replaces every file dialog by a call of `answerer` (its result as the
// dialog's) until it is reset with an empty function. Tests answer with it.
using FileDialogAnswerer = std::function<QString(const FileDialogRequest& request)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);

// The dialog that AskFileName shows for `request`, not yet shown.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request);
