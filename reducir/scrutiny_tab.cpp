#include "reducir/scrutiny_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/bet_cost.h"
#include "core/typed_signs.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/hits_chart.h"
#include "reducir/past_rounds_box.h"
#include "reducir/signs_validator.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

const std::array<QString, kPrizeCategories> kCategoryNames{
    QStringLiteral("Especial (14 + Pleno al 15)"),
    QStringLiteral("14 aciertos"),
    QStringLiteral("13 aciertos"),
    QStringLiteral("12 aciertos"),
    QStringLiteral("11 aciertos"),
    QStringLiteral("10 aciertos")};
const std::array<QString, kPrizeCategories> kShortCategoryNames{
    QStringLiteral("Especial:"), QStringLiteral("14:"), QStringLiteral("13:"),
    QStringLiteral("12:"),       QStringLiteral("11:"), QStringLiteral("10:")};
constexpr int kRowHeight = 22;
constexpr int kWinningsRow = kPrizeCategories;
constexpr int kCostRow = kWinningsRow + 1;
constexpr int kBalanceRow = kCostRow + 1;
constexpr PlenoGoals kGoals[] = {PlenoGoals::kZero, PlenoGoals::kOne, PlenoGoals::kTwo,
                                 PlenoGoals::kMore};

QComboBox* GoalsBox(QWidget* parent, const QString& accessibleName) {
    auto* box = new QComboBox(parent);
    for (const QString& goals :
         {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("M")}) {
        box->addItem(goals);
    }
    box->setAccessibleName(accessibleName);
    return box;
}

// Wide enough for each column to show the widest amount a player meets
// whole, never elided.
int CategoriesTableWidth(const QTableWidget& table) {
    constexpr int kCellPadding = 16;
    const int money = table.fontMetrics().horizontalAdvance(QStringLiteral("-9.999.999,99 €"));
    return table.verticalHeader()->sizeHint().width() +
           table.columnCount() * (money + kCellPadding) + 2 * table.frameWidth();
}

PlenoScore ScoreOf(const QComboBox& home, const QComboBox& away) {
    return {kGoals[home.currentIndex()], kGoals[away.currentIndex()]};
}

}  // namespace

ScrutinyTab::ScrutinyTab(QWidget* parent)
    : QWidget(parent),
      priceCents(kDefaultColumnPriceCents),
      resultEdit(new QLineEdit(this)),
      plenoPlayedBox(new QCheckBox(QStringLiteral("Pleno al 1&5"), this)),
      plenoGoalBoxes{GoalsBox(this, QStringLiteral("Pleno al 15: goles del local")),
                     GoalsBox(this, QStringLiteral("Pleno al 15: goles del visitante")),
                     GoalsBox(this, QStringLiteral("Tu pleno: goles del local")),
                     GoalsBox(this, QStringLiteral("Tu pleno: goles del visitante"))},
      prizeEdits{},
      scrutiniseButton(new QPushButton(QStringLiteral("&Escrutar"), this)),
      categoriesTable(new QTableWidget(kBalanceRow + 1, 2, this)),
      hitsChart(new HitsChart(this)),
      pastRoundsBox(new PastRoundsBox(this)) {
    resultEdit->setObjectName(QStringLiteral("resultEdit"));
    resultEdit->setValidator(new SignsValidator(resultEdit));
    resultEdit->setPlaceholderText(QStringLiteral("14 signos: 1X2 11X 2X1 1121 X"));
    resultEdit->setAccessibleName(QStringLiteral("Resultado de la jornada, 14 signos"));
    plenoPlayedBox->setObjectName(QStringLiteral("plenoPlayedBox"));
    plenoPlayedBox->setAccessibleName(QStringLiteral("Escrutar también el Pleno al 15"));
    const char* goalNames[] = {"plenoHome", "plenoAway", "pickHome", "pickAway"};
    for (std::size_t i = 0; i < plenoGoalBoxes.size(); ++i) {
        plenoGoalBoxes[i]->setObjectName(QString::fromLatin1(goalNames[i]));
        plenoGoalBoxes[i]->setEnabled(false);
        connect(plenoPlayedBox, &QCheckBox::toggled, plenoGoalBoxes[i], &QWidget::setEnabled);
    }
    scrutiniseButton->setObjectName(QStringLiteral("scrutiniseButton"));
    scrutiniseButton->setAccessibleName(QStringLiteral("Escrutar la apuesta y su reducción"));

    auto* inputs = new QGroupBox(QStringLiteral("Jornada"), this);
    auto* form = new QFormLayout(inputs);
    auto* resultLabel = new QLabel(QStringLiteral("Resul&tado:"), inputs);
    resultLabel->setBuddy(resultEdit);
    form->addRow(resultLabel, resultEdit);
    form->addRow(plenoPlayedBox);
    auto* plenoRow = new QHBoxLayout;
    plenoRow->addWidget(new QLabel(QStringLiteral("Resultado"), inputs));
    plenoRow->addWidget(plenoGoalBoxes[0]);
    plenoRow->addWidget(plenoGoalBoxes[1]);
    plenoRow->addSpacing(12);
    plenoRow->addWidget(new QLabel(QStringLiteral("Tu pleno"), inputs));
    plenoRow->addWidget(plenoGoalBoxes[2]);
    plenoRow->addWidget(plenoGoalBoxes[3]);
    form->addRow(plenoRow);
    // The prizes in two columns of three, so that the tab fits a laptop's screen.
    auto* prizes = new QGridLayout;
    prizes->addWidget(new QLabel(QStringLiteral("Premios por columna:"), inputs), 0, 0, 1, 4);
    for (std::size_t i = 0; i < kPrizeCategories; ++i) {
        auto* edit = new QLineEdit(inputs);
        edit->setObjectName(QStringLiteral("prize%1").arg(i));
        edit->setPlaceholderText(QStringLiteral("0,00 €"));
        edit->setAccessibleName(QStringLiteral("Premio por columna de %1").arg(kCategoryNames[i]));
        edit->setMaximumWidth(110);
        prizeEdits[i] = edit;
        const int row = 1 + static_cast<int>(i % 3);
        const int column = 2 * static_cast<int>(i / 3);
        prizes->addWidget(new QLabel(kShortCategoryNames[i], inputs), row, column);
        prizes->addWidget(edit, row, column + 1);
    }
    form->addRow(prizes);
    form->addRow(scrutiniseButton);

    categoriesTable->setObjectName(QStringLiteral("categoriesTable"));
    categoriesTable->setAccessibleName(
        QStringLiteral("Columnas por categoría, ganancias y balance"));
    categoriesTable->setHorizontalHeaderLabels(
        {QStringLiteral("Apuesta"), QStringLiteral("Reducción")});
    QStringList rows(kCategoryNames.begin(), kCategoryNames.end());
    rows << QStringLiteral("Ganancias") << QStringLiteral("Coste") << QStringLiteral("Balance");
    categoriesTable->setVerticalHeaderLabels(rows);
    categoriesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    categoriesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    categoriesTable->verticalHeader()->setDefaultSectionSize(kRowHeight);
    categoriesTable->setMinimumWidth(CategoriesTableWidth(*categoriesTable));
    // Every row in sight: the money rows come last.
    categoriesTable->setMinimumHeight(categoriesTable->horizontalHeader()->sizeHint().height() +
                                      categoriesTable->rowCount() * kRowHeight +
                                      2 * categoriesTable->frameWidth());

    hitsChart->setObjectName(QStringLiteral("hitsChart"));
    hitsChart->setAccessibleName(QStringLiteral("Gráfico de columnas por número de aciertos"));
    hitsChart->setMinimumHeight(150);

    auto* top = new QHBoxLayout;
    top->addWidget(inputs, 0);
    top->addWidget(categoriesTable, 0);
    top->addWidget(hitsChart, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 0);
    layout->addWidget(pastRoundsBox, 1);

    // The keyboard goes through the round's fields in reading order.
    QWidget* previous = resultEdit;
    for (QWidget* next :
         {static_cast<QWidget*>(plenoPlayedBox), static_cast<QWidget*>(plenoGoalBoxes[0]),
          static_cast<QWidget*>(plenoGoalBoxes[1]), static_cast<QWidget*>(plenoGoalBoxes[2]),
          static_cast<QWidget*>(plenoGoalBoxes[3])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QLineEdit* edit : prizeEdits) {
        setTabOrder(previous, edit);
        previous = edit;
    }
    setTabOrder(previous, scrutiniseButton);

    connect(scrutiniseButton, &QPushButton::clicked, this, &ScrutinyTab::Scrutinise);
    connect(resultEdit, &QLineEdit::returnPressed, this, &ScrutinyTab::Scrutinise);
    Clear();
}

void ScrutinyTab::SetSets(const CColumnSet* shownBet, const CColumnSet* shownReduction) {
    bet = shownBet;
    reduction = shownReduction;
    scrutiniseButton->setEnabled(bet != nullptr);
    pastRoundsBox->SetSets(bet, reduction);
    Clear();
}

void ScrutinyTab::SetPrice(std::int64_t cents) {
    priceCents = cents;
    Clear();
}

void ScrutinyTab::Clear() {
    for (int row = 0; row < categoriesTable->rowCount(); ++row) {
        for (int column = 0; column < categoriesTable->columnCount(); ++column) {
            categoriesTable->setItem(row, column, new QTableWidgetItem(QStringLiteral("—")));
        }
    }
    hitsChart->Clear();
}

std::optional<PlenoPlay> ScrutinyTab::Pleno() const {
    if (!plenoPlayedBox->isChecked()) {
        return std::nullopt;
    }
    return PlenoPlay{ScoreOf(*plenoGoalBoxes[0], *plenoGoalBoxes[1]),
                     ScoreOf(*plenoGoalBoxes[2], *plenoGoalBoxes[3])};
}

bool ScrutinyTab::ReadPrizes(PrizeTable& prizes) {
    for (std::size_t i = 0; i < kPrizeCategories; ++i) {
        const QString text = prizeEdits[i]->text().trimmed();
        const std::optional<std::int64_t> cents =
            text.isEmpty() ? std::optional<std::int64_t>(0) : ParseEuros(text.toStdString());
        if (!cents) {
            ShowMessage(this,
                        QStringLiteral("El premio de %1, «%2», no es una cantidad en euros. %3")
                            .arg(kCategoryNames[i], text, FromUtf8(kEurosExample)));
            prizeEdits[i]->setFocus();
            return false;
        }
        prizes[i] = *cents;
    }
    return true;
}

void ScrutinyTab::Scrutinise() {
    if (bet == nullptr) {
        return;
    }
    const std::string typed = resultEdit->text().toStdString();
    const std::optional<CColumn> column = ColumnFromTypedSigns(typed);
    if (!column) {
        Clear();
        ShowMessage(this, QStringLiteral("El resultado «%1» %2.")
                              .arg(resultEdit->text(), FromUtf8(TypedSignsProblem(typed))));
        resultEdit->setFocus();
        return;
    }
    PrizeTable prizes{};
    if (!ReadPrizes(prizes)) {
        Clear();
        return;
    }
    const std::optional<PlenoPlay> pleno = Pleno();
    Clear();
    const std::optional<Scrutiny> betCounts = ShowSet(0, bet, *column, pleno, prizes);
    const std::optional<Scrutiny> reducedCounts = ShowSet(1, reduction, *column, pleno, prizes);
    hitsChart->Show(betCounts ? &betCounts->columnsByHits : nullptr,
                    reducedCounts ? &reducedCounts->columnsByHits : nullptr);
}

std::optional<Scrutiny> ScrutinyTab::ShowSet(int column, const CColumnSet* set,
                                             const CColumn& round,
                                             const std::optional<PlenoPlay>& pleno,
                                             const PrizeTable& prizes) {
    if (set == nullptr) {
        return std::nullopt;
    }
    const Scrutiny counts = ::Scrutinise(*set, round, pleno);
    for (std::size_t i = 0; i < kPrizeCategories; ++i) {
        const std::int64_t inCategory = counts.InCategory(static_cast<PrizeCategory>(i));
        categoriesTable->item(static_cast<int>(i), column)
            ->setText(FromUtf8(GroupedNumber(inCategory)));
    }
    const std::int64_t winnings = WinningsCents(counts, prizes);
    const std::int64_t cost = CostOf(set->Count(), priceCents).cents;
    categoriesTable->item(kWinningsRow, column)->setText(FromUtf8(EurosText(winnings)));
    categoriesTable->item(kCostRow, column)->setText(FromUtf8(EurosText(cost)));
    categoriesTable->item(kBalanceRow, column)->setText(FromUtf8(EurosText(winnings - cost)));
    return counts;
}
