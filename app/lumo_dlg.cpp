#include "app/lumo_dlg.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <new>
#include <optional>

#include "app/column_list.h"
#include "app/control_ids.h"
#include "app/dialog_template.h"
#include "core/progress.h"
#include "core/random.h"
#include "forecast/forecast_file.h"
#include "platform/dialog_builder.h"
#include "platform/dialog_fonts.h"
#include "platform/dialog_units.h"
#include "platform/icon_resources.h"
#include "platform/message_box.h"
#include "platform/screen_fit.h"
#include "platform/thread_priority.h"
#include "platform/wait_cursor.h"
#include "platform/window_menu.h"
#include "widgets/about_dlg.h"
#include "widgets/hyper_link.h"

using namespace lumo;

namespace {

struct CommandButton {
    int id;
    void (CLumoDlg::*handler)();
};

// Every other button with its handler. Button kNoCommandButton raises nothing.
constexpr std::array<CommandButton, 24> kCommandButtons{{
    {kGenerateAllButton, &CLumoDlg::OnGenerateAll},
    {kOpenBetButton, &CLumoDlg::OnOpenBet},
    {kCutBelowButton, &CLumoDlg::OnCutBelow},
    {kCutAboveButton, &CLumoDlg::OnCutAbove},
    {kRemoveZeroPercentButton, &CLumoDlg::OnRemoveZeroPercent},
    {kConditionButton, &CLumoDlg::OnCondition},
    {kSortByScoreButton, &CLumoDlg::OnSortByScore},
    {kMagicReductionButton, &CLumoDlg::OnMagicReduction},
    {kSaveBetButton, &CLumoDlg::OnSaveBet},
    {kCopyBetButton, &CLumoDlg::OnCopyBet},
    {kRandomColumnsButton, &CLumoDlg::OnRandomColumns},
    {kAddColumnButton, &CLumoDlg::OnAddColumn},
    {kDeleteMarkedButton, &CLumoDlg::OnDeleteMarked},
    {kDeleteAllButton, &CLumoDlg::OnDeleteAll},
    {kConsolidateMarkedButton, &CLumoDlg::OnConsolidateMarked},
    {kAddNeighboursButton, &CLumoDlg::OnAddNeighbours},
    {kAddNeighbours2Button, &CLumoDlg::OnAddNeighbours2},
    {kWinnerButton, &CLumoDlg::OnWinner},
    {kRescoreButton, &CLumoDlg::OnRescore},
    {kAverageModeCheck, &CLumoDlg::OnAverageModeToggled},
    {kMakeUniverseButton, &CLumoDlg::OnMakeUniverse},
    {kProfitableButton, &CLumoDlg::OnProfitable},
    {kSwapUniverseButton, &CLumoDlg::OnSwapUniverse},
    {kImportButton, &CLumoDlg::OnImport},
}};

}  // namespace

CLumoDlg::CLumoDlg(ProgramTables& tables) : QDialog(nullptr), tables(tables) {
    RegisterImageResources();
    mainIcon = QIcon(ImageResourcePath(kMainIcon));
    bet = std::make_unique<CColumnSet>();
    OnInitDialog();
}

CLumoDlg::~CLumoDlg() {
    SetProgressSink({});
}

void CLumoDlg::OnInitDialog() {
    CreateWindowAndControls();
    DoDataExchange();
    SetProgressSink([bar = progressBar](std::int32_t position) {
        // A repeated position changes nothing on the screen; painting it
        // again would cost as much as the operation's own work.
        if (position == bar->value()) {
            return;
        }
        // Painted at once, and once: the event loop does not run during an
        // operation (so no input and no close request reach the dialog
        // meanwhile), and the bar's own setValue paints only some positions.
        // Its painting is held back while the value changes, then done here.
        bar->setUpdatesEnabled(false);
        bar->setValue(position);
        bar->setUpdatesEnabled(true);
        bar->repaint();
    });
    ConnectCommands();

    SetupColumnList(*columnList, MeasureBaseUnits(font()));

    windowMenu = new CWindowMenu(*this);
    windowMenu->AppendEntry(QString::fromUtf8(kAboutMenuText), kAboutCommand);
    connect(windowMenu, &CWindowMenu::systemCommand, this, &CLumoDlg::OnSysCommand);

    setWindowIcon(mainIcon);
    hyperLink->SetAddress(QString::fromUtf8(kAuthorAddress));
    SetButtonIcons();
    SetFonts();

    SeedRandomFromTime();
    tables.scoring =
        ScoringOf(LoadForecast(std::filesystem::path("pronostico.txt"), std::cout).table,
                  tables.scoring.mode);
    tables.expectation = LoadExpectation(std::filesystem::path("esperanza.txt"));
    ShowForecast(tables.scoring.table);
    ShowExpectation(tables.expectation);

    WriteConditionLimits();
    LowerThreadPriority();
    RefreshColumnList();
    progressBar->setRange(0, 100);
}

void CLumoDlg::CreateWindowAndControls() {
    setWindowTitle(QString::fromUtf8(kMainDialogCaption));
    // A window of its own (own task-bar entry) with a close box and no
    // minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The largest dialog font with which the window fits the screen.
    const QRect screenArea = DialogScreenArea();
    setFont(DialogFontFitting(QSize(kMainDialogWidth, kMainDialogHeight), screenArea));
    const DialogBaseUnits units = MeasureBaseUnits(font());
    setFixedSize(units.ToPixels(kMainDialogWidth, kMainDialogHeight));
    CentreDialog(*this, screenArea);
    CreateDialogControls(*this, MainDialogTemplate(), units,
                         [](const QString& text, QWidget* parent) -> QLabel* {
                             return new CHyperLink(text, parent);
                         });
}

void CLumoDlg::DoDataExchange() {
    hyperLink = ControlById<CHyperLink>(*this, kHyperLinkControl);
    universeCountEdit = ControlById<QLineEdit>(*this, kUniverseCountEdit);
    expectationList = ControlById<QListWidget>(*this, kExpectationList);
    betSharesList = ControlById<QListWidget>(*this, kBetSharesList);
    coveredEdit = ControlById<QLineEdit>(*this, kCoveredEdit);
    addNeighbours2Button = ControlById<QPushButton>(*this, kAddNeighbours2Button);
    addNeighboursButton = ControlById<QPushButton>(*this, kAddNeighboursButton);
    averageModeCheck = ControlById<QCheckBox>(*this, kAverageModeCheck);
    cutAboveEdit = ControlById<QLineEdit>(*this, kCutAboveEdit);
    consolidateMarkedButton = ControlById<QPushButton>(*this, kConsolidateMarkedButton);
    copyBetButton = ControlById<QPushButton>(*this, kCopyBetButton);
    reduce8Button = ControlById<QPushButton>(*this, kReduce8Button);
    reduce7Button = ControlById<QPushButton>(*this, kReduce7Button);
    reduce6Button = ControlById<QPushButton>(*this, kReduce6Button);
    reduce5Button = ControlById<QPushButton>(*this, kReduce5Button);
    stepNumeral6 = ControlById<QLabel>(*this, kStepNumeral6);
    stepNumeral5 = ControlById<QLabel>(*this, kStepNumeral5);
    stepNumeral4 = ControlById<QLabel>(*this, kStepNumeral4);
    stepNumeral3 = ControlById<QLabel>(*this, kStepNumeral3);
    stepNumeral2 = ControlById<QLabel>(*this, kStepNumeral2);
    countText = ControlById<QLabel>(*this, kCountText);
    stepNumeral1 = ControlById<QLabel>(*this, kStepNumeral1);
    cutBelowEdit = ControlById<QLineEdit>(*this, kCutBelowEdit);
    minDosesEdit = ControlById<QLineEdit>(*this, kMinDosesEdit);
    maxDosesEdit = ControlById<QLineEdit>(*this, kMaxDosesEdit);
    reduce0Button = ControlById<QPushButton>(*this, kReduce0Button);
    reduce4Button = ControlById<QPushButton>(*this, kReduce4Button);
    deleteAllButton = ControlById<QPushButton>(*this, kDeleteAllButton);
    randomColumnsButton = ControlById<QPushButton>(*this, kRandomColumnsButton);
    columnList = ControlById<QTreeWidget>(*this, kColumnList);
    reduce3Button = ControlById<QPushButton>(*this, kReduce3Button);
    reduce2Button = ControlById<QPushButton>(*this, kReduce2Button);
    deleteMarkedButton = ControlById<QPushButton>(*this, kDeleteMarkedButton);
    reduce1Button = ControlById<QPushButton>(*this, kReduce1Button);
    winnerButton = ControlById<QPushButton>(*this, kWinnerButton);
    sortByScoreButton = ControlById<QPushButton>(*this, kSortByScoreButton);
    minVariantsEdit = ControlById<QLineEdit>(*this, kMinVariantsEdit);
    maxVariantsEdit = ControlById<QLineEdit>(*this, kMaxVariantsEdit);
    winnerEdit = ControlById<QLineEdit>(*this, kWinnerEdit);
    addColumnButton = ControlById<QPushButton>(*this, kAddColumnButton);
    addColumnEdit = ControlById<QLineEdit>(*this, kAddColumnEdit);
    randomCountEdit = ControlById<QLineEdit>(*this, kRandomCountEdit);
    forecastList = ControlById<QListWidget>(*this, kForecastList);
    openBetButton = ControlById<QPushButton>(*this, kOpenBetButton);
    saveBetButton = ControlById<QPushButton>(*this, kSaveBetButton);
    progressBar = ControlById<QProgressBar>(*this, kProgressBar);
    statusText = ControlById<QLabel>(*this, kStatusText);
}

void CLumoDlg::ConnectCommands() {
    for (const CommandButton& command : kCommandButtons) {
        connect(ControlById<QAbstractButton>(*this, command.id), &QAbstractButton::clicked, this,
                command.handler);
    }
    for (const DistanceButton& button : kReduceButtons) {
        connect(ControlById<QAbstractButton>(*this, button.id), &QAbstractButton::clicked, this,
                [this, distance = button.distance] { OnReduce(distance); });
    }
    for (const DistanceButton& button : kGreedyButtons) {
        connect(ControlById<QAbstractButton>(*this, button.id), &QAbstractButton::clicked, this,
                [this, distance = button.distance] { OnGreedyStep(distance); });
    }
    connect(addColumnEdit, &QLineEdit::textChanged, this, &CLumoDlg::OnAddColumnTextChanged);
    connect(columnList->header(), &QHeaderView::sectionClicked, this, &CLumoDlg::OnHeaderClick);
    connect(columnList, &QTreeWidget::itemDoubleClicked, this,
            [this](const QTreeWidgetItem* row) { OnListDoubleClick(row); });
}

void CLumoDlg::SetButtonIcons() {
    for (const DialogItem& item : MainDialogTemplate()) {
        auto* button = qobject_cast<QPushButton*>(ControlById<QWidget>(*this, item.id));
        if (button == nullptr || item.image == 0) {
            continue;
        }
        button->setIcon(QIcon(ImageResourcePath(item.image)));
        // The icon fills the button's face inside its bevel.
        const int side = std::min(button->width(), button->height()) - 6;
        button->setIconSize(QSize(side, side));
    }
}

void CLumoDlg::SetFonts() {
    const DialogBaseUnits units = MeasureBaseUnits(font());
    listFont =
        CreateCellFont(QStringLiteral("Courier New"), LayoutPixels(16, units), FontWeight::kBold);
    stepFont = CreateCellFont(QStringLiteral("Arial"), LayoutPixels(26, units), FontWeight::kBold);
    for (QWidget* control : std::initializer_list<QWidget*>{
             forecastList, expectationList, betSharesList, columnList, addColumnEdit, winnerEdit}) {
        control->setFont(listFont);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{countText, stepNumeral1, stepNumeral2, stepNumeral3,
                                         stepNumeral4, stepNumeral5, stepNumeral6}) {
        control->setFont(stepFont);
    }
}

void CLumoDlg::WriteConditionLimits() {
    maxVariantsEdit->setText(QString::number(bet->maxVariants));
    minVariantsEdit->setText(QString::number(bet->minVariants));
    maxDosesEdit->setText(QString::number(bet->maxDoses));
    minDosesEdit->setText(QString::number(bet->minDoses));
}

void CLumoDlg::RunCommand(CommandCursor cursor, const std::function<void()>& operation) {
    std::optional<CWaitCursor> waitCursor;
    if (cursor == CommandCursor::kWait) {
        waitCursor.emplace();
    }
    operation();
    RefreshColumnList();
}

void CLumoDlg::RunCommand(CommandCursor cursor, const QString& noMemoryText,
                          const std::function<MemoryOutcome()>& operation) {
    MemoryOutcome outcome = MemoryOutcome::kDone;
    RunCommand(cursor, [&operation, &outcome] {
        try {
            outcome = operation();
        } catch (const std::bad_alloc&) {
            outcome = MemoryOutcome::kNoMemory;
        }
    });
    if (outcome == MemoryOutcome::kNoMemory) {
        ShowMessage(this, noMemoryText);
    }
}

void CLumoDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CLumoDlg::OnSysCommand(unsigned command) {
    if (IsAboutCommand(command)) {
        CAboutDlg about(this);
        about.exec();
    } else if (IsCloseCommand(command)) {
        close();
    }
}
