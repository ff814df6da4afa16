#include "reducir/reducir_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "betfile/bet_messages.h"
#include "betfile/bet_writer.h"
#include "core/repeated_columns.h"
#include "platform/file_dialog.h"
#include "platform/icon_resources.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/bet_summary.h"
#include "reducir/conditions_tab.h"
#include "reducir/file_policy.h"
#include "reducir/recent_bets.h"
#include "reducir/reduce_tab.h"
#include "reducir/scrutiny_tab.h"
#include "reducir/stats_tab.h"
#include "reducir/value_tab.h"
#include "text/spanish_numbers.h"
#include "value/bet_ordering.h"

using namespace lumo;

namespace {

constexpr QSize kPreferredSize(1300, 700);

// The local file of a drop, or an empty string.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) {
        return {};
    }
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// Where the columns kept from `file` are proposed to go: "apuesta-valor.txt"
// beside it for the suffix "-valor".
std::filesystem::path KeptBetFile(const std::filesystem::path& file, const std::string& suffix) {
    const std::string stem = file.stem().string();
    const bool kept = stem.size() > suffix.size() && stem.ends_with(suffix);
    return file.parent_path() / ((kept ? stem : stem + suffix) + ".txt");
}

}  // namespace

// Outside any namespace: Q_INIT_RESOURCE declares the resource's own function.
static void RegisterReducirResources() {
    Q_INIT_RESOURCE(reducir);
}

QString WindowTitleFor(const OpenedBet* bet) {
    const QString program = QStringLiteral("Lumo Reducir");
    if (bet == nullptr) {
        return program;
    }
    const QString unsaved =
        bet->origin == BetOrigin::kUnsaved ? QStringLiteral(" (sin grabar)") : QString();
    return RecentBets::ShownName(FromUtf8(bet->file.string())) + unsaved + QStringLiteral(" — ") +
           program;
}

ReducirWindow::ReducirWindow(QWidget* parent)
    : QMainWindow(parent),
      summary(new BetSummary),
      tabs(new QTabWidget),
      reduceTab(new ReduceTab),
      scrutinyTab(new ScrutinyTab),
      statsTab(new StatsTab),
      valueTab(new ValueTab),
      conditionsTab(new ConditionsTab) {
    RegisterImageResources();
    RegisterReducirResources();
    setWindowIcon(QIcon(QStringLiteral(":/reducir/lumo-reducir.svg")));
    setAcceptDrops(true);

    auto* open = new QAction(QIcon(QStringLiteral(":/icons/open.svg")),
                             QStringLiteral("&Abrir apuesta…"), this);
    open->setObjectName(QStringLiteral("openBet"));
    open->setShortcut(QKeySequence::Open);
    auto* forecast = new QAction(QStringLiteral("Elegir &pronóstico…"), this);
    auto* quit = new QAction(QStringLiteral("&Salir"), this);
    quit->setShortcut(QKeySequence::Quit);
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Archivo"));
    file->addAction(open);
    QMenu* recent = file->addMenu(QStringLiteral("&Recientes"));
    recent->setObjectName(QStringLiteral("recentMenu"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { ListRecentBets(*recent); });
    file->addAction(forecast);
    file->addSeparator();
    file->addAction(quit);
    QMenu* help = menuBar()->addMenu(QStringLiteral("A&yuda"));
    QAction* about = help->addAction(QStringLiteral("&Acerca de Lumo Reducir"));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &ReducirWindow::ShowAbout);
    QToolBar* tools = addToolBar(QStringLiteral("Herramientas"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addAction(open);

    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(reduceTab, QStringLiteral("&1 Reducir"));
    tabs->addTab(scrutinyTab, QStringLiteral("&2 Escrutar"));
    tabs->addTab(statsTab, QStringLiteral("&3 Estadística"));
    tabs->addTab(valueTab, QStringLiteral("&4 Valor"));
    tabs->addTab(conditionsTab, QStringLiteral("&5 Condicionar"));
    tabs->setAccessibleName(QStringLiteral("Pestañas"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(summary);
    layout->addWidget(tabs, 1);
    setCentralWidget(central);

    connect(open, &QAction::triggered, this, &ReducirWindow::AskForBet);
    connect(forecast, &QAction::triggered, this, &ReducirWindow::AskForForecast);
    connect(summary, &BetSummary::ForecastRequested, this, &ReducirWindow::AskForForecast);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(summary, &BetSummary::PriceChanged, reduceTab, &ReduceTab::SetPrice);
    connect(summary, &BetSummary::PriceChanged, scrutinyTab, &ScrutinyTab::SetPrice);
    connect(summary, &BetSummary::PriceChanged, valueTab, &ValueTab::SetPrice);
    connect(valueTab, &ValueTab::KeepRequested, this, &ReducirWindow::KeepValuable);
    connect(valueTab, &ValueTab::SaveBetRequested, this, &ReducirWindow::SaveBet);
    connect(conditionsTab, &ConditionsTab::KeepRequested, this, &ReducirWindow::KeepConditioned);
    connect(conditionsTab, &ConditionsTab::SaveBetRequested, this, &ReducirWindow::SaveBet);
    conditionsTab->SetValueSource([this]() -> const std::vector<double>* {
        const ValueReport* report = valueTab->Report();
        return report == nullptr ? nullptr : &report->columnValues;
    });
    connect(reduceTab, &ReduceTab::ReductionChanged, this, &ReducirWindow::ShowReduction);
    connect(reduceTab, &ReduceTab::Saved, this, [this](const QString& path) {
        statusBar()->showMessage(
            QStringLiteral("Reducción grabada en «%1».").arg(QDir::toNativeSeparators(path)));
    });

    // As large as it likes on a desktop, never larger than the screen less
    // the window manager's frame.
    QSize size = kPreferredSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 40));
    }
    resize(size);
    // The smallest the tabs show all their figures at; it fits 1366x768 with a panel.
    setMinimumSize(1240, 680);
    ShowBet();
}

ReducirWindow::~ReducirWindow() {
    // The members go before the tabs: the reduction, which reads the bet,
    // stops first.
    reduceTab->SetBet(nullptr, {});
}

bool ReducirWindow::OpenBetFile(const QString& path) {
    BetOpening opening;
    try {
        opening = OpenBet(std::filesystem::path(path.toStdString()));
    } catch (const std::bad_alloc&) {
        opening.message = "No hay memoria suficiente para abrir «" +
                          std::filesystem::path(path.toStdString()).filename().string() + "».";
    }
    if (!opening.bet) {
        ShowMessage(this, FromUtf8(opening.message));
        return false;
    }
    if (!reduceTab->MayDiscardReduction() || !MayDiscardBet()) {
        return false;
    }
    // The reduction reads the old bet until it stops.
    reduceTab->SetBet(nullptr, {});
    bet = std::move(opening.bet);
    RecentBets::Add(path);
    if (opening.repeated > 0 && AskToDropRepeats(opening.repeated)) {
        try {
            DropRepeated(*bet->columns);
        } catch (const std::bad_alloc&) {
            ShowMessage(this, QStringLiteral("No hay memoria suficiente para quitar las columnas "
                                             "repetidas; la apuesta sigue con ellas."));
        }
    }
    ShowBet();
    if (!opening.warning.empty()) {
        ShowMessage(this, FromUtf8(opening.warning));
    }
    return true;
}

bool ReducirWindow::UseForecastFile(const QString& path) {
    if (!bet) {
        return false;
    }
    // A file that cannot be used changes nothing, the reduction included.
    const ScoreSource source{std::filesystem::path(path.toStdString())};
    const ScoresRead read = ReadScores(source);
    if (!read.message.empty()) {
        ShowMessage(this, FromUtf8(read.message));
        return false;
    }
    if (!reduceTab->MayDiscardReduction()) {
        return false;
    }
    reduceTab->SetBet(nullptr, {});
    ApplyScores(*bet->columns, read.scoring);
    bet->scores = source;
    bet->forecast = read.scoring.table;
    ShowBet();
    return true;
}

void ReducirWindow::AskForBet() {
    const QString chosen = AskFileName(
        this, ReducirFileRequest(FileDialogMode::kOpen, BesideFile(BetFile(), "apuesta.txt")));
    if (!chosen.isEmpty()) {
        OpenBetFile(chosen);
    }
}

void ReducirWindow::AskForForecast() {
    const QString chosen = AskFileName(
        this, ReducirFileRequest(FileDialogMode::kOpen, BesideFile(BetFile(), "pronostico.txt")));
    if (!chosen.isEmpty()) {
        UseForecastFile(chosen);
    }
}

bool ReducirWindow::AskToDropRepeats(std::int32_t repeated) {
    const QString question =
        QStringLiteral(
            "La apuesta «%1» tiene %2: cada una se juega y se paga otra vez. ¿Quitar "
            "las repetidas?")
            .arg(FromUtf8(bet->file.filename().string()),
                 FromUtf8(CountWithNoun(repeated, "columna repetida", "columnas repetidas")));
    return AskYesNo(this, question, MessageAnswer::kYes) == MessageAnswer::kYes;
}

void ReducirWindow::ShowAbout() {
    auto* box = new QMessageBox(
        QMessageBox::NoIcon, QStringLiteral("Acerca de Lumo Reducir"),
        QStringLiteral("Lumo Reducir %1\n\n"
                       "Reducciones con garantía, escrutinio y estadística de apuestas de la "
                       "quiniela.\n\n"
                       "© 2026 los desarrolladores de Lumo. Todos los derechos reservados: aún no "
                       "se concede licencia para copiar, modificar ni redistribuir Lumo.\n\n"
                       "Manual: «man lumo-reducir».")
            .arg(QStringLiteral(LUMO_VERSION)),
        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setIconPixmap(windowIcon().pixmap(64, 64));
    box->button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ReducirWindow::ListRecentBets(QMenu& menu) {
    menu.clear();
    const QStringList paths = RecentBets::Paths();
    for (const QString& path : paths) {
        QAction* action = menu.addAction(RecentBets::ShownName(path));
        connect(action, &QAction::triggered, this, [this, path] { OpenBetFile(path); });
    }
    if (paths.isEmpty()) {
        menu.addAction(QStringLiteral("(ninguna)"))->setEnabled(false);
    }
}

std::filesystem::path ReducirWindow::BetFile() const {
    return bet ? bet->file : std::filesystem::path();
}

void ReducirWindow::ShowBet() {
    setWindowTitle(WindowTitleFor(bet.get()));
    const CColumnSet* columns = bet ? bet->columns.get() : nullptr;
    summary->Show(columns, bet ? FromUtf8(ScoreSourceText(bet->scores, bet->file)) : QString());
    reduceTab->SetBet(columns, bet ? bet->file : std::filesystem::path());
    valueTab->SetBet(columns,
                     bet && bet->origin == BetOrigin::kFile ? bet->file : std::filesystem::path(),
                     ProbabilitiesOfForecast(bet ? bet->forecast : CForecastTable()),
                     bet ? FromUtf8(ScoreSourceText(bet->scores, bet->file)) : QString());
    conditionsTab->SetBet(
        columns, bet && bet->origin == BetOrigin::kFile ? bet->file : std::filesystem::path(),
        bet ? bet->forecast : CForecastTable());
    ShowReduction(nullptr);
}

void ReducirWindow::ShowReduction(const CColumnSet* reduction) {
    const CColumnSet* columns = bet ? bet->columns.get() : nullptr;
    scrutinyTab->SetSets(columns, reduction);
    statsTab->SetSets(columns, reduction);
    valueTab->SetReduction(reduction);
}

void ReducirWindow::KeepValuable(double euros) {
    const ValueReport* report = valueTab->Report();
    if (!bet || report == nullptr || !reduceTab->MayDiscardReduction()) {
        return;
    }
    std::unique_ptr<CColumnSet> kept;
    try {
        kept = ValueAtLeast(*bet->columns, report->columnValues, euros);
    } catch (const std::bad_alloc&) {
        ShowMessage(this, QStringLiteral("No hay memoria suficiente para quitar las columnas."));
        return;
    }
    const std::int32_t before = bet->columns->Count();
    ReplaceBet(std::move(kept), "-valor");
    valueTab->ShowKept(before);
}

void ReducirWindow::KeepConditioned() {
    if (!bet || !reduceTab->MayDiscardReduction()) {
        return;
    }
    std::unique_ptr<CColumnSet> kept = conditionsTab->TakeKept();
    if (!kept) {
        return;
    }
    ReplaceBet(std::move(kept), "-condiciones");
    conditionsTab->ShowKept();
}

void ReducirWindow::ReplaceBet(std::unique_ptr<CColumnSet> columns, const std::string& suffix) {
    auto kept = std::make_unique<OpenedBet>();
    kept->columns = std::move(columns);
    kept->file = KeptBetFile(bet->file, suffix);
    kept->scores = bet->scores;
    kept->forecast = bet->forecast;
    kept->origin = BetOrigin::kUnsaved;
    // The reduction reads the old bet until it stops.
    reduceTab->SetBet(nullptr, {});
    bet = std::move(kept);
    ShowBet();
}

bool ReducirWindow::SaveBet() {
    if (!bet) {
        return false;
    }
    const QString chosen =
        AskFileName(this, ReducirFileRequest(FileDialogMode::kSave, FromUtf8(bet->file.string())));
    if (chosen.isEmpty()) {
        return false;
    }
    const std::filesystem::path path(chosen.toStdString());
    const SaveResult saved = WriteBet(path, *bet->columns);
    if (!saved.Saved()) {
        ShowMessage(this, FromUtf8(BetSaveMessage(path.filename().string(), saved)));
        return false;
    }
    bet->file = path;
    bet->origin = BetOrigin::kFile;
    RecentBets::Add(chosen);
    setWindowTitle(WindowTitleFor(bet.get()));
    statusBar()->showMessage(
        QStringLiteral("Apuesta grabada en «%1».").arg(QDir::toNativeSeparators(chosen)));
    return true;
}

bool ReducirWindow::MayDiscardBet() {
    if (!bet || bet->origin == BetOrigin::kFile) {
        return true;
    }
    switch (AskSaveDiscardCancel(this, QStringLiteral("¿Descartar la apuesta sin grabar?"))) {
        case MessageAnswer::kSave:
            return SaveBet();
        case MessageAnswer::kDiscard:
            return true;
        default:
            return false;
    }
}

void ReducirWindow::closeEvent(QCloseEvent* event) {
    if (reduceTab->MayDiscardReduction() && MayDiscardBet()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void ReducirWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void ReducirWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        OpenBetFile(file);
    }
}
