#include "reducir/compact_chart.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFont>
#include <QLegend>

void MakeCompact(QChart& chart) {
    chart.setMargins(QMargins(2, 2, 2, 2));
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
