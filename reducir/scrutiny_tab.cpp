#include "reducir/scrutiny_tab.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
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
#include <QValueAxis>

#include "core/bet_cost.h"
#include "core/typed_signs.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "reducir/compact_chart.h"
#include "reducir/past_rounds_box.h"
#include "reducir/signs_validator.h"
#include "text/spanish_numbers.h"

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

PlenoScore ScoreOf(const QComboBox& home, const QComboBox& away) {
    return {kGoals[home.currentIndex()], kGoals[away.currentIndex()]};
}

}  // namespace

ScrutinyTab::ScrutinyTab(QWidget* parent)
    : QWidget(parent),
      priceCents(kDefaultColumnPriceCents),
      result(new QLineEdit(this)),
      plenoPlayed(new QCheckBox(QStringLiteral("Pleno al 1&5"), this)),
      plenoGoals{GoalsBox(this, QStringLiteral("Pleno al 15: goles del local")),
                 GoalsBox(this, QStringLiteral("Pleno al 15: goles del visitante")),
                 GoalsBox(this, QStringLiteral("Tu pleno: goles del local")),
                 GoalsBox(this, QStringLiteral("Tu pleno: goles del visitante"))},
      prizeEdits{},
      scrutinise(new QPushButton(QStringLiteral("&Escrutar"), this)),
      table(new QTableWidget(kBalanceRow + 1, 2, this)),
      chart(new QChart),
      betBars(new QBarSet(QStringLiteral("Apuesta"))),
      reductionBars(new QBarSet(QStringLiteral("Reducción"))),
      pastRounds(new PastRoundsBox(this)) {
    result->setObjectName(QStringLiteral("result"));
    result->setValidator(new SignsValidator(result));
    result->setPlaceholderText(QStringLiteral("14 signos: 1X2 11X 2X1 1121 X"));
    result->setAccessibleName(QStringLiteral("Resultado de la jornada, 14 signos"));
    plenoPlayed->setObjectName(QStringLiteral("plenoPlayed"));
    plenoPlayed->setAccessibleName(QStringLiteral("Escrutar también el Pleno al 15"));
    const char* goalNames[] = {"plenoHome", "plenoAway", "pickHome", "pickAway"};
    for (std::size_t i = 0; i < plenoGoals.size(); ++i) {
        plenoGoals[i]->setObjectName(QString::fromLatin1(goalNames[i]));
        plenoGoals[i]->setEnabled(false);
        connect(plenoPlayed, &QCheckBox::toggled, plenoGoals[i], &QWidget::setEnabled);
    }
    scrutinise->setObjectName(QStringLiteral("scrutinise"));
    scrutinise->setAccessibleName(QStringLiteral("Escrutar la apuesta y su reducción"));

    auto* inputs = new QGroupBox(QStringLiteral("Jornada"), this);
    auto* form = new QFormLayout(inputs);
    auto* resultLabel = new QLabel(QStringLiteral("Resul&tado:"), inputs);
    resultLabel->setBuddy(result);
    form->addRow(resultLabel, result);
    form->addRow(plenoPlayed);
    auto* plenoRow = new QHBoxLayout;
    plenoRow->addWidget(new QLabel(QStringLiteral("Resultado"), inputs));
    plenoRow->addWidget(plenoGoals[0]);
    plenoRow->addWidget(plenoGoals[1]);
    plenoRow->addSpacing(12);
    plenoRow->addWidget(new QLabel(QStringLiteral("Tu pleno"), inputs));
    plenoRow->addWidget(plenoGoals[2]);
    plenoRow->addWidget(plenoGoals[3]);
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
    form->addRow(scrutinise);

    table->setObjectName(QStringLiteral("categories"));
    table->setAccessibleName(QStringLiteral("Columnas por categoría, ganancias y balance"));
    table->setHorizontalHeaderLabels({QStringLiteral("Apuesta"), QStringLiteral("Reducción")});
    QStringList rows(kCategoryNames.begin(), kCategoryNames.end());
    rows << QStringLiteral("Ganancias") << QStringLiteral("Coste") << QStringLiteral("Balance");
    table->setVerticalHeaderLabels(rows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(22);
    table->setMinimumWidth(320);

    auto* series = new QBarSeries;
    series->append(betBars);
    series->append(reductionBars);
    chart->addSeries(series);
    chart->setTitle(QStringLiteral("Columnas por número de aciertos"));
    auto* hitsAxis = new QBarCategoryAxis;
    for (int hits = 0; hits <= kMatches; ++hits) {
        hitsAxis->append(QString::number(hits));
    }
    chart->addAxis(hitsAxis, Qt::AlignBottom);
    series->attachAxis(hitsAxis);
    auto* countAxis = new QValueAxis;
    countAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(countAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);
    MakeCompact(*chart);
    auto* chartView = new QChartView(chart, this);
    chartView->setObjectName(QStringLiteral("hitsChart"));
    chartView->setAccessibleName(QStringLiteral("Gráfico de columnas por número de aciertos"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(150);

    auto* top = new QHBoxLayout;
    top->addWidget(inputs, 0);
    top->addWidget(table, 1);
    top->addWidget(chartView, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(pastRounds, 1);

    // The keyboard goes through the round's fields in reading order.
    QWidget* previous = result;
    for (QWidget* next :
         {static_cast<QWidget*>(plenoPlayed), static_cast<QWidget*>(plenoGoals[0]),
          static_cast<QWidget*>(plenoGoals[1]), static_cast<QWidget*>(plenoGoals[2]),
          static_cast<QWidget*>(plenoGoals[3])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QLineEdit* edit : prizeEdits) {
        setTabOrder(previous, edit);
        previous = edit;
    }
    setTabOrder(previous, scrutinise);

    connect(scrutinise, &QPushButton::clicked, this, &ScrutinyTab::Scrutinise);
    connect(result, &QLineEdit::returnPressed, this, &ScrutinyTab::Scrutinise);
    Clear();
}

void ScrutinyTab::SetSets(const CColumnSet* shownBet, const CColumnSet* shownReduction) {
    bet = shownBet;
    reduction = shownReduction;
    scrutinise->setEnabled(bet != nullptr);
    pastRounds->SetSets(bet, reduction);
    Clear();
}

void ScrutinyTab::SetPrice(std::int64_t cents) {
    priceCents = cents;
    Clear();
}

void ScrutinyTab::Clear() {
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            table->setItem(row, column, new QTableWidgetItem(QStringLiteral("—")));
        }
    }
    betBars->remove(0, betBars->count());
    reductionBars->remove(0, reductionBars->count());
}

std::optional<PlenoPlay> ScrutinyTab::Pleno() const {
    if (!plenoPlayed->isChecked()) {
        return std::nullopt;
    }
    return PlenoPlay{ScoreOf(*plenoGoals[0], *plenoGoals[1]),
                     ScoreOf(*plenoGoals[2], *plenoGoals[3])};
}

bool ScrutinyTab::ReadPrizes(PrizeTable& prizes) {
    for (std::size_t i = 0; i < kPrizeCategories; ++i) {
        const QString text = prizeEdits[i]->text().trimmed();
        const std::optional<std::int64_t> cents =
            text.isEmpty() ? std::optional<std::int64_t>(0) : ParseEuros(text.toStdString());
        if (!cents) {
            ShowMessage(this, QStringLiteral("El premio de %1, «%2», no es una cantidad en euros "
                                             "(por ejemplo 1500 o 12,50).")
                                  .arg(kCategoryNames[i], text));
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
    const std::string typed = result->text().toStdString();
    const std::optional<CColumn> column = ColumnFromTypedSigns(typed);
    if (!column) {
        ShowMessage(this, QStringLiteral("El resultado «%1» %2.")
                              .arg(result->text(), FromUtf8(TypedSignsProblem(typed))));
        result->setFocus();
        return;
    }
    PrizeTable prizes{};
    if (!ReadPrizes(prizes)) {
        return;
    }
    const std::optional<PlenoPlay> pleno = Pleno();
    Clear();
    ShowSet(0, bet, column, pleno, prizes, *betBars);
    ShowSet(1, reduction, column, pleno, prizes, *reductionBars);
    auto* countAxis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    qreal highest = 1;
    for (const QBarSet* bars : {betBars, reductionBars}) {
        for (int i = 0; i < bars->count(); ++i) {
            highest = std::max(highest, bars->at(i));
        }
    }
    countAxis->setRange(0, highest);
    countAxis->applyNiceNumbers();
}

void ScrutinyTab::ShowSet(int column, const CColumnSet* set, const std::optional<CColumn>& round,
                          const std::optional<PlenoPlay>& pleno, const PrizeTable& prizes,
                          QBarSet& bars) {
    if (set == nullptr) {
        return;
    }
    const Scrutiny counts = ::Scrutinise(*set, *round, pleno);
    for (std::size_t i = 0; i < kPrizeCategories; ++i) {
        const std::int64_t inCategory = counts.InCategory(static_cast<PrizeCategory>(i));
        table->item(static_cast<int>(i), column)->setText(FromUtf8(GroupedNumber(inCategory)));
    }
    const std::int64_t winnings = WinningsCents(counts, prizes);
    const std::int64_t cost = CostOf(set->Count(), priceCents).cents;
    table->item(kWinningsRow, column)->setText(FromUtf8(EurosText(winnings)));
    table->item(kCostRow, column)->setText(FromUtf8(EurosText(cost)));
    table->item(kBalanceRow, column)->setText(FromUtf8(EurosText(winnings - cost)));
    for (const std::int64_t columns : counts.columnsByHits) {
        bars.append(static_cast<qreal>(columns));
    }
}
