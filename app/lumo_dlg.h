#pragma once

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <functional>
#include <memory>

#include "core/column_set.h"
#include "forecast/forecast_table.h"

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
// Esc, the close box and the window menu's "Cerrar" reject the dialog.
class CLumoDlg : public QDialog {
    Q_OBJECT

  public:
    CLumoDlg();
    ~CLumoDlg() override;

    CColumnSet& Bet() { return *bet; }
    // The universe, or nullptr while none exists.
    CColumnSet* Universe() { return universe.get(); }

    // Rebuilds the column list (at most 500 rows, in bet order), the count
    // text, the hidden mirror fields and the bet shares, and puts the
    // progress bar back to 0.
    void RefreshColumnList();

    // Fill list box 1002 with the Forecast table, 1007 with the Expectation
    // table, and 1006 with the shares of the bet's listed columns.
    void ShowForecast(const CForecastTable& table);
    void ShowExpectation(const CForecastTable& table);
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

    // The bet, always present; the universe, absent until a tool creates it.
    std::unique_ptr<CColumnSet> bet;
    std::unique_ptr<CColumnSet> universe;

    // The web-address control 1083.
    CHyperLink* hyperLink = nullptr;

    // The bound controls, attached by DoDataExchange.
    QLineEdit* universeCountEdit = nullptr;          // 1079
    QListWidget* expectationList = nullptr;          // 1007
    QListWidget* betSharesList = nullptr;            // 1006
    QLineEdit* coveredEdit = nullptr;                // 1076
    QPushButton* addNeighbours2Button = nullptr;     // 1071
    QPushButton* addNeighboursButton = nullptr;      // 1037
    QCheckBox* averageModeCheck = nullptr;           // 1069
    QLineEdit* cutAboveEdit = nullptr;               // 1068
    QPushButton* consolidateMarkedButton = nullptr;  // 1013
    QPushButton* copyBetButton = nullptr;            // 1003
    QPushButton* reduce8Button = nullptr;            // 1067
    QPushButton* reduce7Button = nullptr;            // 1066
    QPushButton* reduce6Button = nullptr;            // 1063
    QPushButton* reduce5Button = nullptr;            // 1048
    QLabel* stepNumeral6 = nullptr;                  // 1065
    QLabel* stepNumeral5 = nullptr;                  // 1064
    QLabel* stepNumeral4 = nullptr;                  // 1062
    QLabel* stepNumeral3 = nullptr;                  // 1061
    QLabel* stepNumeral2 = nullptr;                  // 1060
    QLabel* countText = nullptr;                     // 1059
    QLabel* stepNumeral1 = nullptr;                  // 1058
    QLineEdit* cutBelowEdit = nullptr;               // 1056
    QLineEdit* minDosesEdit = nullptr;               // 1054
    QLineEdit* maxDosesEdit = nullptr;               // 1055
    QPushButton* reduce0Button = nullptr;            // 1050
    QPushButton* reduce4Button = nullptr;            // 1045
    QPushButton* deleteAllButton = nullptr;          // 1049
    QPushButton* randomColumnsButton = nullptr;      // 1004
    QTreeWidget* columnList = nullptr;               // 1046
    QPushButton* reduce3Button = nullptr;            // 1044
    QPushButton* reduce2Button = nullptr;            // 1043
    QPushButton* deleteMarkedButton = nullptr;       // 1042
    QPushButton* reduce1Button = nullptr;            // 1041
    QPushButton* winnerButton = nullptr;             // 1030
    QPushButton* sortByScoreButton = nullptr;        // 1036
    QLineEdit* minVariantsEdit = nullptr;            // 1033
    QLineEdit* maxVariantsEdit = nullptr;            // 1032
    QLineEdit* winnerEdit = nullptr;                 // 1031
    QPushButton* addColumnButton = nullptr;          // 1029
    QLineEdit* addColumnEdit = nullptr;              // 1028
    QLineEdit* randomCountEdit = nullptr;            // 1005
    QListWidget* forecastList = nullptr;             // 1002
    QPushButton* openBetButton = nullptr;            // 1001
    QPushButton* saveBetButton = nullptr;            // 1082

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
