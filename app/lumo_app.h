#pragma once

#include <QApplication>

// The application object: runs the main dialog and ends the program when the
// dialog closes.
class CLumoApp : public QApplication {
    Q_OBJECT

  public:
    CLumoApp(int& argc, char** argv);

    // Constructs the main dialog, runs it modally and destroys it. Returns
    // the program's exit status: 0, however the dialog ended.
    int InitInstance();
};
