#include "reducir/stats_tab.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/match_counts.h"
#include "platform/qt_text.h"
#include "reducir/compact_chart.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

const std::array<QString, 3> kSignNames{QStringLiteral("1"), QStringLiteral("X"),
                                        QStringLiteral("2")};

}  // namespace

StatsTab::StatsTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    setLayout(layout);
    betView = AddView(QStringLiteral("Apuesta"), QStringLiteral("bet"));
    reductionView = AddView(QStringLiteral("Reducción"), QStringLiteral("reduction"));
    SetSets(nullptr, nullptr);
}

StatsTab::SharesView StatsTab::AddView(const QString& title, const QString& name) {
    auto* box = new QGroupBox(title, this);
    SharesView view{};
    auto* series = new QStackedBarSeries;
    for (std::size_t sign = 0; sign < kSignNames.size(); ++sign) {
        view.bars[sign] = new QBarSet(kSignNames[sign]);
        series->append(view.bars[sign]);
    }
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(QStringLiteral("Reparto de 1, X y 2 por partido (%)"));
    auto* matches = new QBarCategoryAxis;
    for (int match = 1; match <= kMatches; ++match) {
        matches->append(QString::number(match));
    }
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(matches, Qt::AlignBottom);
    chart->addAxis(share, Qt::AlignLeft);
    series->attachAxis(matches);
    series->attachAxis(share);
    chart->legend()->setAlignment(Qt::AlignBottom);
    MakeCompact(*chart);
    auto* chartView = new QChartView(chart, box);
    chartView->setObjectName(name + QStringLiteral("SharesChart"));
    chartView->setAccessibleName(QStringLiteral("Gráfico del reparto de signos: ") + title);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(150);

    view.table = new QTableWidget(kMatches, 3, box);
    view.table->setObjectName(name + QStringLiteral("Shares"));
    view.table->setAccessibleName(QStringLiteral("Reparto de signos por partido: ") + title);
    view.table->setHorizontalHeaderLabels({kSignNames[0], kSignNames[1], kSignNames[2]});
    view.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view.table->verticalHeader()->setDefaultSectionSize(20);
    view.table->setMinimumHeight(100);

    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(chartView, 1);
    boxLayout->addWidget(view.table, 1);
    layout()->addWidget(box);
    return view;
}

void StatsTab::SetSets(const CColumnSet* bet, const CColumnSet* reduction) {
    if (bet != shownBet || bet == nullptr) {
        shownBet = bet;
        Show(betView, bet);
    }
    Show(reductionView, reduction);
}

void StatsTab::Show(const SharesView& view, const CColumnSet* set) {
    for (QBarSet* bars : view.bars) {
        bars->remove(0, bars->count());
    }
    if (set == nullptr || set->Count() == 0) {
        view.table->clearContents();
        return;
    }
    const MatchCounts counts = CountResultsPerMatch(*set);
    for (int match = 0; match < kMatches; ++match) {
        for (int sign = 0; sign < 3; ++sign) {
            const std::int32_t count =
                counts[static_cast<std::size_t>(match)][static_cast<std::size_t>(sign)];
            view.bars[static_cast<std::size_t>(sign)]->append(100.0 * count / set->Count());
            view.table->setItem(match, sign,
                                new QTableWidgetItem(FromUtf8(PercentText(count, set->Count()))));
        }
    }
}
