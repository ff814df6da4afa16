#include <QApplication>

#include "platform/qt_translations.h"
#include "reducir/reducir_window.h"

using namespace lumo;

// lumo-reducir [apuesta.txt]: the window, with the bet given opened.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumo-reducir"));
    // The name its message boxes are captioned with.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Lumo Reducir"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lumoquiniela.LumoReducir"));
    InstallQtSpanishTranslations(app);
    ReducirWindow window;
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.OpenBetFile(arguments.at(1));
    }
    return QApplication::exec();
}
