#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

// Helpers shared by the window tests.

// The control of a dialog with the decimal identifier `id`, or nullptr.
template <typename Control = QWidget>
Control* ControlOf(const QWidget& dialog, int id) {
    return dialog.findChild<Control*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

// Makes an empty temporary folder the working directory for its lifetime, so
// that a dialog finds no forecast files; the previous one returns afterwards.
class ScopedEmptyWorkingDirectory {
  public:
    ScopedEmptyWorkingDirectory() : previous(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
    }
    ~ScopedEmptyWorkingDirectory() { QDir::setCurrent(previous); }

    QString Path() const { return folder.path(); }

  private:
    QTemporaryDir folder;
    QString previous;
};
