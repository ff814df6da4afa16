#include "reducir/value_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>

#include "reducir/compact_chart.h"

using namespace lumo;

namespace {

constexpr std::int32_t kCountSteps = 4;

// The lower end of each range, with the decimals that tell them apart.
QStringList RangeLabels(const ValueHistogram& histogram) {
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const int decimals = histogram.width >= 0.01 || histogram.width == 0.0 ? 2 : 4;
    QStringList labels;
    for (std::size_t bin = 0; bin < histogram.counts.size(); ++bin) {
        labels << spanish.toString(histogram.low + static_cast<double>(bin) * histogram.width, 'f',
                                   decimals);
    }
    return labels;
}

}  // namespace

ValueChart::ValueChart(QWidget* parent)
    : QChartView(new QChart, parent),
      bars(new QBarSet(QStringLiteral("Columnas de la apuesta"))),
      rangeAxis(new QBarCategoryAxis),
      countAxis(new QValueAxis) {
    auto* series = new QBarSeries;
    series->append(bars);
    series->setBarWidth(0.9);
    chart()->addSeries(series);
    chart()->setTitle(QStringLiteral("Columnas por valor esperado (€)"));
    chart()->addAxis(rangeAxis, Qt::AlignBottom);
    series->attachAxis(rangeAxis);
    countAxis->setLabelFormat(QStringLiteral("%.0f"));
    countAxis->setTickType(QValueAxis::TicksDynamic);
    chart()->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(countAxis);
    chart()->legend()->hide();
    MakeCompact(*chart());
    setRenderHint(QPainter::Antialiasing);
    Show(nullptr);
}

void ValueChart::Show(const ValueHistogram* histogram) {
    bars->remove(0, bars->count());
    rangeAxis->clear();
    if (histogram == nullptr || histogram->counts.empty()) {
        ShowCounts(0);
        return;
    }
    QList<qreal> counts;
    for (const std::int32_t count : histogram->counts) {
        counts << count;
    }
    bars->append(counts);
    rangeAxis->append(RangeLabels(*histogram));
    ShowCounts(*std::max_element(histogram->counts.begin(), histogram->counts.end()));
}

// Four whole steps from 0 up to at least `most` columns.
void ValueChart::ShowCounts(std::int32_t most) {
    const std::int32_t step = std::max<std::int32_t>(1, (most + kCountSteps - 1) / kCountSteps);
    countAxis->setTickAnchor(0);
    countAxis->setTickInterval(step);
    countAxis->setRange(0, step * kCountSteps);
}
