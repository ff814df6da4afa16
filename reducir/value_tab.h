#pragma once

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "core/column_set.h"
#include "value/round.h"
#include "value/value_report.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class ValueChart;
class ValueWorker;

// The tab "Valor": the round (the public's percentages, the real
// probabilities of an odds file or of the bet's forecast, the takings and
// the jackpot), the expected prize of the bet and of its reduction against
// their cost with the chances of cashing, a histogram of the bet's columns
// by value, and "Quitar las de menos valor", which the window answers by
// replacing the bet.
class ValueTab : public QWidget {
    Q_OBJECT
  public:
    explicit ValueTab(QWidget* parent = nullptr);

    // The bet (null: none) and the real probabilities of the forecast that
    // scored it, with the words saying which forecast. When `betFile` is not
    // empty and is not the bet the files were last proposed for, the fields
    // of the public and of the odds get "publico.txt" and "cuotas.txt" of
    // its folder, or are emptied when those are not there. Forgets the
    // results.
    void SetBet(const lumo::CColumnSet* bet, const std::filesystem::path& betFile,
                const lumo::MatchTable& forecast, const QString& forecastText);
    // The reduction (null: none); forgets the results, which include it.
    void SetReduction(const lumo::CColumnSet* reduction);
    // The price per column; forgets the results, which depend on it.
    void SetPrice(std::int64_t cents);
    // Calculates with the fields as they are, for the bet just kept out of
    // `before` columns, and says how many remain.
    void ShowKept(std::int32_t before);
    // The last report, or null.
    const lumo::ValueReport* Report() const { return report.get(); }
    bool Calculating() const { return calculating; }

  Q_SIGNALS:
    // "Quitar las de menos valor" with a report and a value in euros that
    // some column of the bet is worth; other values are told to the player.
    void KeepRequested(double euros);
    // "Grabar apuesta…".
    void SaveBetRequested();

  private:
    QWidget* RoundBox();
    QWidget* ResultBox();
    QWidget* KeepBox();
    void Calculate();
    void Finish(const std::shared_ptr<lumo::ValueReport>& finished);
    void ChooseFile(QLineEdit* edit, const char* proposedName);
    void RequestKeep();
    void Forget();
    void ShowResults();
    void ShowChances();

    const lumo::CColumnSet* bet = nullptr;
    const lumo::CColumnSet* reduction = nullptr;
    std::filesystem::path proposedFor;
    lumo::MatchTable forecast{};
    std::int64_t priceCents;
    std::shared_ptr<lumo::ValueReport> report;
    // The columns of the bet and of the reduction the report is about.
    std::int32_t reportedBet = 0;
    std::int32_t reportedReduction = 0;
    bool calculating = false;
    QString keptText;
    ValueWorker* worker;

    QLineEdit* publicEdit;
    QLineEdit* oddsEdit;
    QLabel* forecastLabel;
    QLineEdit* takingsEdit;
    QLineEdit* jackpotEdit;
    QLabel* priceLabel;
    QPushButton* calculateButton;
    QProgressBar* progressBar;
    QLabel* betValueLabel;
    QLabel* betVerdictLabel;
    QLabel* reductionValueLabel;
    QLabel* reductionVerdictLabel;
    QTableWidget* chancesTable;
    ValueChart* chart;
    QLineEdit* thresholdEdit;
    QPushButton* keepButton;
    QLabel* rangeLabel;
    QLabel* keptLabel;
    QPushButton* saveBetButton;
};
