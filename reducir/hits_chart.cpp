#include "reducir/hits_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCursor>
#include <QLogValueAxis>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/qt_text.h"
#include "reducir/compact_chart.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

std::int64_t Total(const HitsChart::HitCounts& counts) {
    return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

// A power of ten below the smallest share shown, so that its bar has a height.
qreal FloorBelow(qreal smallestShare) {
    return std::pow(10.0, std::ceil(std::log10(smallestShare)) - 1);
}

// The share (%) of each number of hits. A logarithmic axis has no 0, nor
// may a bar be missing: an empty number of hits sits on the axis' floor.
QList<qreal> Shares(const HitsChart::HitCounts& counts, qreal floor) {
    const std::int64_t total = Total(counts);
    QList<qreal> shares;
    for (const std::int64_t count : counts) {
        shares << (count > 0 ? 100.0 * static_cast<qreal>(count) / static_cast<qreal>(total)
                             : floor);
    }
    return shares;
}

}  // namespace

HitsChart::HitsChart(QWidget* parent)
    : QChartView(new QChart, parent),
      bars{new QBarSet(QStringLiteral("Apuesta")), new QBarSet(QStringLiteral("Reducción"))},
      shareAxis(new QLogValueAxis) {
    auto* series = new QBarSeries;
    series->append(bars[0]);
    series->append(bars[1]);
    chart()->addSeries(series);
    chart()->setTitle(QStringLiteral("Columnas por número de aciertos (%)"));
    auto* hitsAxis = new QBarCategoryAxis;
    for (int hits = 0; hits <= kMatches; ++hits) {
        hitsAxis->append(QString::number(hits));
    }
    chart()->addAxis(hitsAxis, Qt::AlignBottom);
    series->attachAxis(hitsAxis);
    shareAxis->setLabelFormat(QStringLiteral("%.3g"));
    shareAxis->setRange(0.1, 100);
    chart()->addAxis(shareAxis, Qt::AlignLeft);
    series->attachAxis(shareAxis);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    MakeCompact(*chart());
    setRenderHint(QPainter::Antialiasing);
    connect(series, &QBarSeries::hovered, this, &HitsChart::TellCount);
}

void HitsChart::Clear() {
    for (QBarSet* set : bars) {
        set->remove(0, set->count());
    }
}

void HitsChart::Show(const HitCounts* bet, const HitCounts* reduction) {
    Clear();
    const std::array<const HitCounts*, 2> sides{bet, reduction};
    qreal smallest = 100;
    for (std::size_t side = 0; side < sides.size(); ++side) {
        shown[side] = sides[side] ? *sides[side] : HitCounts{};
        for (const std::int64_t count : shown[side]) {
            if (count > 0) {
                smallest = std::min(smallest, 100.0 * count / Total(shown[side]));
            }
        }
    }
    const qreal floor = FloorBelow(smallest);
    shareAxis->setRange(floor, 100);
    for (std::size_t side = 0; side < sides.size(); ++side) {
        bars[side]->append(Shares(shown[side], floor));
    }
}

void HitsChart::TellCount(bool hovered, int hits, QBarSet* set) {
    if (!hovered) {
        QToolTip::hideText();
        return;
    }
    const std::size_t side = set == bars[0] ? 0 : 1;
    const HitCounts& counts = shown[side];
    const std::int64_t count = counts[static_cast<std::size_t>(hits)];
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1: %2 con %3 aciertos, de %4")
                           .arg(set->label(), FromUtf8(CountWithNoun(count, "columna", "columnas")),
                                QString::number(hits), FromUtf8(GroupedNumber(Total(counts)))),
                       this);
}
