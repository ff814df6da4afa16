#include "reducir/reduce_tab.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "betfile/bet_messages.h"
#include "betfile/bet_writer.h"
#include "core/bet_cost.h"
#include "platform/bet_clipboard.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/bet_summary.h"
#include "reducir/file_policy.h"
#include "reducir/reduction_worker.h"
#include "reduction/reduced_bet.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

// The guarantees offered, from this one down to the lowest.
constexpr std::int32_t kHighestGuaranteeOffered = 13;

QLabel* ResultLabel(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* label = new QLabel(QStringLiteral("—"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(accessibleName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QString SecondsText(std::chrono::steady_clock::duration took) {
    const double seconds = std::chrono::duration<double>(took).count();
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(seconds, 'f', 2) +
           QStringLiteral(" s");
}

}  // namespace

ReduceTab::ReduceTab(QWidget* parent)
    : QWidget(parent),
      priceCents(kDefaultColumnPriceCents),
      worker(new ReductionWorker(this)),
      guaranteeBox(new QComboBox(this)),
      optimiseBox(new QSpinBox(this)),
      reduceButton(new QPushButton(QStringLiteral("&Reducir"), this)),
      cancelButton(new QPushButton(QStringLiteral("&Cancelar"), this)),
      progressBar(new QProgressBar(this)),
      keptLabel(ResultLabel(this, "keptLabel", QStringLiteral("Columnas conservadas"))),
      reductionCostLabel(
          ResultLabel(this, "reductionCostLabel", QStringLiteral("Coste de la reducción"))),
      tookLabel(ResultLabel(this, "tookLabel", QStringLiteral("Tiempo empleado"))),
      lowerBoundLabel(ResultLabel(this, "lowerBoundLabel", QStringLiteral("Cota inferior"))),
      checkLabel(ResultLabel(this, "checkLabel", QStringLiteral("Comprobación de la garantía"))),
      saveButton(new QPushButton(QStringLiteral("&Grabar…"), this)),
      copyButton(new QPushButton(QStringLiteral("C&opiar"), this)) {
    guaranteeBox->setObjectName(QStringLiteral("guaranteeBox"));
    for (std::int32_t value = kHighestGuaranteeOffered; value >= kLowestGuarantee; --value) {
        guaranteeBox->addItem(QStringLiteral("al %1").arg(value), value);
    }
    guaranteeBox->setAccessibleName(QStringLiteral("Garantía"));
    optimiseBox->setObjectName(QStringLiteral("optimiseBox"));
    optimiseBox->setRange(0, 3600);
    optimiseBox->setSuffix(QStringLiteral(" s"));
    optimiseBox->setSpecialValueText(QStringLiteral("sin mejora"));
    optimiseBox->setAccessibleName(QStringLiteral("Tiempo para mejorar el resultado, en segundos"));
    reduceButton->setObjectName(QStringLiteral("reduceButton"));
    reduceButton->setAccessibleName(QStringLiteral("Reducir"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAccessibleName(QStringLiteral("Cancelar la reducción"));
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setAccessibleName(QStringLiteral("Progreso de la reducción"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setAccessibleName(QStringLiteral("Grabar la reducción"));
    copyButton->setObjectName(QStringLiteral("copyButton"));
    copyButton->setAccessibleName(QStringLiteral("Copiar la reducción al portapapeles"));

    auto* order = new QGroupBox(QStringLiteral("Reducción con garantía"), this);
    auto* orderForm = new QFormLayout(order);
    auto* guaranteeLabel = new QLabel(QStringLiteral("Gara&ntía:"), order);
    guaranteeLabel->setBuddy(guaranteeBox);
    orderForm->addRow(guaranteeLabel, guaranteeBox);
    auto* optimiseLabel = new QLabel(QStringLiteral("&Mejorar durante:"), order);
    optimiseLabel->setBuddy(optimiseBox);
    orderForm->addRow(optimiseLabel, optimiseBox);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reduceButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    orderForm->addRow(buttons);
    orderForm->addRow(progressBar);

    auto* outcome = new QGroupBox(QStringLiteral("Resultado"), this);
    auto* outcomeForm = new QFormLayout(outcome);
    outcomeForm->addRow(QStringLiteral("Columnas conservadas:"), keptLabel);
    outcomeForm->addRow(QStringLiteral("Coste:"), reductionCostLabel);
    outcomeForm->addRow(QStringLiteral("Tiempo:"), tookLabel);
    outcomeForm->addRow(QStringLiteral("Cota inferior:"), lowerBoundLabel);
    outcomeForm->addRow(QStringLiteral("Garantía:"), checkLabel);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(saveButton);
    fileButtons->addWidget(copyButton);
    fileButtons->addStretch();
    outcomeForm->addRow(fileButtons);

    auto* row = new QHBoxLayout;
    row->addWidget(order, 1);
    row->addWidget(outcome, 1);
    auto* explanation = new QLabel(
        QStringLiteral(
            "Una reducción al 13 conserva parte de las columnas de la apuesta de modo que, si el "
            "resultado de la jornada es una de ellas, alguna columna conservada tiene al menos 13 "
            "aciertos; al 12, al 11 y al 10, lo mismo con 12, 11 y 10 aciertos. Cuanto menor es la "
            "garantía, menos columnas hacen falta. «Mejorar durante» busca una reducción aún más "
            "pequeña durante esos segundos; la garantía se comprueba al final, aparte."),
        this);
    explanation->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(explanation);
    layout->addStretch();

    connect(reduceButton, &QPushButton::clicked, this, &ReduceTab::Start);
    connect(cancelButton, &QPushButton::clicked, this, &ReduceTab::Cancel);
    connect(saveButton, &QPushButton::clicked, this, &ReduceTab::Save);
    connect(copyButton, &QPushButton::clicked, this, &ReduceTab::Copy);
    connect(worker, &ReductionWorker::Progressed, progressBar, &QProgressBar::setValue);
    connect(worker, &ReductionWorker::Finished, this, &ReduceTab::Finish);
    ShowResult();
}

void ReduceTab::SetBet(const CColumnSet* shown, const std::filesystem::path& file) {
    worker->Stop();
    bet = shown;
    betFile = file;
    result = {};
    previous = {};
    progressBar->setValue(0);
    ShowResult();
    Q_EMIT ReductionChanged(nullptr);
}

void ReduceTab::SetPrice(std::int64_t cents) {
    priceCents = cents;
    ShowResult();
}

const CColumnSet* ReduceTab::Reduction() const {
    return result.run ? result.run->kept.get() : nullptr;
}

bool ReduceTab::Running() const {
    return worker->Running();
}

bool ReduceTab::MayDiscardReduction() {
    if (!result.run || result.saved) {
        return true;
    }
    switch (AskSaveDiscardCancel(this, QStringLiteral("¿Descartar la reducción sin grabar?"))) {
        case MessageAnswer::kSave:
            return Save();
        case MessageAnswer::kDiscard:
            return true;
        default:
            return false;
    }
}

void ReduceTab::Start() {
    if (bet == nullptr || Running() || !MayDiscardReduction()) {
        return;
    }
    const ReductionOrder order{guaranteeBox->currentData().toInt(),
                               std::chrono::seconds(optimiseBox->value())};
    previous = std::move(result);
    result = {};
    progressBar->setValue(0);
    Q_EMIT ReductionChanged(nullptr);
    worker->Start(*bet, order);
    ShowResult();
}

void ReduceTab::Cancel() {
    if (Running()) {
        worker->RequestStop();
        ParkFocus();
        cancelButton->setEnabled(false);
    }
}

void ReduceTab::Finish(const std::shared_ptr<ReductionRun>& run) {
    if (!run) {
        ShowMessage(this, QStringLiteral("No hay memoria suficiente para reducir esta apuesta."));
    }
    if (run && run->kept) {
        result = {std::make_unique<ReductionRun>(std::move(*run)), false};
        previous = {};
        progressBar->setValue(100);
    } else {
        // Stopped before a result: the one shown before comes back.
        result = std::move(previous);
        previous = {};
        progressBar->setValue(0);
    }
    ShowResult();
    Q_EMIT ReductionChanged(Reduction());
}

bool ReduceTab::Save() {
    if (!result.run) {
        return false;
    }
    const std::string stem = betFile.empty() ? std::string("apuesta") : betFile.stem().string();
    // In the bet's folder: the dialog starts there.
    const std::filesystem::path proposed =
        betFile.parent_path() / (stem + "-al" + std::to_string(result.run->guarantee) + ".txt");
    const QString chosen =
        AskFileName(this, ReducirFileRequest(FileDialogMode::kSave, FromUtf8(proposed.string())));
    if (chosen.isEmpty()) {
        return false;
    }
    const std::filesystem::path path(chosen.toStdString());
    const SaveResult saved = WriteBet(path, *result.run->kept);
    if (!saved.Saved()) {
        ShowMessage(this, FromUtf8(BetSaveMessage(path.filename().string(), saved)));
        return false;
    }
    result.saved = true;
    Q_EMIT Saved(chosen);
    return true;
}

void ReduceTab::Copy() {
    if (result.run) {
        CopyWholeBetToClipboard(this, *result.run->kept);
    }
}

// Disabling the control that has the focus would pass it on to the price
// above, where the next keys typed would change the price: the focus waits on
// the tab instead, and ShowResult hands it to "Cancelar" or "Reducir".
void ReduceTab::ParkFocus() {
    if (reduceButton->hasFocus() || cancelButton->hasFocus() || guaranteeBox->hasFocus() ||
        optimiseBox->hasFocus()) {
        setFocus();
    }
}

void ReduceTab::ShowResult() {
    const bool running = Running();
    ParkFocus();
    reduceButton->setEnabled(bet != nullptr && !running);
    cancelButton->setEnabled(running);
    guaranteeBox->setEnabled(!running);
    optimiseBox->setEnabled(!running);
    if (hasFocus()) {
        if (cancelButton->isEnabled()) {
            cancelButton->setFocus();
        } else if (reduceButton->isEnabled()) {
            reduceButton->setFocus();
        }
    }
    saveButton->setEnabled(result.run != nullptr);
    copyButton->setEnabled(result.run != nullptr);
    if (!result.run) {
        const QString none = running ? QStringLiteral("reduciendo…") : QStringLiteral("—");
        for (QLabel* label :
             {keptLabel, reductionCostLabel, tookLabel, lowerBoundLabel, checkLabel}) {
            label->setText(none);
        }
        return;
    }
    const ReductionRun& shown = *result.run;
    keptLabel->setText(FromUtf8(CountWithNoun(shown.kept->Count(), "columna", "columnas")));
    reductionCostLabel->setText(CostText(shown.kept->Count(), priceCents) + QStringLiteral(", ") +
                                TicketsText(shown.kept->Count()));
    tookLabel->setText(SecondsText(shown.took) +
                       (shown.end == ReductionEnd::kCutShort
                            ? QStringLiteral(", detenida antes de terminar la mejora")
                            : QString()));
    lowerBoundLabel->setText(
        shown.lowerBound == 0 ? QStringLiteral("sin cota")
                              : FromUtf8(CountWithNoun(shown.lowerBound, "columna", "columnas")));
    checkLabel->setText(shown.checked ? QStringLiteral("Garantía comprobada")
                                      : QStringLiteral("La garantía NO se cumple"));
}
