#pragma once

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <functional>
#include <memory>

#include "app/program_tables.h"
#include "core/column_set.h"
#include "core/forecast_table.h"
#include "core/memory_outcome.h"

class CHyperLink;
class CWindowMenu;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The main dialog "Brelm": the whole user interface. It owns the bet and the
// universe, builds its controls from the main layout (dialog_template.h) and
// raises one command handler per button. Construction also runs the
// initialisation: the controls exist, the forecast files of the working
// directory are read and the list is refreshed when the constructor returns.
// Esc, the close box and the window menu's "Cerrar" reject the dialog. The
// program-wide tables are the caller's and outlive the dialog.
class CLumoDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CLumoDlg(ProgramTables& tables);
    ~CLumoDlg() override;

    lumo::CColumnSet& Bet() { return *bet; }
    // The universe, or nullptr while none exists.
    lumo::CColumnSet* Universe() { return universe.get(); }

    // Rebuilds the column list (at most 500 rows, in bet order), the count
    // text, the hidden mirror fields and the bet shares, and puts the
    // progress bar back to 0.
    void RefreshColumnList();

    // Fill list box 1002 with the Forecast table, 1007 with the Expectation
    // table, and 1006 with the shares of the bet's listed columns.
    void ShowForecast(const lumo::CForecastTable& table);
    void ShowExpectation(const lumo::CForecastTable& table);
    void ShowBetShares();

    // A system command of the window menu: 16..31 open the About box,
    // kCloseCommand closes the dialog, anything else is ignored.
    void OnSysCommand(unsigned command);

    // List view events: a click on header 0, 1 or 2 sorts the rows by it,
    // descending, without touching the bet; a double-click on a row shows the
    // expectation of the row's own column (nothing for no row).
    void OnHeaderClick(int header);
    void OnListDoubleClick(const QTreeWidgetItem* row);

    // Bet file commands (bet_commands.cpp).
    void OnOpenBet();
    void OnSaveBet();
    void OnCopyBet();

    // Step commands (step_commands.cpp). OnReduce takes the distance 0..8.
    void OnGenerateAll();
    void OnCutBelow();
    void OnCutAbove();
    void OnRemoveZeroPercent();
    void OnCondition();
    void OnSortByScore();
    void OnReduce(int distance);
    void OnMagicReduction();

    // Hidden tools (aux_tools.cpp). OnGreedyStep takes the distance 1..6.
    void OnRandomColumns();
    void OnAddColumn();
    void OnAddColumnTextChanged();
    void OnWinner();
    void OnDeleteMarked();
    void OnConsolidateMarked();
    void OnDeleteAll();
    void OnRescore();
    void OnAverageModeToggled();
    void OnAddNeighbours();
    void OnAddNeighbours2();
    void OnMakeUniverse();
    void OnGreedyStep(int distance);
    void OnProfitable();
    void OnSwapUniverse();
    void OnImport();

    // The pattern of the commands that change the bet: the wait cursor for
    // the long ones (until the command returns, also by an exception), the
    // operation, then RefreshColumnList. Commands that may end without a
    // refresh use CWaitCursor directly.
    enum class CommandCursor { kWait, kNormal };
    void RunCommand(CommandCursor cursor, const std::function<void()>& operation);
    // The same for the commands that can run out of memory: when the
    // operation returns kNoMemory or throws std::bad_alloc (leaving the bet as
    // it was), `noMemoryText` is shown after the refresh.
    void RunCommand(CommandCursor cursor, const QString& noMemoryText,
                    const std::function<lumo::MemoryOutcome()>& operation);

  protected:
    // Enter reaches the dialog only when no focused button took it; the
    // layout's default buttons are hidden, so then it does nothing.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OnInitDialog();
    void CreateWindowAndControls();
    void DoDataExchange();
    void ConnectCommands();
    void SetButtonIcons();
    void SetFonts();
    void WriteConditionLimits();

    // The Forecast and Expectation tables and the scoring, loaded at
    // initialisation.
    ProgramTables& tables;

    // The bet, always present; the universe, absent until a tool creates it.
    std::unique_ptr<lumo::CColumnSet> bet;
    std::unique_ptr<lumo::CColumnSet> universe;

    // The web-address control 1083.
    CHyperLink* hyperLink = nullptr;

    // The bound controls, attached by DoDataExchange.
    QLineEdit* universeCountEdit = nullptr;
    QListWidget* expectationList = nullptr;
    QListWidget* betSharesList = nullptr;
    QLineEdit* coveredEdit = nullptr;
    QPushButton* addNeighbours2Button = nullptr;
    QPushButton* addNeighboursButton = nullptr;
    QCheckBox* averageModeCheck = nullptr;
    QLineEdit* cutAboveEdit = nullptr;
    QPushButton* consolidateMarkedButton = nullptr;
    QPushButton* copyBetButton = nullptr;
    QPushButton* reduce8Button = nullptr;
    QPushButton* reduce7Button = nullptr;
    QPushButton* reduce6Button = nullptr;
    QPushButton* reduce5Button = nullptr;
    QLabel* stepNumeral6 = nullptr;
    QLabel* stepNumeral5 = nullptr;
    QLabel* stepNumeral4 = nullptr;
    QLabel* stepNumeral3 = nullptr;
    QLabel* stepNumeral2 = nullptr;
    QLabel* countText = nullptr;
    QLabel* stepNumeral1 = nullptr;
    QLineEdit* cutBelowEdit = nullptr;
    QLineEdit* minDosesEdit = nullptr;
    QLineEdit* maxDosesEdit = nullptr;
    QPushButton* reduce0Button = nullptr;
    QPushButton* reduce4Button = nullptr;
    QPushButton* deleteAllButton = nullptr;
    QPushButton* randomColumnsButton = nullptr;
    QTreeWidget* columnList = nullptr;
    QPushButton* reduce3Button = nullptr;
    QPushButton* reduce2Button = nullptr;
    QPushButton* deleteMarkedButton = nullptr;
    QPushButton* reduce1Button = nullptr;
    QPushButton* winnerButton = nullptr;
    QPushButton* sortByScoreButton = nullptr;
    QLineEdit* minVariantsEdit = nullptr;
    QLineEdit* maxVariantsEdit = nullptr;
    QLineEdit* winnerEdit = nullptr;
    QPushButton* addColumnButton = nullptr;
    QLineEdit* addColumnEdit = nullptr;
    QLineEdit* randomCountEdit = nullptr;
    QListWidget* forecastList = nullptr;
    QPushButton* openBetButton = nullptr;
    QPushButton* saveBetButton = nullptr;

    // Icon 128: the window's icon.
    QIcon mainIcon;

    // The progress bar 1014, which the program-wide progress sink drives, and
    // the status text 1035 of the re-score tool.
    QProgressBar* progressBar = nullptr;
    QLabel* statusText = nullptr;

    // The list font ("Courier New", cell 16 px, bold) and the step font
    // ("Arial", cell 26 px, bold), made at initialisation.
    QFont listFont;
    QFont stepFont;

    CWindowMenu* windowMenu = nullptr;
};
