#include "reducir_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include "file_contents.h"

ReducirFixture::ReducirFixture() {
    // The recent bets are kept in the test's own folder, empty at first.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("ajustes"));
    window = std::make_unique<ReducirWindow>();
    window->show();
}

QString ReducirFixture::Path(const QString& name) const {
    return folder.filePath(name);
}

QString ReducirFixture::WriteBet(const QString& name, const QStringList& columns) const {
    QByteArray text = QByteArray::number(columns.size()) + "\r\n";
    for (const QString& column : columns) {
        text += column.toLatin1() + "\r\n";
    }
    WriteFile(Path(name), text);
    return Path(name);
}

QString ReducirFixture::WriteProductBet(const QString& name, const QStringList& choices) const {
    return WriteBet(name, ProductColumns(choices));
}

QString ReducirFixture::Text(const QString& labelName) const {
    return Child<QLabel>(labelName)->text();
}

void ReducirFixture::Click(const QString& buttonName) const {
    QTest::mouseClick(Child<QAbstractButton>(buttonName), Qt::LeftButton);
}

QStringList ProductColumns(const QStringList& choices) {
    QStringList columns{QString()};
    for (const QString& signs : choices) {
        QStringList longer;
        for (const QString& start : columns) {
            for (const QChar sign : signs) {
                longer << start + sign;
            }
        }
        columns = longer;
    }
    return columns;
}
