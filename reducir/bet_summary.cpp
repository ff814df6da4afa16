#include "reducir/bet_summary.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <cmath>

#include "core/bet_cost.h"
#include "core/bet_shape.h"
#include "platform/qt_text.h"
#include "text/spanish_numbers.h"

namespace {

QLabel* ValueLabel(QWidget* parent, const QString& accessibleName) {
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setAccessibleName(accessibleName);
    return label;
}

}  // namespace

QString CostText(std::int64_t columns, std::int64_t priceCents) {
    return FromUtf8(EurosText(CostOf(columns, priceCents).cents));
}

QString TicketsText(std::int64_t columns) {
    return FromUtf8(CountWithNoun(CostOf(columns, 0).tickets, "boleto", "boletos"));
}

BetSummary::BetSummary(QWidget* parent)
    : QGroupBox(QStringLiteral("Apuesta"), parent),
      columns(ValueLabel(this, QStringLiteral("Columnas de la apuesta"))),
      shape(ValueLabel(this, QStringLiteral("Forma de la apuesta"))),
      price(new QDoubleSpinBox(this)),
      cost(ValueLabel(this, QStringLiteral("Coste de la apuesta"))),
      tickets(ValueLabel(this, QStringLiteral("Boletos de 8 columnas"))),
      scores(ValueLabel(this, QStringLiteral("Pronóstico de las puntuaciones"))),
      chooseForecast(new QPushButton(QStringLiteral("E&legir pronóstico…"), this)) {
    price->setObjectName(QStringLiteral("price"));
    price->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    price->setDecimals(2);
    price->setRange(0.0, 1000.0);
    price->setSingleStep(0.05);
    price->setSuffix(QStringLiteral(" €"));
    price->setValue(static_cast<double>(kDefaultColumnPriceCents) / 100.0);
    price->setAccessibleName(QStringLiteral("Precio por columna"));
    columns->setObjectName(QStringLiteral("columns"));
    shape->setObjectName(QStringLiteral("shape"));
    cost->setObjectName(QStringLiteral("cost"));
    tickets->setObjectName(QStringLiteral("tickets"));
    scores->setObjectName(QStringLiteral("scores"));
    chooseForecast->setObjectName(QStringLiteral("chooseForecast"));
    chooseForecast->setAccessibleName(QStringLiteral("Elegir el archivo de pronóstico"));

    auto* left = new QFormLayout;
    left->addRow(QStringLiteral("Columnas:"), columns);
    left->addRow(QStringLiteral("Forma:"), shape);
    left->addRow(QStringLiteral("Puntuaciones:"), scores);
    auto* right = new QFormLayout;
    auto* priceLabel = new QLabel(QStringLiteral("Prec&io por columna:"), this);
    priceLabel->setBuddy(price);
    right->addRow(priceLabel, price);
    right->addRow(QStringLiteral("Coste:"), cost);
    right->addRow(QStringLiteral("Boletos de 8:"), tickets);
    auto* row = new QHBoxLayout(this);
    row->addLayout(left, 3);
    row->addLayout(right, 2);
    row->addWidget(chooseForecast, 0, Qt::AlignBottom);

    connect(price, &QDoubleSpinBox::valueChanged, this, [this] {
        ShowCost();
        Q_EMIT PriceChanged(PriceCents());
    });
    connect(chooseForecast, &QPushButton::clicked, this, &BetSummary::ForecastRequested);
    Show(nullptr, {});
}

std::int64_t BetSummary::PriceCents() const {
    return static_cast<std::int64_t>(std::llround(price->value() * 100.0));
}

void BetSummary::Show(const CColumnSet* shown, const QString& scoresText) {
    bet = shown;
    chooseForecast->setEnabled(bet != nullptr);
    scores->setText(scoresText);
    if (bet == nullptr) {
        columns->setText(QStringLiteral("ninguna apuesta abierta"));
        shape->clear();
    } else {
        const BetShape betShape = ShapeOf(*bet);
        columns->setText(FromUtf8(CountWithNoun(bet->Count(), "columna", "columnas")));
        const QString text = FromUtf8(ShapeText(betShape));
        shape->setText(betShape.product
                           ? text
                           : QStringLiteral("dentro de %1 (%2)")
                                 .arg(text, FromUtf8(CountWithNoun(betShape.productColumns,
                                                                   "columna", "columnas"))));
    }
    ShowCost();
}

void BetSummary::ShowCost() {
    const std::int64_t count = bet == nullptr ? 0 : bet->Count();
    cost->setText(CostText(count, PriceCents()));
    tickets->setText(TicketsText(count));
}
