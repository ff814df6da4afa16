#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;

// The price per column as the player types it, read the way every money box
// reads euros ("0,75", "1.5"). Text that is no price leaves the last good one
// in force and says below the box how to write it; a good one is shown back
// in Spanish form ("1,50 €") when the box is left.
class PriceEdit : public QWidget {
    Q_OBJECT
  public:
    explicit PriceEdit(QWidget* parent = nullptr);

    std::int64_t Cents() const { return cents; }

  Q_SIGNALS:
    void PriceChanged(std::int64_t cents);

  private:
    void Read();
    void ShowInSpanishForm();

    std::int64_t cents;
    QLineEdit* box;
    QLabel* problemLabel;
};
