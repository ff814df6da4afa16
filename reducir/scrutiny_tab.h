#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "core/column_set.h"
#include "core/scrutiny.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class HitsChart;
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
    void SetSets(const lumo::CColumnSet* bet, const lumo::CColumnSet* reduction);
    void SetPrice(std::int64_t cents);

  private:
    // The Pleno al 15 when it is ticked.
    std::optional<lumo::PlenoPlay> Pleno() const;
    // Reads the prizes (empty is 0); false after telling the player what is wrong.
    bool ReadPrizes(lumo::PrizeTable& prizes);
    void Scrutinise();
    // Fills the table's column for the set; its columns by hits, or none.
    std::optional<lumo::Scrutiny> ShowSet(int column, const lumo::CColumnSet* set,
                                          const lumo::CColumn& round,
                                          const std::optional<lumo::PlenoPlay>& pleno,
                                          const lumo::PrizeTable& prizes);
    void Clear();

    const lumo::CColumnSet* bet = nullptr;
    const lumo::CColumnSet* reduction = nullptr;
    std::int64_t priceCents;

    QLineEdit* resultEdit;
    QCheckBox* plenoPlayedBox;
    std::array<QComboBox*, 4> plenoGoalBoxes;  // result home, away; pick home, away
    std::array<QLineEdit*, lumo::kPrizeCategories> prizeEdits;
    QPushButton* scrutiniseButton;
    QTableWidget* categoriesTable;
    HitsChart* hitsChart;
    PastRoundsBox* pastRoundsBox;
};
