#include "app/lumo_app.h"

#include "app/icon_resources.h"
#include "app/lumo_dlg.h"
#include "app/qt_translations.h"

CLumoApp::CLumoApp(int& argc, char** argv) : QApplication(argc, argv) {
    RegisterImageResources();
    InstallQtSpanishTranslations(*this);
}

int CLumoApp::InitInstance() {
    {
        CLumoDlg dialog;
        dialog.exec();  // the result is not examined
    }
    return 0;
}
