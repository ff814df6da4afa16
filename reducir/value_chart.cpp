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

constexpr std::int32_t kMostSteps = 5;

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
    rangeAxis->setCategories({});
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

// At most five steps of 1, 2 or 5 times a power of ten columns, up to the
// first step at or above `most`.
void ValueChart::ShowCounts(std::int32_t most) {
    std::int32_t step = 1;
    for (std::int32_t power = 1; step * kMostSteps < most; power *= 10) {
        for (const std::int32_t times : {1, 2, 5}) {
            step = times * power;
            if (step * kMostSteps >= most) {
                break;
            }
        }
    }
    const std::int32_t steps = std::max<std::int32_t>(1, (most + step - 1) / step);
    countAxis->setTickAnchor(0);
    countAxis->setTickInterval(step);
    countAxis->setRange(0, step * steps);
}
