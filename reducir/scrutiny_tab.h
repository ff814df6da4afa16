#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "core/column_set.h"
#include "core/scrutiny.h"

class QBarSet;
class QCheckBox;
class QChart;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class PastRoundsBox;

// The tab "Escrutar": a round's result typed as 14 signs and, optionally,
// the Pleno al 15 and the prize of each category; the columns of the bet
// and of its reduction in each category side by side, the winnings, cost and
// balance, a chart of the columns per number of hits, and the past rounds.
class ScrutinyTab : public QWidget {
    Q_OBJECT
  public:
    explicit ScrutinyTab(QWidget* parent = nullptr);

    // The sets scrutinised (null: none); forgets the last scrutiny.
    void SetSets(const CColumnSet* bet, const CColumnSet* reduction);
    void SetPrice(std::int64_t cents);

  private:
    // The Pleno al 15 when it is ticked.
    std::optional<PlenoPlay> Pleno() const;
    // Reads the prizes (empty is 0); false after telling the player what is wrong.
    bool ReadPrizes(PrizeTable& prizes);
    void Scrutinise();
    void ShowSet(int column, const CColumnSet* set, const std::optional<CColumn>& round,
                 const std::optional<PlenoPlay>& pleno, const PrizeTable& prizes, QBarSet& bars);
    void Clear();

    const CColumnSet* bet = nullptr;
    const CColumnSet* reduction = nullptr;
    std::int64_t priceCents;

    QLineEdit* resultEdit;
    QCheckBox* plenoPlayedBox;
    std::array<QComboBox*, 4> plenoGoalBoxes;  // result home, away; pick home, away
    std::array<QLineEdit*, kPrizeCategories> prizeEdits;
    QPushButton* scrutiniseButton;
    QTableWidget* categoriesTable;
    QChart* chart;
    QBarSet* betBars;
    QBarSet* reductionBars;
    PastRoundsBox* pastRoundsBox;
};
