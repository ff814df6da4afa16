#include "reducir/compact_chart.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFont>
#include <QLegend>
#include <QLocale>

void MakeCompact(QChart& chart) {
    chart.setMargins(QMargins(2, 2, 2, 2));
    // Axis numbers as a Spanish reader writes them: 80.000, not 80000.
    chart.setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    chart.setLocalizeNumbers(true);
    chart.setBackgroundRoundness(0);
    QFont small = chart.font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    QFont title = small;
    title.setBold(true);
    chart.setTitleFont(title);
    chart.legend()->setFont(small);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(small);
        axis->setTitleFont(small);
    }
}
