#pragma once

#include <QGroupBox>
#include <cstdint>

#include "core/column_set.h"

class QLabel;
class QPushButton;
class PriceEdit;

// The bet at a glance, above the tabs: its columns, its shape (or the
// product that holds it), the price per column the player sets, its cost and
// its tickets of eight, and which forecast scored it.
class BetSummary : public QGroupBox {
    Q_OBJECT
  public:
    explicit BetSummary(QWidget* parent = nullptr);

    // Shows `bet` (null: none open) and the forecast text.
    void Show(const lumo::CColumnSet* bet, const QString& scoresText);
    std::int64_t PriceCents() const;

  Q_SIGNALS:
    void PriceChanged(std::int64_t cents);
    void ForecastRequested();

  private:
    void ShowCost();

    const lumo::CColumnSet* bet = nullptr;
    QLabel* columnsLabel;
    QLabel* shapeLabel;
    PriceEdit* priceEdit;
    QLabel* costLabel;
    QLabel* ticketsLabel;
    QLabel* scoresLabel;
    QPushButton* chooseForecastButton;
};

// The money and counts shown for a bet of `columns` at `priceCents`:
// "172.551,75 €" and "28.759 boletos".
QString CostText(std::int64_t columns, std::int64_t priceCents);
QString TicketsText(std::int64_t columns);
