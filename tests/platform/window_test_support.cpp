#include "window_test_support.h"

#include <QDir>
#include <QListWidget>
#include <QTreeWidget>

QStringList RowTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts << list.item(row)->text();
    }
    return texts;
}

QStringList RowTexts(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        texts << list.topLevelItem(row)->text(column);
    }
    return texts;
}

ScopedEmptyWorkingDirectory::ScopedEmptyWorkingDirectory() : previous(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
}

ScopedEmptyWorkingDirectory::~ScopedEmptyWorkingDirectory() {
    QDir::setCurrent(previous);
}
