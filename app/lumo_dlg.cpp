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
#include <optional>

#include "app/column_list.h"
#include "app/dialog_builder.h"
#include "app/dialog_fonts.h"
#include "app/dialog_template.h"
#include "app/dialog_units.h"
#include "app/icon_resources.h"
#include "app/thread_priority.h"
#include "app/wait_cursor.h"
#include "app/window_menu.h"
#include "core/progress.h"
#include "core/random.h"
#include "forecast/forecast_file.h"
#include "widgets/about_dlg.h"
#include "widgets/hyper_link.h"

namespace {

template <typename Control>
Control* ControlById(const QWidget& dialog, int id) {
    return dialog.findChild<Control*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

struct DistanceButton {
    int id;
    int distance;
};

// The step 5 funnels with the distance each reduces by.
constexpr std::array<DistanceButton, 9> kReduceButtons{{
    {1050, 0},
    {1041, 1},
    {1043, 2},
    {1044, 3},
    {1045, 4},
    {1048, 5},
    {1063, 6},
    {1066, 7},
    {1067, 8},
}};

// The hidden greedy covering steps with their distances.
constexpr std::array<DistanceButton, 6> kGreedyButtons{{
    {1039, 1},
    {1034, 2},
    {1073, 3},
    {1074, 4},
    {1075, 5},
    {1072, 6},
}};

struct CommandButton {
    int id;
    void (CLumoDlg::*handler)();
};

// Every other button with its handler. Button 1051 raises nothing.
constexpr std::array<CommandButton, 24> kCommandButtons{{
    {1053, &CLumoDlg::OnGenerateAll},       {1001, &CLumoDlg::OnOpenBet},
    {1038, &CLumoDlg::OnCutBelow},          {1040, &CLumoDlg::OnCutAbove},
    {1057, &CLumoDlg::OnRemoveZeroPercent}, {1052, &CLumoDlg::OnCondition},
    {1036, &CLumoDlg::OnSortByScore},       {1011, &CLumoDlg::OnMagicReduction},
    {1082, &CLumoDlg::OnSaveBet},           {1003, &CLumoDlg::OnCopyBet},
    {1004, &CLumoDlg::OnRandomColumns},     {1029, &CLumoDlg::OnAddColumn},
    {1042, &CLumoDlg::OnDeleteMarked},      {1049, &CLumoDlg::OnDeleteAll},
    {1013, &CLumoDlg::OnConsolidateMarked}, {1037, &CLumoDlg::OnAddNeighbours},
    {1071, &CLumoDlg::OnAddNeighbours2},    {1030, &CLumoDlg::OnWinner},
    {1047, &CLumoDlg::OnRescore},           {1069, &CLumoDlg::OnAverageModeToggled},
    {1070, &CLumoDlg::OnMakeUniverse},      {1078, &CLumoDlg::OnProfitable},
    {1080, &CLumoDlg::OnSwapUniverse},      {1077, &CLumoDlg::OnImport},
}};

}  // namespace

CLumoDlg::CLumoDlg() : QDialog(nullptr) {
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

    SetupColumnList(*columnList);

    windowMenu = new CWindowMenu(*this);
    windowMenu->AppendEntry(QString::fromUtf8(kAboutMenuText), kAboutCommand);
    connect(windowMenu, &CWindowMenu::systemCommand, this, &CLumoDlg::OnSysCommand);

    setWindowIcon(mainIcon);
    hyperLink->SetAddress(QString::fromUtf8(kAuthorAddress));
    SetButtonIcons();
    SetFonts();

    SeedRandomFromTime();
    LoadForecast(std::filesystem::path("pronostico.txt"), forecastTable);
    LoadExpectation(std::filesystem::path("esperanza.txt"), expectationTable);
    ShowForecast(forecastTable);
    ShowExpectation(expectationTable);

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
    setFont(DialogFont());
    const DialogBaseUnits units = MeasureBaseUnits(font());
    setFixedSize(units.ToPixels(kMainDialogWidth, kMainDialogHeight));
    CreateDialogControls(*this, MainDialogTemplate(), units);
}

void CLumoDlg::DoDataExchange() {
    hyperLink = ControlById<CHyperLink>(*this, 1083);
    universeCountEdit = ControlById<QLineEdit>(*this, 1079);
    expectationList = ControlById<QListWidget>(*this, 1007);
    betSharesList = ControlById<QListWidget>(*this, 1006);
    coveredEdit = ControlById<QLineEdit>(*this, 1076);
    addNeighbours2Button = ControlById<QPushButton>(*this, 1071);
    addNeighboursButton = ControlById<QPushButton>(*this, 1037);
    averageModeCheck = ControlById<QCheckBox>(*this, 1069);
    cutAboveEdit = ControlById<QLineEdit>(*this, 1068);
    consolidateMarkedButton = ControlById<QPushButton>(*this, 1013);
    copyBetButton = ControlById<QPushButton>(*this, 1003);
    reduce8Button = ControlById<QPushButton>(*this, 1067);
    reduce7Button = ControlById<QPushButton>(*this, 1066);
    reduce6Button = ControlById<QPushButton>(*this, 1063);
    reduce5Button = ControlById<QPushButton>(*this, 1048);
    stepNumeral6 = ControlById<QLabel>(*this, 1065);
    stepNumeral5 = ControlById<QLabel>(*this, 1064);
    stepNumeral4 = ControlById<QLabel>(*this, 1062);
    stepNumeral3 = ControlById<QLabel>(*this, 1061);
    stepNumeral2 = ControlById<QLabel>(*this, 1060);
    countText = ControlById<QLabel>(*this, 1059);
    stepNumeral1 = ControlById<QLabel>(*this, 1058);
    cutBelowEdit = ControlById<QLineEdit>(*this, 1056);
    minDosesEdit = ControlById<QLineEdit>(*this, 1054);
    maxDosesEdit = ControlById<QLineEdit>(*this, 1055);
    reduce0Button = ControlById<QPushButton>(*this, 1050);
    reduce4Button = ControlById<QPushButton>(*this, 1045);
    deleteAllButton = ControlById<QPushButton>(*this, 1049);
    randomColumnsButton = ControlById<QPushButton>(*this, 1004);
    columnList = ControlById<QTreeWidget>(*this, 1046);
    reduce3Button = ControlById<QPushButton>(*this, 1044);
    reduce2Button = ControlById<QPushButton>(*this, 1043);
    deleteMarkedButton = ControlById<QPushButton>(*this, 1042);
    reduce1Button = ControlById<QPushButton>(*this, 1041);
    winnerButton = ControlById<QPushButton>(*this, 1030);
    sortByScoreButton = ControlById<QPushButton>(*this, 1036);
    minVariantsEdit = ControlById<QLineEdit>(*this, 1033);
    maxVariantsEdit = ControlById<QLineEdit>(*this, 1032);
    winnerEdit = ControlById<QLineEdit>(*this, 1031);
    addColumnButton = ControlById<QPushButton>(*this, 1029);
    addColumnEdit = ControlById<QLineEdit>(*this, 1028);
    randomCountEdit = ControlById<QLineEdit>(*this, 1005);
    forecastList = ControlById<QListWidget>(*this, 1002);
    openBetButton = ControlById<QPushButton>(*this, 1001);
    saveBetButton = ControlById<QPushButton>(*this, 1082);
    progressBar = ControlById<QProgressBar>(*this, 1014);
    statusText = ControlById<QLabel>(*this, 1035);
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
    listFont = CreateCellFont(QStringLiteral("Courier New"), 16, FontWeight::kBold);
    stepFont = CreateCellFont(QStringLiteral("Arial"), 26, FontWeight::kBold);
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
