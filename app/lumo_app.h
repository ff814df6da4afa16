#pragma once

#include <QApplication>

#include "app/program_tables.h"

// The application object: owns the program-wide tables, runs the main dialog
// on them and ends the program when the dialog closes.
class CLumoApp : public QApplication {
    Q_OBJECT

  public:
    CLumoApp(int& argc, char** argv);

    // Constructs the main dialog, runs it modally and destroys it. Returns
    // the program's exit status: 0, however the dialog ended.
    int InitInstance();

  private:
    ProgramTables tables;
};
