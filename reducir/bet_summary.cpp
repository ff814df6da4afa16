#include "reducir/bet_summary.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/bet_cost.h"
#include "core/bet_shape.h"
#include "platform/qt_text.h"
#include "reducir/price_edit.h"
#include "text/spanish_numbers.h"

using namespace lumo;

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
      columnsLabel(ValueLabel(this, QStringLiteral("Columnas de la apuesta"))),
      shapeLabel(ValueLabel(this, QStringLiteral("Forma de la apuesta"))),
      priceEdit(new PriceEdit(this)),
      costLabel(ValueLabel(this, QStringLiteral("Coste de la apuesta"))),
      ticketsLabel(ValueLabel(this, QStringLiteral("Boletos de 8 columnas"))),
      scoresLabel(ValueLabel(this, QStringLiteral("Pronóstico de las puntuaciones"))),
      chooseForecastButton(new QPushButton(QStringLiteral("E&legir pronóstico…"), this)) {
    columnsLabel->setObjectName(QStringLiteral("columnsLabel"));
    shapeLabel->setObjectName(QStringLiteral("shapeLabel"));
    costLabel->setObjectName(QStringLiteral("costLabel"));
    ticketsLabel->setObjectName(QStringLiteral("ticketsLabel"));
    scoresLabel->setObjectName(QStringLiteral("scoresLabel"));
    chooseForecastButton->setObjectName(QStringLiteral("chooseForecastButton"));
    chooseForecastButton->setAccessibleName(QStringLiteral("Elegir el archivo de pronóstico"));

    auto* left = new QFormLayout;
    left->addRow(QStringLiteral("Columnas:"), columnsLabel);
    left->addRow(QStringLiteral("Forma:"), shapeLabel);
    left->addRow(QStringLiteral("Puntuaciones:"), scoresLabel);
    auto* right = new QFormLayout;
    auto* priceLabel = new QLabel(QStringLiteral("Prec&io por columna:"), this);
    priceLabel->setBuddy(priceEdit);
    right->addRow(priceLabel, priceEdit);
    right->addRow(QStringLiteral("Coste:"), costLabel);
    right->addRow(QStringLiteral("Boletos de 8:"), ticketsLabel);
    auto* row = new QHBoxLayout(this);
    row->addLayout(left, 3);
    row->addLayout(right, 2);
    row->addWidget(chooseForecastButton, 0, Qt::AlignBottom);

    connect(priceEdit, &PriceEdit::PriceChanged, this, [this](std::int64_t cents) {
        ShowCost();
        Q_EMIT PriceChanged(cents);
    });
    connect(chooseForecastButton, &QPushButton::clicked, this, &BetSummary::ForecastRequested);
    Show(nullptr, {});
}

std::int64_t BetSummary::PriceCents() const {
    return priceEdit->Cents();
}

void BetSummary::Show(const CColumnSet* shown, const QString& scoresText) {
    bet = shown;
    chooseForecastButton->setEnabled(bet != nullptr);
    scoresLabel->setText(scoresText);
    if (bet == nullptr) {
        columnsLabel->setText(QStringLiteral("ninguna apuesta abierta"));
        shapeLabel->clear();
    } else {
        const BetShape betShape = ShapeOf(*bet);
        columnsLabel->setText(FromUtf8(CountWithNoun(bet->Count(), "columna", "columnas")));
        const QString text = FromUtf8(ShapeText(betShape));
        shapeLabel->setText(betShape.product
                                ? text
                                : QStringLiteral("dentro de %1 (%2)")
                                      .arg(text, FromUtf8(CountWithNoun(betShape.productColumns,
                                                                        "columna", "columnas"))));
    }
    ShowCost();
}

void BetSummary::ShowCost() {
    const std::int64_t count = bet == nullptr ? 0 : bet->Count();
    costLabel->setText(CostText(count, PriceCents()));
    ticketsLabel->setText(TicketsText(count));
}
