#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "app/control_ids.h"
#include "app/lumo_dlg.h"
#include "command_probe.h"
#include "window_test_support.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QTreeWidget;

// How a test wants the main dialog on the screen.
enum class DialogDisplay { kHidden, kExposed, kActive };

// The base of the tests that drive a main dialog through its controls: the
// dialog opened in an empty working directory, a CommandProbe on it, and
// helpers that reach its controls by identifier.
class DialogTestCase : public QObject {
    Q_OBJECT

  protected:
    // Opens a fresh dialog (and its probe) on fresh program-wide tables in a
    // fresh empty working directory, or in the one the test made already to
    // write its files into.
    void OpenDialog(DialogDisplay display = DialogDisplay::kHidden);
    void CloseDialog();

    // Clicks the button `id`, which the user sees.
    void Click(int id);
    // Clicks the button `id` of a hidden tool, which stays hidden.
    void ClickHidden(int id);
    void Type(int id, const QString& text);

    QLineEdit* Edit(int id) const;
    QLabel* Label(int id) const;
    QTreeWidget* List() const;
    QProgressBar* Bar() const;

    // Replaces the bet by these columns and refreshes; the probe starts anew.
    void SetColumns(const std::vector<lumo::CColumn>& columns);
    // The same with the columns of these indices, scored from the forecast.
    void SetBet(const std::vector<int>& indices);

    std::unique_ptr<ScopedEmptyWorkingDirectory> workingDirectory;
    // The tables the dialog is handed; a test may change them while it runs.
    ProgramTables tables;
    std::unique_ptr<CLumoDlg> dialog;
    std::unique_ptr<CommandProbe> probe;
};
