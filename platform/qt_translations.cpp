#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <memory>

bool InstallQtSpanishTranslations(QCoreApplication& app) {
    return InstallQtSpanishTranslations(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool InstallQtSpanishTranslations(QCoreApplication& app, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_es"), folder)) {
        return false;
    }
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}
