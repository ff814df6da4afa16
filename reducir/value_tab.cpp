#include "reducir/value_tab.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

#include "core/bet_cost.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/file_policy.h"
#include "reducir/value_chart.h"
#include "reducir/value_worker.h"
#include "text/spanish_numbers.h"
#include "value/round_inputs.h"
#include "value/value_euros.h"
#include "value/value_texts.h"

using namespace lumo;

namespace {

constexpr const char* kPublicName = "publico.txt";
constexpr const char* kOddsName = "cuotas.txt";
// The rows of the chances: cashing, then 14 to 10 hits.
constexpr int kChanceRows = 6;

QLabel* ResultLabel(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* label = new QLabel(QStringLiteral("—"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QLineEdit* Field(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    return edit;
}

// `name` beside the bet when it is there; empty otherwise.
QString Beside(const std::filesystem::path& betFile, const char* name) {
    const QString path = BesideFile(betFile, name);
    return QFileInfo(path).isFile() ? path : QString();
}

std::filesystem::path PathOf(const QLineEdit* edit) {
    return std::filesystem::path(edit->text().trimmed().toStdString());
}

double Cost(std::int32_t columns, std::int64_t priceCents) {
    return static_cast<double>(columns) * static_cast<double>(priceCents) / 100.0;
}

// Euros with the four decimals the least value takes: "0,3390".
QString ValueText(double euros) {
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(euros, 'f', 4);
}

// "Las columnas valen de 0,0123 € a 0,4567 €.", four decimals as the
// threshold takes them.
QString RangeText(const ValueHistogram& histogram) {
    if (histogram.counts.empty()) {
        return {};
    }
    return QStringLiteral("Las columnas de la apuesta valen de %1 € a %2 €.")
        .arg(ValueText(histogram.low), ValueText(histogram.high));
}

}  // namespace

ValueTab::ValueTab(QWidget* parent)
    : QWidget(parent),
      priceCents(kDefaultColumnPriceCents),
      worker(new ValueWorker(this)),
      publicEdit(Field(this, "publicFileEdit", QStringLiteral("Porcentajes del público"))),
      oddsEdit(Field(this, "oddsFileEdit", QStringLiteral("Cuotas"))),
      forecastLabel(ResultLabel(this, "forecastLabel", QStringLiteral("Probabilidades reales"))),
      takingsEdit(Field(this, "takingsEdit", QStringLiteral("Recaudación en euros"))),
      jackpotEdit(Field(this, "jackpotEdit", QStringLiteral("Bote en euros"))),
      priceLabel(ResultLabel(this, "valuePriceLabel", QStringLiteral("Precio por columna"))),
      calculateButton(new QPushButton(QStringLiteral("&Calcular"), this)),
      progressBar(new QProgressBar(this)),
      betValueLabel(ResultLabel(this, "betValueLabel", QStringLiteral("Valor de la apuesta"))),
      betVerdictLabel(ResultLabel(this, "betVerdictLabel", QStringLiteral("¿Rentable?"))),
      reductionValueLabel(
          ResultLabel(this, "reductionValueLabel", QStringLiteral("Valor de la reducción"))),
      reductionVerdictLabel(
          ResultLabel(this, "reductionVerdictLabel", QStringLiteral("¿Rentable la reducción?"))),
      chancesTable(new QTableWidget(kChanceRows, 2, this)),
      chart(new ValueChart(this)),
      thresholdEdit(Field(this, "thresholdEdit", QStringLiteral("Valor mínimo en euros"))),
      keepButton(new QPushButton(QStringLiteral("&Quitar las de menos valor"), this)),
      rangeLabel(ResultLabel(this, "valueRangeLabel", QStringLiteral("Valores de las columnas"))),
      keptLabel(ResultLabel(this, "valueKeptLabel", QStringLiteral("Columnas que quedan"))),
      saveBetButton(new QPushButton(QStringLiteral("&Grabar apuesta…"), this)) {
    chart->setObjectName(QStringLiteral("valueChart"));
    auto* left = new QVBoxLayout;
    left->addWidget(RoundBox());
    left->addWidget(KeepBox());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 4);
    layout->addWidget(ResultBox(), 4);
    layout->addWidget(chart, 5);
    connect(calculateButton, &QPushButton::clicked, this, &ValueTab::Calculate);
    connect(keepButton, &QPushButton::clicked, this, &ValueTab::RequestKeep);
    connect(saveBetButton, &QPushButton::clicked, this, &ValueTab::SaveBetRequested);
    connect(worker, &ValueWorker::Finished, this, &ValueTab::Finish);
    SetPrice(kDefaultColumnPriceCents);
}

QWidget* ValueTab::RoundBox() {
    auto* box = new QGroupBox(QStringLiteral("Jornada"), this);
    auto* form = new QFormLayout(box);
    const auto fileRow = [this, box, form](QLineEdit* edit, const char* name, const char* proposed,
                                           const QString& label) {
        auto* choose = new QPushButton(QStringLiteral("Elegir…"), box);
        choose->setObjectName(QString::fromLatin1(name));
        choose->setAccessibleName(QStringLiteral("Elegir: ") + edit->accessibleName());
        connect(choose, &QPushButton::clicked, this,
                [this, edit, proposed] { ChooseFile(edit, proposed); });
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(choose);
        form->addRow(label, row);
    };
    fileRow(publicEdit, "choosePublicButton", kPublicName, QStringLiteral("Público:"));
    oddsEdit->setPlaceholderText(QStringLiteral("ninguno: el pronóstico de la apuesta"));
    oddsEdit->setClearButtonEnabled(true);
    fileRow(oddsEdit, "chooseOddsButton", kOddsName, QStringLiteral("Cuotas:"));
    form->addRow(QStringLiteral("Pronóstico:"), forecastLabel);
    takingsEdit->setPlaceholderText(QStringLiteral("en euros, por ejemplo 2.500.000"));
    form->addRow(QStringLiteral("Recaudación:"), takingsEdit);
    jackpotEdit->setText(QStringLiteral("0"));
    form->addRow(QStringLiteral("Bote:"), jackpotEdit);
    form->addRow(QStringLiteral("Precio:"), priceLabel);
    calculateButton->setObjectName(QStringLiteral("calculateButton"));
    calculateButton->setAccessibleName(QStringLiteral("Calcular el valor esperado"));
    progressBar->setObjectName(QStringLiteral("valueProgress"));
    progressBar->setAccessibleName(QStringLiteral("Calculando el valor esperado"));
    progressBar->setRange(0, 0);
    progressBar->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculateButton);
    buttons->addWidget(progressBar, 1);
    form->addRow(buttons);
    return box;
}

QWidget* ValueTab::ResultBox() {
    auto* box = new QGroupBox(QStringLiteral("Valor esperado"), this);
    auto* column = new QVBoxLayout(box);
    for (QLabel* label :
         {betValueLabel, betVerdictLabel, reductionValueLabel, reductionVerdictLabel}) {
        column->addWidget(label);
    }
    chancesTable->setObjectName(QStringLiteral("chancesTable"));
    chancesTable->setAccessibleName(QStringLiteral("Probabilidad de cobrar"));
    chancesTable->setHorizontalHeaderLabels(
        {QStringLiteral("Apuesta"), QStringLiteral("Reducción")});
    chancesTable->setVerticalHeaderLabels(
        {QStringLiteral("Cobrar algún premio"), QStringLiteral("14 aciertos"),
         QStringLiteral("13 aciertos"), QStringLiteral("12 aciertos"),
         QStringLiteral("11 aciertos"), QStringLiteral("10 aciertos")});
    chancesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chancesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    chancesTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    chancesTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    chancesTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chancesTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chancesTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    column->addWidget(new QLabel(QStringLiteral("Probabilidad de acertar:"), box));
    column->addWidget(chancesTable);
    auto* explanation = new QLabel(
        QStringLiteral("El valor esperado es lo que la apuesta cobraría de media si la jornada se "
                       "jugara muchas veces, con cada premio repartido entre sus acertantes y los "
                       "del público. Solo es rentable si supera lo que cuesta."),
        box);
    explanation->setWordWrap(true);
    column->addWidget(explanation);
    column->addStretch();
    return box;
}

QWidget* ValueTab::KeepBox() {
    auto* box = new QGroupBox(QStringLiteral("Quitar las de menos valor"), this);
    auto* form = new QFormLayout(box);
    thresholdEdit->setPlaceholderText(QStringLiteral("euros, hasta 4 decimales: 0,3390"));
    form->addRow(QStringLiteral("Valor mínimo:"), thresholdEdit);
    keepButton->setObjectName(QStringLiteral("keepButton"));
    keepButton->setAccessibleName(QStringLiteral("Quitar las columnas de menos valor"));
    saveBetButton->setObjectName(QStringLiteral("saveBetButton"));
    saveBetButton->setAccessibleName(QStringLiteral("Grabar la apuesta"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(keepButton);
    buttons->addWidget(saveBetButton);
    buttons->addStretch();
    form->addRow(buttons);
    form->addRow(rangeLabel);
    form->addRow(keptLabel);
    return box;
}

void ValueTab::SetBet(const CColumnSet* shown, const std::filesystem::path& betFile,
                      const MatchTable& probabilities, const QString& forecastText) {
    bet = shown;
    reduction = nullptr;
    forecast = probabilities;
    forecastLabel->setText(forecastText.isEmpty() ? QStringLiteral("—") : forecastText);
    if (!betFile.empty() && betFile != proposedFor) {
        proposedFor = betFile;
        publicEdit->setText(Beside(betFile, kPublicName));
        oddsEdit->setText(Beside(betFile, kOddsName));
    }
    keptText.clear();
    Forget();
}

void ValueTab::SetReduction(const CColumnSet* shown) {
    if (shown != reduction) {
        reduction = shown;
        Forget();
    }
}

void ValueTab::SetPrice(std::int64_t cents) {
    priceCents = cents;
    priceLabel->setText(FromUtf8(EurosText(cents)) + QStringLiteral(" por columna"));
    Forget();
}

void ValueTab::ShowKept(std::int32_t before) {
    keptText = QStringLiteral("Quedan %1 de %2.")
                   .arg(FromUtf8(CountWithNoun(bet ? bet->Count() : 0, "columna", "columnas")),
                        FromUtf8(GroupedNumber(before)));
    Calculate();
}

void ValueTab::Calculate() {
    if (bet == nullptr) {
        return;
    }
    const RoundReading reading =
        ReadRound({.publicFile = PathOf(publicEdit),
                   .oddsFile = PathOf(oddsEdit),
                   .forecast = forecast,
                   .takings = takingsEdit->text().toStdString(),
                   .jackpot = jackpotEdit->text().toStdString(),
                   .columnPrice = static_cast<double>(priceCents) / 100.0});
    if (!reading.Ok()) {
        Forget();
        ShowMessage(this, FromUtf8(reading.message));
        return;
    }
    report.reset();
    calculating = true;
    reportedBet = bet->Count();
    reportedReduction = reduction ? reduction->Count() : 0;
    worker->Start(reading.round, IndicesOf(*bet),
                  reduction ? std::optional(IndicesOf(*reduction)) : std::nullopt);
    ShowResults();
}

void ValueTab::Finish(const std::shared_ptr<ValueReport>& finished) {
    calculating = false;
    report = finished;
    if (!finished) {
        ShowMessage(this, QStringLiteral("No hay memoria suficiente para el valor esperado."));
    }
    ShowResults();
}

void ValueTab::ChooseFile(QLineEdit* edit, const char* proposedName) {
    const QString current = edit->text().trimmed();
    const QString chosen = AskFileName(
        this,
        ReducirFileRequest(FileDialogMode::kOpen,
                           current.isEmpty() ? BesideFile(proposedFor, proposedName) : current));
    if (!chosen.isEmpty()) {
        edit->setText(chosen);
    }
}

void ValueTab::RequestKeep() {
    const std::optional<double> euros = ParseValueEuros(thresholdEdit->text().toStdString());
    if (!euros) {
        ShowMessage(this, QStringLiteral("El valor mínimo debe ser un importe en euros con hasta "
                                         "cuatro decimales, como 0,5 o 0,3390: «%1».")
                              .arg(thresholdEdit->text()));
        return;
    }
    if (!report) {
        return;
    }
    // A bet of no columns is no bet to go on with.
    if (report->histogram.counts.empty() || *euros > report->histogram.high) {
        ShowMessage(this, QStringLiteral("Ninguna columna de la apuesta vale al menos %1 €; la de "
                                         "más valor vale %2 €.")
                              .arg(ValueText(*euros), ValueText(report->histogram.high)));
        return;
    }
    Q_EMIT KeepRequested(*euros);
}

void ValueTab::Forget() {
    worker->Forget();
    calculating = false;
    report.reset();
    ShowResults();
}

void ValueTab::ShowResults() {
    calculateButton->setEnabled(bet != nullptr && !calculating);
    progressBar->setVisible(calculating);
    keepButton->setEnabled(report != nullptr);
    saveBetButton->setEnabled(bet != nullptr);
    keptLabel->setText(keptText);
    rangeLabel->setText(report ? RangeText(report->histogram) : QString());
    ShowChances();
    chart->Show(report ? &report->histogram : nullptr);
    const QString none = calculating ? QStringLiteral("calculando…") : QStringLiteral("—");
    if (!report) {
        for (QLabel* label :
             {betValueLabel, betVerdictLabel, reductionValueLabel, reductionVerdictLabel}) {
            label->setText(none);
        }
        return;
    }
    const double betCost = Cost(reportedBet, priceCents);
    betValueLabel->setText(QStringLiteral("Apuesta. ") +
                           FromUtf8(ValueAgainstCost(report->bet.expected, betCost)));
    betVerdictLabel->setText(FromUtf8(ValueVerdict(report->bet.expected, betCost)));
    if (!report->reduction) {
        reductionValueLabel->setText(QStringLiteral("Sin reducción."));
        reductionVerdictLabel->setText(QString());
        return;
    }
    const double reductionCost = Cost(reportedReduction, priceCents);
    reductionValueLabel->setText(
        QStringLiteral("Reducción. ") +
        FromUtf8(ValueAgainstCost(report->reduction->expected, reductionCost)));
    reductionVerdictLabel->setText(
        FromUtf8(ValueVerdict(report->reduction->expected, reductionCost)));
}

void ValueTab::ShowChances() {
    const std::array<const BetValue*, 2> sides{
        report ? &report->bet : nullptr,
        report && report->reduction ? &*report->reduction : nullptr};
    for (int side = 0; side < 2; ++side) {
        const BetValue* value = sides[static_cast<std::size_t>(side)];
        for (int row = 0; row < kChanceRows; ++row) {
            const double chance = value == nullptr ? 0.0
                                  : row == 0
                                      ? value->cashChance
                                      : value->categoryChances[static_cast<std::size_t>(row - 1)];
            auto* item =
                new QTableWidgetItem(value ? FromUtf8(ChanceText(chance)) : QStringLiteral("—"));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            chancesTable->setItem(row, side, item);
        }
    }
}
