#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QBarCategoryAxis;
class QBarSet;
class QChartView;

// "Mejores aciertos por jornada": the best hits of the bet and of its
// reduction in each past round, a pair of bars per round under the round's
// name. However many rounds there are, each keeps its name readable: the
// names go without the words every name shares (they title the
// axis), and the chart grows wider than its box, which scrolls. Hovering a
// bar tells the round's whole name and both bests.
class RoundsChart : public QWidget {
    Q_OBJECT
  public:
    explicit RoundsChart(QWidget* parent = nullptr);

    // One name and one best of the bet per round; the reduction's bests are
    // empty when there is no reduction.
    void Show(const QStringList& names, const QList<qreal>& betBest,
              const QList<qreal>& reductionBest);

  private:
    void TellRound(bool hovered, int round);

    QChartView* view;
    QBarCategoryAxis* roundAxis;
    QBarSet* betBars;
    QBarSet* reductionBars;
    QStringList shownNames;
};
