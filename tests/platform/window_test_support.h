#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include "platform/dialog_builder.h"

class QListWidget;
class QTreeWidget;

// Helpers shared by the window tests.

// The texts of a list's rows, top to bottom.
QStringList RowTexts(const QListWidget& list);
// The texts of one column of a list view's rows, top to bottom.
QStringList RowTexts(const QTreeWidget& list, int column);

// Makes an empty temporary folder the working directory for its lifetime, so
// that a dialog finds no forecast files; the previous one returns afterwards.
class ScopedEmptyWorkingDirectory {
  public:
    ScopedEmptyWorkingDirectory();
    ~ScopedEmptyWorkingDirectory();
    ScopedEmptyWorkingDirectory(const ScopedEmptyWorkingDirectory&) = delete;
    ScopedEmptyWorkingDirectory& operator=(const ScopedEmptyWorkingDirectory&) = delete;

  private:
    QTemporaryDir folder;
    QString previous;
};
