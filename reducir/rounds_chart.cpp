#include "reducir/rounds_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "core/column.h"
#include "reducir/compact_chart.h"
#include "reducir/round_labels.h"

namespace {

// Room for the value axis and the plot's margins.
constexpr int kAxisWidth = 60;
// What a chart adds around an axis label's text.
constexpr int kLabelMargins = 10;

// The chart's title and legend, outside the part that scrolls.
QString Heading(const QColor& bet, const QColor& reduction) {
    const QString key = QStringLiteral("<span style=\"color:%1\">■</span> %2");
    return QStringLiteral("<b>Mejores aciertos por jornada</b>&nbsp;&nbsp;&nbsp;%1&nbsp;&nbsp;%2")
        .arg(key.arg(bet.name(), QStringLiteral("Apuesta")),
             key.arg(reduction.name(), QStringLiteral("Reducción")));
}

}  // namespace

RoundsChart::RoundsChart(QWidget* parent)
    : QWidget(parent),
      view(new QChartView(new QChart)),
      roundAxis(new QBarCategoryAxis),
      betBars(new QBarSet(QStringLiteral("Apuesta"))),
      reductionBars(new QBarSet(QStringLiteral("Reducción"))) {
    auto* series = new QBarSeries;
    series->append(betBars);
    series->append(reductionBars);
    QChart* chart = view->chart();
    chart->addSeries(series);
    auto* hitsAxis = new QValueAxis;
    hitsAxis->setRange(0, lumo::kMatches);
    hitsAxis->setTickCount(3);
    hitsAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(roundAxis, Qt::AlignBottom);
    chart->addAxis(hitsAxis, Qt::AlignLeft);
    series->attachAxis(roundAxis);
    series->attachAxis(hitsAxis);
    chart->legend()->hide();
    MakeCompact(*chart);
    view->setObjectName(QStringLiteral("roundsChart"));
    view->setAccessibleName(QStringLiteral("Gráfico de los mejores aciertos por jornada"));
    view->setRenderHint(QPainter::Antialiasing);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(Heading(betBars->color(), reductionBars->color()), this));
    layout->addWidget(scroll, 1);
    connect(series, &QBarSeries::hovered, this,
            [this](bool hovered, int round, QBarSet*) { TellRound(hovered, round); });
}

void RoundsChart::Show(const QStringList& names, const QList<qreal>& betBest,
                       const QList<qreal>& reductionBest) {
    betBars->remove(0, betBars->count());
    reductionBars->remove(0, reductionBars->count());
    roundAxis->clear();
    const RoundLabels labels = LabelRounds(names);
    roundAxis->setTitleText(labels.shared);
    roundAxis->append(labels.labels);
    shownNames = names;
    betBars->append(betBest);
    reductionBars->append(reductionBest);
    // A round's pair of bars is as wide as the widest label with the label's
    // margins, so that no label is cut.
    const QFontMetrics metrics(roundAxis->labelsFont());
    int roundWidth = 0;
    for (const QString& label : labels.labels) {
        roundWidth = std::max(roundWidth, metrics.horizontalAdvance(label) + kLabelMargins);
    }
    view->setMinimumWidth(kAxisWidth + static_cast<int>(names.size()) * roundWidth);
}

void RoundsChart::TellRound(bool hovered, int round) {
    if (!hovered) {
        QToolTip::hideText();
        return;
    }
    QString text =
        QStringLiteral("%1: apuesta %2").arg(shownNames.value(round)).arg(betBars->at(round));
    if (round < reductionBars->count()) {
        text += QStringLiteral(", reducción %1").arg(reductionBars->at(round));
    }
    QToolTip::showText(QCursor::pos(), text + QStringLiteral(" aciertos"), this);
}
