#include "file_contents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

void WriteFile(const QString& path, const QByteArray& contents,
               QFileDevice::Permissions permissions) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
