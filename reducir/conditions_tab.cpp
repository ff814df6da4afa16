#include "reducir/conditions_tab.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <sstream>

#include "betfile/bet_messages.h"
#include "betfile/text_file_writer.h"
#include "conditions/condition_reader.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/conditions_table.h"
#include "reducir/conditions_worker.h"
#include "reducir/file_policy.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr const char* kConditionsName = "condiciones.txt";

QPushButton* NamedButton(const QString& text, const char* name, const QString& accessibleName) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    return button;
}

QTableWidgetItem* NumberItem(const std::string& text) {
    auto* item = new QTableWidgetItem(FromUtf8(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// What the file did, in the words of lumo-cli filter --explain.
QString SummaryText(const ConditionFile& file, const ConditionsRun& run) {
    const ConditionTally& tally = run.tally;
    return FromUtf8("De " + CountWithNoun(tally.input, "columna", "columnas") + ", con " +
                    CountWithNoun(file.failures, "fallo permitido", "fallos permitidos") +
                    ", las condiciones quitan " +
                    CountWithNoun(tally.removed, "columna", "columnas") + " y dejan " +
                    CountWithNoun(tally.keptBreaking, "columna", "columnas") +
                    (tally.keptBreaking == 1 ? " que incumple" : " que incumplen") +
                    " alguna dentro de los fallos permitidos. Quedan " +
                    GroupedNumber(run.kept->Count()) + ".");
}

}  // namespace

ConditionsTab::ConditionsTab(QWidget* parent)
    : QWidget(parent),
      worker(new ConditionsWorker(this)),
      fileLabel(new QLabel(QStringLiteral("Sin archivo de condiciones."))),
      table(new ConditionsTable),
      failuresSpin(new QSpinBox),
      allColumnsCheck(new QCheckBox(QStringLiteral("&Todas las columnas (4.782.969)"))),
      applyButton(NamedButton(QStringLiteral("Aplicar con&diciones"), "applyConditionsButton",
                              QStringLiteral("Aplicar las condiciones"))),
      progressBar(new QProgressBar),
      explainTable(new QTableWidget(0, 3)),
      summaryLabel(new QLabel),
      useButton(NamedButton(QStringLiteral("&Usar como apuesta"), "useConditionsButton",
                            QStringLiteral("Usar las columnas que quedan como apuesta"))),
      saveBetButton(NamedButton(QStringLiteral("&Grabar apuesta…"), "saveConditionsBetButton",
                                QStringLiteral("Grabar la apuesta"))) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(EditBox(), 3);
    layout->addWidget(ApplyBox(), 2);
    connect(worker, &ConditionsWorker::Finished, this, &ConditionsTab::Finish);
    Forget();
}

ConditionsTab::~ConditionsTab() = default;

QWidget* ConditionsTab::EditBox() {
    auto* box = new QGroupBox(QStringLiteral("Condiciones"));
    fileLabel->setObjectName(QStringLiteral("conditionsFileLabel"));
    fileLabel->setWordWrap(true);
    failuresSpin->setObjectName(QStringLiteral("failuresSpin"));
    failuresSpin->setRange(0, kMostFailures);
    failuresSpin->setAccessibleName(QStringLiteral("Fallos permitidos"));
    auto* open = NamedButton(QStringLiteral("A&brir…"), "openConditionsButton",
                             QStringLiteral("Abrir un archivo de condiciones"));
    auto* save = NamedButton(QStringLiteral("G&rabar…"), "saveConditionsButton",
                             QStringLiteral("Grabar las condiciones"));
    auto* add = NamedButton(QStringLiteral("Añadir &fila"), "addConditionButton",
                            QStringLiteral("Añadir una condición"));
    auto* remove = NamedButton(QStringLiteral("&Quitar fila"), "removeConditionButton",
                               QStringLiteral("Quitar la condición elegida"));
    auto* files = new QHBoxLayout;
    files->addWidget(fileLabel, 1);
    files->addWidget(open);
    files->addWidget(save);
    auto* rows = new QHBoxLayout;
    rows->addWidget(add);
    rows->addWidget(remove);
    rows->addStretch(1);
    auto* failures = new QLabel(QStringLiteral("Fallos &permitidos:"));
    failures->setBuddy(failuresSpin);
    rows->addWidget(failures);
    rows->addWidget(failuresSpin);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(files);
    layout->addWidget(table, 1);
    layout->addLayout(rows);
    connect(open, &QPushButton::clicked, this, &ConditionsTab::AskToOpen);
    connect(save, &QPushButton::clicked, this, &ConditionsTab::Save);
    connect(add, &QPushButton::clicked, table, &ConditionsTable::AddRow);
    connect(remove, &QPushButton::clicked, table, &ConditionsTable::RemoveCurrentRow);
    return box;
}

QWidget* ConditionsTab::ApplyBox() {
    auto* box = new QGroupBox(QStringLiteral("Resultado"));
    allColumnsCheck->setObjectName(QStringLiteral("allColumnsCheck"));
    allColumnsCheck->setAccessibleName(QStringLiteral("Aplicar a todas las columnas"));
    progressBar->setObjectName(QStringLiteral("conditionsProgress"));
    progressBar->setRange(0, 0);
    progressBar->setAccessibleName(QStringLiteral("Aplicando las condiciones"));
    explainTable->setObjectName(QStringLiteral("explainTable"));
    explainTable->setHorizontalHeaderLabels(
        {QStringLiteral("Línea"), QStringLiteral("Condición"), QStringLiteral("La incumplen")});
    explainTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    explainTable->verticalHeader()->hide();
    explainTable->setAccessibleName(QStringLiteral("Columnas que incumplen cada condición"));
    explainTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summaryLabel->setObjectName(QStringLiteral("conditionsSummaryLabel"));
    summaryLabel->setWordWrap(true);
    auto* apply = new QHBoxLayout;
    apply->addWidget(allColumnsCheck);
    apply->addStretch(1);
    apply->addWidget(applyButton);
    auto* use = new QHBoxLayout;
    use->addStretch(1);
    use->addWidget(useButton);
    use->addWidget(saveBetButton);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(apply);
    layout->addWidget(progressBar);
    layout->addWidget(explainTable, 1);
    layout->addWidget(summaryLabel);
    layout->addLayout(use);
    connect(applyButton, &QPushButton::clicked, this, &ConditionsTab::Apply);
    connect(useButton, &QPushButton::clicked, this, &ConditionsTab::KeepRequested);
    connect(saveBetButton, &QPushButton::clicked, this, &ConditionsTab::SaveBetRequested);
    saveBetButton->setEnabled(false);
    return box;
}

void ConditionsTab::SetBet(const CColumnSet* newBet, const std::filesystem::path& betFile,
                           const CForecastTable& newForecast) {
    bet = newBet;
    forecast = newForecast;
    Forget();
    saveBetButton->setEnabled(false);
    if (betFile.empty() || betFile == proposedFor) {
        return;
    }
    proposedFor = betFile;
    const std::filesystem::path beside = betFile.parent_path() / kConditionsName;
    std::error_code error;
    if (std::filesystem::is_regular_file(beside, error)) {
        LoadFile(FromUtf8(beside.string()));
    } else if (loaded.lines.empty()) {
        conditionsFile = beside;
    }
}

bool ConditionsTab::LoadFile(const QString& path) {
    const std::filesystem::path file(path.toStdString());
    ConditionFileRead read = ReadConditions(file);
    if (!read.Ok()) {
        ShowMessage(this, FromUtf8("Condiciones " + Quoted(file.filename().string()) + ", " +
                                   ConditionErrorText(read) + ". No se ha cargado nada."));
        return false;
    }
    loaded = std::move(read.file);
    conditionsFile = file;
    table->Fill(loaded);
    failuresSpin->setValue(loaded.failures);
    fileLabel->setText(QStringLiteral("%1: %2 cargadas de «%3».")
                           .arg(QStringLiteral("Condiciones"),
                                QString::number(loaded.conditions.size()),
                                QDir::toNativeSeparators(path)));
    Forget();
    return true;
}

std::optional<ConditionsTab::Checked> ConditionsTab::Check(const QString& nothing) {
    Checked checked{EditConditions(loaded, table->Edited(), failuresSpin->value()), {}};
    std::istringstream in(checked.edited.text);
    ConditionFileRead read = ReadConditions(in);
    if (read.Ok()) {
        checked.file = std::move(read.file);
        return checked;
    }
    const auto& lines = checked.edited.conditionLines;
    const auto row = std::find(lines.begin(), lines.end(), read.line);
    const std::string where = row != lines.end()
                                  ? "fila " + std::to_string(row - lines.begin() + 1) + " (" +
                                        ConditionErrorText(read) + ")"
                                  : ConditionErrorText(read);
    ShowMessage(this, QStringLiteral("Condiciones, %1. %2").arg(FromUtf8(where), nothing));
    return std::nullopt;
}

void ConditionsTab::AskToOpen() {
    const QString chosen = AskFileName(
        this, ReducirFileRequest(FileDialogMode::kOpen, FromUtf8(conditionsFile.string())));
    if (!chosen.isEmpty()) {
        LoadFile(chosen);
    }
}

void ConditionsTab::Save() {
    const std::optional<Checked> checked = Check(QStringLiteral("No se ha grabado nada."));
    if (!checked) {
        return;
    }
    const QString proposed = conditionsFile.empty() ? QString::fromLatin1(kConditionsName)
                                                    : FromUtf8(conditionsFile.string());
    const QString chosen = AskFileName(this, ReducirFileRequest(FileDialogMode::kSave, proposed));
    if (chosen.isEmpty()) {
        return;
    }
    const std::filesystem::path path(chosen.toStdString());
    const SaveResult saved = WriteTextFile(path, checked->edited.text);
    const std::string name = path.filename().string();
    if (!saved.Saved()) {
        ShowMessage(this, FromUtf8(TextSaveMessage(name, saved)));
        return;
    }
    loaded = checked->file;
    conditionsFile = path;
    table->SetLines(checked->edited.conditionLines);
    fileLabel->setText(
        QStringLiteral("Condiciones grabadas en «%1».").arg(QDir::toNativeSeparators(chosen)));
    if (const std::string unsynced = TextFolderSyncMessage(name, saved); !unsynced.empty()) {
        ShowMessage(this, FromUtf8(unsynced));
    }
}

void ConditionsTab::Apply() {
    if (bet == nullptr || applying) {
        return;
    }
    const QString nothing = QStringLiteral("No se ha aplicado nada.");
    std::optional<Checked> checked = Check(nothing);
    if (!checked) {
        return;
    }
    ConditionsOrder order;
    order.which = allColumnsCheck->isChecked() ? ConditionColumns::kAll : ConditionColumns::kBet;
    order.scoring = ScoringOf(forecast);
    if (const std::int64_t line = checked->file.ValueLine(); line != 0) {
        const std::vector<double>* known = values ? values() : nullptr;
        if (known == nullptr || known->empty()) {
            ShowMessage(this, QStringLiteral("La condición «valor» (línea %1) "
                                             "necesita el valor esperado de cada columna: "
                                             "calcúlelo antes en la pestaña «Valor». %2")
                                  .arg(QString::number(line), nothing));
            return;
        }
        order.values = *known;
    }
    order.file = std::move(checked->file);
    if (order.which == ConditionColumns::kBet) {
        order.bet = CopyOf(*bet);
    }
    Forget();
    applying = true;
    applyButton->setEnabled(false);
    progressBar->show();
    worker->Start(std::move(order));
}

void ConditionsTab::Finish(const std::shared_ptr<ConditionsRun>& finished) {
    applying = false;
    applyButton->setEnabled(true);
    progressBar->hide();
    if (!finished) {
        ShowMessage(this,
                    QStringLiteral("No hay memoria suficiente para aplicar las condiciones."));
        return;
    }
    run = finished;
    const ConditionFile& file = run->file;
    explainTable->setRowCount(static_cast<int>(file.conditions.size()));
    for (std::size_t c = 0; c < file.conditions.size(); ++c) {
        const int row = static_cast<int>(c);
        explainTable->setItem(row, 0, NumberItem(GroupedNumber(file.conditions[c].line)));
        explainTable->setItem(
            row, 1, new QTableWidgetItem(FromUtf8(file.ConditionText(file.conditions[c]))));
        explainTable->setItem(row, 2, NumberItem(GroupedNumber(run->tally.breaking[c])));
    }
    explainTable->resizeColumnToContents(0);
    explainTable->resizeColumnToContents(2);
    summaryLabel->setText(SummaryText(file, *run));
    useButton->setEnabled(run->kept->Count() > 0);
}

std::unique_ptr<CColumnSet> ConditionsTab::TakeKept() {
    if (!run || !run->kept) {
        return nullptr;
    }
    keptText = FromUtf8("La apuesta es ahora las " + GroupedNumber(run->kept->Count()) + " de " +
                        CountWithNoun(run->tally.input, "columna", "columnas") +
                        " que cumplen las condiciones; no está grabada.");
    return std::move(run->kept);
}

void ConditionsTab::ShowKept() {
    summaryLabel->setText(keptText);
    saveBetButton->setEnabled(true);
}

void ConditionsTab::Forget() {
    worker->Forget();
    applying = false;
    run.reset();
    applyButton->setEnabled(true);
    progressBar->hide();
    explainTable->setRowCount(0);
    summaryLabel->clear();
    useButton->setEnabled(false);
}
