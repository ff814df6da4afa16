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
#include "betfile/clipboard_text.h"
#include "core/bet_cost.h"
#include "platform/bet_clipboard.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/text_file_request.h"
#include "reducir/bet_summary.h"
#include "reducir/file_policy.h"
#include "reducir/reduction_worker.h"
#include "reduction/reduced_bet.h"
#include "text/spanish_numbers.h"

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
      guarantee(new QComboBox(this)),
      optimise(new QSpinBox(this)),
      reduce(new QPushButton(QStringLiteral("&Reducir"), this)),
      cancel(new QPushButton(QStringLiteral("&Cancelar"), this)),
      progress(new QProgressBar(this)),
      kept(ResultLabel(this, "kept", QStringLiteral("Columnas conservadas"))),
      cost(ResultLabel(this, "reductionCost", QStringLiteral("Coste de la reducción"))),
      took(ResultLabel(this, "took", QStringLiteral("Tiempo empleado"))),
      lowerBound(ResultLabel(this, "lowerBound", QStringLiteral("Cota inferior"))),
      check(ResultLabel(this, "check", QStringLiteral("Comprobación de la garantía"))),
      save(new QPushButton(QStringLiteral("&Grabar…"), this)),
      copy(new QPushButton(QStringLiteral("C&opiar"), this)) {
    guarantee->setObjectName(QStringLiteral("guarantee"));
    for (std::int32_t value = kHighestGuaranteeOffered; value >= kLowestGuarantee; --value) {
        guarantee->addItem(QStringLiteral("al %1").arg(value), value);
    }
    guarantee->setAccessibleName(QStringLiteral("Garantía"));
    optimise->setObjectName(QStringLiteral("optimise"));
    optimise->setRange(0, 3600);
    optimise->setSuffix(QStringLiteral(" s"));
    optimise->setSpecialValueText(QStringLiteral("sin mejora"));
    optimise->setAccessibleName(QStringLiteral("Tiempo para mejorar el resultado, en segundos"));
    reduce->setObjectName(QStringLiteral("reduce"));
    reduce->setAccessibleName(QStringLiteral("Reducir"));
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAccessibleName(QStringLiteral("Cancelar la reducción"));
    progress->setObjectName(QStringLiteral("progress"));
    progress->setAccessibleName(QStringLiteral("Progreso de la reducción"));
    progress->setRange(0, 100);
    progress->setValue(0);
    save->setObjectName(QStringLiteral("save"));
    save->setAccessibleName(QStringLiteral("Grabar la reducción"));
    copy->setObjectName(QStringLiteral("copy"));
    copy->setAccessibleName(QStringLiteral("Copiar la reducción al portapapeles"));

    auto* order = new QGroupBox(QStringLiteral("Reducción con garantía"), this);
    auto* orderForm = new QFormLayout(order);
    auto* guaranteeLabel = new QLabel(QStringLiteral("Gara&ntía:"), order);
    guaranteeLabel->setBuddy(guarantee);
    orderForm->addRow(guaranteeLabel, guarantee);
    auto* optimiseLabel = new QLabel(QStringLiteral("&Mejorar durante:"), order);
    optimiseLabel->setBuddy(optimise);
    orderForm->addRow(optimiseLabel, optimise);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reduce);
    buttons->addWidget(cancel);
    buttons->addStretch();
    orderForm->addRow(buttons);
    orderForm->addRow(progress);

    auto* outcome = new QGroupBox(QStringLiteral("Resultado"), this);
    auto* outcomeForm = new QFormLayout(outcome);
    outcomeForm->addRow(QStringLiteral("Columnas conservadas:"), kept);
    outcomeForm->addRow(QStringLiteral("Coste:"), cost);
    outcomeForm->addRow(QStringLiteral("Tiempo:"), took);
    outcomeForm->addRow(QStringLiteral("Cota inferior:"), lowerBound);
    outcomeForm->addRow(QStringLiteral("Garantía:"), check);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(save);
    fileButtons->addWidget(copy);
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

    connect(reduce, &QPushButton::clicked, this, &ReduceTab::Start);
    connect(cancel, &QPushButton::clicked, this, &ReduceTab::Cancel);
    connect(save, &QPushButton::clicked, this, &ReduceTab::Save);
    connect(copy, &QPushButton::clicked, this, &ReduceTab::Copy);
    connect(worker, &ReductionWorker::Progressed, progress, &QProgressBar::setValue);
    connect(worker, &ReductionWorker::Finished, this, &ReduceTab::Finish);
    ShowResult();
}

void ReduceTab::SetBet(const CColumnSet* shown, const std::filesystem::path& file) {
    worker->Stop();
    bet = shown;
    betFile = file;
    result.reset();
    progress->setValue(0);
    ShowResult();
    Q_EMIT ReductionChanged(nullptr);
}

void ReduceTab::SetPrice(std::int64_t cents) {
    priceCents = cents;
    ShowResult();
}

const CColumnSet* ReduceTab::Reduction() const {
    return result ? result->kept.get() : nullptr;
}

bool ReduceTab::Running() const {
    return worker->Running();
}

void ReduceTab::Start() {
    if (bet == nullptr || Running()) {
        return;
    }
    const ReductionOrder order{guarantee->currentData().toInt(),
                               std::chrono::seconds(optimise->value())};
    result.reset();
    resultGuarantee = order.guarantee;
    progress->setValue(0);
    Q_EMIT ReductionChanged(nullptr);
    worker->Start(*bet, order);
    ShowResult();
}

void ReduceTab::Cancel() {
    if (Running()) {
        worker->RequestStop();
        ParkFocus();
        cancel->setEnabled(false);
    }
}

void ReduceTab::Finish(const std::shared_ptr<ReductionRun>& run) {
    if (!run) {
        ShowMessage(this, QStringLiteral("No hay memoria suficiente para reducir esta apuesta."));
    } else if (run->end == ReductionEnd::kComplete) {
        result = std::make_unique<ReductionRun>(std::move(*run));
        progress->setValue(100);
    } else {
        progress->setValue(0);
    }
    ShowResult();
    Q_EMIT ReductionChanged(Reduction());
}

void ReduceTab::Save() {
    if (!result) {
        return;
    }
    const std::string stem = betFile.empty() ? std::string("apuesta") : betFile.stem().string();
    // In the bet's folder: the dialog starts there.
    const std::filesystem::path proposed =
        betFile.parent_path() / (stem + "-al" + std::to_string(resultGuarantee) + ".txt");
    const QString chosen = AskFileName(
        this,
        TextFileRequest(FileDialogMode::kSave, FromUtf8(proposed.string()), kReducirOverwrite));
    if (chosen.isEmpty()) {
        return;
    }
    const std::filesystem::path path(chosen.toStdString());
    const BetSaveResult saved = WriteBet(path, *result->kept);
    if (!saved.Saved()) {
        ShowMessage(this, FromUtf8(BetSaveMessage(path.filename().string(), saved)));
    }
}

void ReduceTab::Copy() {
    if (result) {
        CopyBetToClipboard(this, *result->kept, {kClipboardColumnLimit, FromUtf8(kCopyLimitText)});
    }
}

// Disabling the control that has the focus would pass it on to the price
// above, where the next keys typed would change the price: the focus waits on
// the tab instead, and ShowResult hands it to "Cancelar" or "Reducir".
void ReduceTab::ParkFocus() {
    if (reduce->hasFocus() || cancel->hasFocus() || guarantee->hasFocus() || optimise->hasFocus()) {
        setFocus();
    }
}

void ReduceTab::ShowResult() {
    const bool running = Running();
    ParkFocus();
    reduce->setEnabled(bet != nullptr && !running);
    cancel->setEnabled(running);
    guarantee->setEnabled(!running);
    optimise->setEnabled(!running);
    if (hasFocus()) {
        if (cancel->isEnabled()) {
            cancel->setFocus();
        } else if (reduce->isEnabled()) {
            reduce->setFocus();
        }
    }
    save->setEnabled(result != nullptr);
    copy->setEnabled(result != nullptr);
    if (!result) {
        const QString none = running ? QStringLiteral("reduciendo…") : QStringLiteral("—");
        for (QLabel* label : {kept, cost, took, lowerBound, check}) {
            label->setText(none);
        }
        return;
    }
    kept->setText(FromUtf8(CountWithNoun(result->kept->Count(), "columna", "columnas")));
    cost->setText(CostText(result->kept->Count(), priceCents) + QStringLiteral(", ") +
                  TicketsText(result->kept->Count()));
    took->setText(SecondsText(result->took));
    lowerBound->setText(result->lowerBound == 0
                            ? QStringLiteral("sin cota")
                            : FromUtf8(CountWithNoun(result->lowerBound, "columna", "columnas")));
    check->setText(result->checked ? QStringLiteral("Garantía comprobada")
                                   : QStringLiteral("La garantía NO se cumple"));
}
