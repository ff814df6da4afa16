#include "reducir/recent_bets.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recientes");

// Lumo Reducir's own settings, whichever program reads them.
QSettings Settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("lumo"),
                     QStringLiteral("lumo-reducir"));
}

QString Absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

QStringList RecentBets::Paths() {
    QStringList paths = Settings().value(kKey).toStringList();
    paths.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
    return paths;
}

void RecentBets::Add(const QString& path) {
    const QString absolute = Absolute(path);
    QStringList paths = Settings().value(kKey).toStringList();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    while (paths.size() > kMost) {
        paths.removeLast();
    }
    Settings().setValue(kKey, paths);
}

QString RecentBets::ShownName(const QString& path) {
    const QFileInfo bet(Absolute(path));
    for (const QString& other : Paths()) {
        const QFileInfo info(other);
        if (info.fileName() == bet.fileName() && info.absolutePath() != bet.absolutePath()) {
            return QStringLiteral("%1 (%2)").arg(bet.fileName(),
                                                 QDir::toNativeSeparators(bet.absolutePath()));
        }
    }
    return bet.fileName();
}
