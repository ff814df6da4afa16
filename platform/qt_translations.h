#pragma once

class QCoreApplication;
class QString;

// Qt's own Spanish texts (standard buttons, file dialogs, the list view's
// built-ins) whatever the system locale, from the catalogue qtbase_es.qm
// that Debian ships in qt6-translations-l10n.

// Installs qtbase_es.qm from Qt's translations folder on `app`, which keeps
// it for its lifetime. Returns whether the catalogue was found; when it is
// missing nothing is said and Qt's own English texts stay.
bool InstallQtSpanishTranslations(QCoreApplication& app);

// The same from `folder` instead of Qt's translations folder.
bool InstallQtSpanishTranslations(QCoreApplication& app, const QString& folder);
