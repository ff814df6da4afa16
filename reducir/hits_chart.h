#pragma once

#include <QChartView>
#include <array>
#include <cstdint>

#include "core/column.h"

class QBarSet;
class QLogValueAxis;

// "Columnas por número de aciertos": per number of hits, the share (%) of
// the bet's columns and of the reduction's, on a logarithmic axis, so that
// the few columns with 11 to 14 hits show beside the thousands with 6.
// Hovering a bar tells its count of columns.
class HitsChart : public QChartView {
    Q_OBJECT
  public:
    using HitCounts = std::array<std::int64_t, lumo::kMatches + 1>;
    explicit HitsChart(QWidget* parent = nullptr);

    // Shows the counts of both sets (null: that set has no bars).
    void Show(const HitCounts* bet, const HitCounts* reduction);
    void Clear();

  private:
    void TellCount(bool hovered, int hits, QBarSet* bars);

    std::array<QBarSet*, 2> bars;
    std::array<HitCounts, 2> shown{};
    QLogValueAxis* shareAxis;
};
