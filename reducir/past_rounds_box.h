#pragma once

#include <QGroupBox>
#include <filesystem>
#include <vector>

#include "betfile/round_file.h"
#include "core/column_set.h"

class QPushButton;
class QTableWidget;
class RoundsChart;

// "Jornadas pasadas": a file of past rounds (betfile/round_file.h) against
// the bet and its reduction, one row per round with the best hits and the
// bet's columns per category, and a chart of the best hits per round.
class PastRoundsBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit PastRoundsBox(QWidget* parent = nullptr);

    // The sets scrutinised (null: none); the rounds read stay.
    void SetSets(const lumo::CColumnSet* bet, const lumo::CColumnSet* reduction);
    // Reads the rounds file strictly; false after telling the player what is
    // wrong with it, with no rounds shown.
    bool OpenRounds(const std::filesystem::path& file);

  private:
    void AskForRounds();
    void Show();

    const lumo::CColumnSet* bet = nullptr;
    const lumo::CColumnSet* reduction = nullptr;
    std::vector<lumo::RoundResult> rounds;

    QPushButton* openButton;
    QTableWidget* roundsTable;
    RoundsChart* roundsChart;
};
