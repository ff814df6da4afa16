#pragma once

#include <QWidget>
#include <array>

#include "core/column_set.h"

class QBarSet;
class QTableWidget;

// The tab "Estadística": per match, the share of 1, X and 2 over the bet
// and over its reduction, side by side, each as a stacked bar chart and as
// a table.
class StatsTab : public QWidget {
    Q_OBJECT
  public:
    explicit StatsTab(QWidget* parent = nullptr);

    // The sets shown (null: none). The bet's shares are counted again only
    // when it is another bet.
    void SetSets(const lumo::CColumnSet* bet, const lumo::CColumnSet* reduction);

  private:
    // The chart's bars (1, X, 2) and the table of one set.
    struct SharesView {
        std::array<QBarSet*, 3> bars;
        QTableWidget* table;
    };

    SharesView AddView(const QString& title, const QString& name);
    static void Show(const SharesView& view, const lumo::CColumnSet* set);

    const lumo::CColumnSet* shownBet = nullptr;
    SharesView betView;
    SharesView reductionView;
};
