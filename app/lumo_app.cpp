#include "app/lumo_app.h"

#include "app/lumo_dlg.h"
#include "platform/icon_resources.h"

CLumoApp::CLumoApp(int& argc, char** argv) : QApplication(argc, argv) {
    RegisterImageResources();
}

int CLumoApp::InitInstance() {
    {
        CLumoDlg dialog;
        dialog.exec();  // the result is not examined
    }
    return 0;
}
