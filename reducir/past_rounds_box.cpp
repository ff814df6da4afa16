#include "reducir/past_rounds_box.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/scrutiny.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/file_policy.h"
#include "reducir/rounds_chart.h"
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
      roundsChart(new RoundsChart(this)) {
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

    roundsChart->setMinimumHeight(150);

    auto* left = new QVBoxLayout;
    left->addWidget(openButton, 0, Qt::AlignLeft);
    left->addWidget(roundsTable);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addWidget(roundsChart, 2);

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
        // No figures of the rounds read before stay beside the refusal.
        rounds.clear();
        Show();
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
    QStringList names;
    QList<qreal> betBest;
    QList<qreal> reductionBest;
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
        names << FromUtf8(round.name);
        betBest << counts.BestHits().value_or(0);
        QString reducedBest = QStringLiteral("—");
        if (reduction != nullptr) {
            const Scrutiny reduced = Scrutinise(*reduction, round.result);
            reducedBest = BestText(reduced);
            reductionBest << reduced.BestHits().value_or(0);
        }
        roundsTable->setItem(row, kReductionBestColumn, new QTableWidgetItem(reducedBest));
    }
    roundsChart->Show(names, betBest, reductionBest);
}
