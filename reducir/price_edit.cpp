#include "reducir/price_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <optional>

#include "core/bet_cost.h"
#include "platform/qt_text.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

// No column is sold dearer; it also keeps the cost of the largest bet far
// from the limits of its counting.
constexpr std::int64_t kMaxPriceCents = 100'000;

}  // namespace

PriceEdit::PriceEdit(QWidget* parent)
    : QWidget(parent),
      cents(kDefaultColumnPriceCents),
      box(new QLineEdit(FromUtf8(EurosText(kDefaultColumnPriceCents)), this)),
      problemLabel(new QLabel(this)) {
    box->setObjectName(QStringLiteral("priceBox"));
    box->setAccessibleName(QStringLiteral("Precio por columna"));
    problemLabel->setObjectName(QStringLiteral("priceProblemLabel"));
    problemLabel->setAccessibleName(QStringLiteral("Problema del precio por columna"));
    problemLabel->setWordWrap(true);
    problemLabel->hide();
    // Wide enough for the dearest price, not for the whole row.
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0.000,00 €")) * 2);
    setFocusProxy(box);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(box);
    column->addWidget(problemLabel);
    connect(box, &QLineEdit::textChanged, this, &PriceEdit::Read);
    connect(box, &QLineEdit::editingFinished, this, &PriceEdit::ShowInSpanishForm);
}

void PriceEdit::Read() {
    const std::optional<std::int64_t> typed = ParseEuros(box->text().toStdString());
    if (!typed || *typed > kMaxPriceCents) {
        problemLabel->setText(typed ? QStringLiteral("El precio por columna es como mucho %1.")
                                          .arg(FromUtf8(EurosText(kMaxPriceCents)))
                                    : QStringLiteral("«%1» no es un precio. %2")
                                          .arg(box->text(), FromUtf8(kEurosExample)));
        problemLabel->show();
        return;
    }
    problemLabel->hide();
    if (*typed != cents) {
        cents = *typed;
        Q_EMIT PriceChanged(cents);
    }
}

void PriceEdit::ShowInSpanishForm() {
    if (problemLabel->isHidden()) {
        box->setText(FromUtf8(EurosText(cents)));
    }
}
