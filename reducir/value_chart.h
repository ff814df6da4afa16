#pragma once

#include <QChartView>
#include <cstdint>

#include "value/value_report.h"

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

// "Columnas por valor esperado": how many of the bet's columns fall in each
// range of expected prize, each bar under the range's lower end in euros.
class ValueChart : public QChartView {
    Q_OBJECT
  public:
    explicit ValueChart(QWidget* parent = nullptr);

    // Shows the histogram (null: an empty chart).
    void Show(const lumo::ValueHistogram* histogram);

  private:
    void ShowCounts(std::int32_t most);

    QBarSet* bars;
    QBarCategoryAxis* rangeAxis;
    QValueAxis* countAxis;
};
