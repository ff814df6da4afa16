#include "app/lumo_app.h"

#include <clocale>

#include "app/lumo_dlg.h"
#include "platform/icon_resources.h"
#include "platform/qt_translations.h"

using namespace lumo;

CLumoApp::CLumoApp(int& argc, char** argv) : QApplication(argc, argv) {
    // QApplication took the whole locale from the environment; numbers are
    // written and read with a decimal point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    RegisterImageResources();
    InstallQtSpanishTranslations(*this);
}

int CLumoApp::InitInstance() {
    {
        CLumoDlg dialog(tables);
        dialog.exec();  // the result is not examined
    }
    return 0;
}
