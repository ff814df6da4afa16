#include "reducir/past_rounds_box.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/scrutiny.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/compact_chart.h"
#include "reducir/file_policy.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

constexpr PrizeCategory kShownCategories[] = {PrizeCategory::kFourteen, PrizeCategory::kThirteen,
                                              PrizeCategory::kTwelve, PrizeCategory::kEleven,
                                              PrizeCategory::kTen};
constexpr int kReductionBestColumn = 7;

QString BestText(const Scrutiny& scrutiny) {
    const std::optional<std::int32_t> best = scrutiny.BestHits();
    return best ? QString::number(*best) : QStringLiteral("—");
}

}  // namespace

PastRoundsBox::PastRoundsBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Jornadas pasadas"), parent),
      openButton(new QPushButton(QStringLiteral("Abrir &jornadas…"), this)),
      roundsTable(new QTableWidget(0, kReductionBestColumn + 1, this)),
      chart(new QChart),
      betBest(new QLineSeries),
      reductionBest(new QLineSeries) {
    openButton->setObjectName(QStringLiteral("openRoundsButton"));
    openButton->setAccessibleName(QStringLiteral("Abrir un archivo de jornadas pasadas"));
    roundsTable->setObjectName(QStringLiteral("roundsTable"));
    roundsTable->setAccessibleName(QStringLiteral("Aciertos de la apuesta en cada jornada pasada"));
    roundsTable->setHorizontalHeaderLabels(
        {QStringLiteral("Jornada"), QStringLiteral("Mejor"), QStringLiteral("14"),
         QStringLiteral("13"), QStringLiteral("12"), QStringLiteral("11"), QStringLiteral("10"),
         QStringLiteral("Mejor reducida")});
    roundsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    roundsTable->verticalHeader()->setDefaultSectionSize(22);
    roundsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    roundsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    betBest->setName(QStringLiteral("Apuesta"));
    reductionBest->setName(QStringLiteral("Reducción"));
    chart->addSeries(betBest);
    chart->addSeries(reductionBest);
    chart->setTitle(QStringLiteral("Mejores aciertos por jornada"));
    auto* roundAxis = new QValueAxis;
    roundAxis->setLabelFormat(QStringLiteral("%.0f"));
    auto* hitsAxis = new QValueAxis;
    hitsAxis->setRange(0, kMatches);
    hitsAxis->setTickCount(3);
    roundAxis->setTickType(QValueAxis::TicksDynamic);
    roundAxis->setTickAnchor(1);
    hitsAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(roundAxis, Qt::AlignBottom);
    chart->addAxis(hitsAxis, Qt::AlignLeft);
    for (QLineSeries* series : {betBest, reductionBest}) {
        series->attachAxis(roundAxis);
        series->attachAxis(hitsAxis);
        series->setPointsVisible(true);
    }
    chart->legend()->setAlignment(Qt::AlignRight);
    MakeCompact(*chart);
    auto* chartView = new QChartView(chart, this);
    chartView->setObjectName(QStringLiteral("roundsChart"));
    chartView->setAccessibleName(QStringLiteral("Gráfico de los mejores aciertos por jornada"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(150);

    auto* left = new QVBoxLayout;
    left->addWidget(openButton, 0, Qt::AlignLeft);
    left->addWidget(roundsTable);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addWidget(chartView, 2);

    connect(openButton, &QPushButton::clicked, this, &PastRoundsBox::AskForRounds);
    SetSets(nullptr, nullptr);
}

void PastRoundsBox::SetSets(const CColumnSet* shownBet, const CColumnSet* shownReduction) {
    bet = shownBet;
    reduction = shownReduction;
    openButton->setEnabled(bet != nullptr);
    Show();
}

bool PastRoundsBox::OpenRounds(const std::filesystem::path& file) {
    RoundFileReading reading = ReadRoundFile(file);
    if (reading.problem != RoundFileProblem::kNone) {
        ShowMessage(this, FromUtf8(RoundFileMessage(file.filename().string(), reading)));
        return false;
    }
    rounds = std::move(reading.rounds);
    Show();
    return true;
}

void PastRoundsBox::AskForRounds() {
    const QString chosen = AskFileName(
        this, ReducirFileRequest(FileDialogMode::kOpen, QStringLiteral("jornadas.txt")));
    if (!chosen.isEmpty()) {
        OpenRounds(std::filesystem::path(chosen.toStdString()));
    }
}

void PastRoundsBox::Show() {
    betBest->clear();
    reductionBest->clear();
    const int shown = bet == nullptr ? 0 : static_cast<int>(rounds.size());
    roundsTable->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const RoundResult& round = rounds[static_cast<std::size_t>(row)];
        const Scrutiny counts = Scrutinise(*bet, round.result);
        roundsTable->setItem(row, 0, new QTableWidgetItem(FromUtf8(round.name)));
        roundsTable->setItem(row, 1, new QTableWidgetItem(BestText(counts)));
        int column = 2;
        for (const PrizeCategory category : kShownCategories) {
            roundsTable->setItem(
                row, column++,
                new QTableWidgetItem(FromUtf8(GroupedNumber(counts.InCategory(category)))));
        }
        betBest->append(row + 1, counts.BestHits().value_or(0));
        QString reducedBest = QStringLiteral("—");
        if (reduction != nullptr) {
            const Scrutiny reduced = Scrutinise(*reduction, round.result);
            reducedBest = BestText(reduced);
            reductionBest->append(row + 1, reduced.BestHits().value_or(0));
        }
        roundsTable->setItem(row, kReductionBestColumn, new QTableWidgetItem(reducedBest));
    }
    auto* roundAxis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    roundAxis->setRange(1, std::max(shown, 2));
    // About ten marked rounds at most.
    roundAxis->setTickInterval(std::max(1, (shown + 9) / 10));
}
