// The tabs "Escrutar" and "Estadística": the counts per category and the
// money, the charts' numbers, the past rounds and what is refused.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLogValueAxis>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <array>

#include "file_contents.h"
#include "reducir/past_rounds_box.h"
#include "reducir/round_labels.h"
#include "reducir_fixture.h"

using namespace lumo;

namespace {

// 3 triples and 11 fixed results: 27 columns.
const QStringList kChoices{"1X2", "1X2", "1X2", "1", "1", "1", "1",
                           "1",   "1",   "1",   "1", "1", "1", "1"};
const QString kResult = QStringLiteral("1X2 1111 1111 111");

int HitsOf(const QString& column, const QString& result) {
    int hits = 0;
    for (int i = 0; i < 14; ++i) {
        hits += column[i] == result[i] ? 1 : 0;
    }
    return hits;
}

// Columns of the bet per number of hits, counted from the signs.
std::array<int, 15> ExpectedByHits() {
    std::array<int, 15> counts{};
    const QString result = QString(kResult).remove(u' ');
    for (const QString& column : ProductColumns(kChoices)) {
        ++counts[static_cast<std::size_t>(HitsOf(column, result))];
    }
    return counts;
}

}  // namespace

class ReducirScrutinyTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        fixture = std::make_unique<ReducirFixture>();
        QVERIFY(fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kChoices)));
    }
    void cleanup() { fixture.reset(); }

    void countsEachCategoryAndTheMoney() {
        fixture->Child<QLineEdit>("resultEdit")->setText(kResult);
        fixture->Child<QLineEdit>("prize1")->setText(QStringLiteral("1.000,00"));
        fixture->Child<QLineEdit>("prize2")->setText(QStringLiteral("50,5"));
        fixture->Child<QLineEdit>("prize3")->setText(QStringLiteral("2"));
        fixture->Click("scrutiniseButton");
        QVERIFY(fixture->messages.Texts().isEmpty());
        const std::array<int, 15> expected = ExpectedByHits();
        QCOMPARE(expected[14], 1);
        QCOMPARE(Cell(0, 0), QStringLiteral("0"));  // no Pleno al 15 played
        for (int hits = 14; hits >= 10; --hits) {
            QCOMPARE(Cell(15 - hits, 0), QString::number(expected[static_cast<std::size_t>(hits)]));
        }
        // 1 x 1000 + 6 x 50,50 + 12 x 2 = 1327 €, less 27 columns at 0,75 €.
        QCOMPARE(expected[13], 6);
        QCOMPARE(expected[12], 12);
        QCOMPARE(Cell(6, 0), QStringLiteral("1.327,00 €"));
        QCOMPARE(Cell(7, 0), QStringLiteral("20,25 €"));
        QCOMPARE(Cell(8, 0), QStringLiteral("1.306,75 €"));
        // No reduction yet.
        QCOMPARE(Cell(1, 1), QStringLiteral("—"));

        // Shares of the bet's 27 columns; no columns sit on the axis' floor.
        const QBarSet* bars = BarSet("hitsChart", QStringLiteral("Apuesta"));
        const auto* shareAxis = qobject_cast<QLogValueAxis*>(
            fixture->Child<QChartView>("hitsChart")->chart()->axes(Qt::Vertical).value(0));
        QVERIFY(shareAxis != nullptr);
        QCOMPARE(bars->count(), 15);
        for (int hits = 0; hits <= 14; ++hits) {
            const int count = expected[static_cast<std::size_t>(hits)];
            QCOMPARE(bars->at(hits), count > 0 ? 100.0 * count / 27 : shareAxis->min());
            QVERIFY(count == 0 || bars->at(hits) > shareAxis->min());
        }
    }

    void thePlenoAl15MakesTheSpecialCategory() {
        fixture->Child<QLineEdit>("resultEdit")->setText(kResult);
        fixture->Child<QCheckBox>("plenoPlayedBox")->setChecked(true);
        fixture->Child<QComboBox>("plenoHome")->setCurrentIndex(3);  // M
        fixture->Child<QComboBox>("pickHome")->setCurrentIndex(3);
        fixture->Child<QLineEdit>("prize0")->setText(QStringLiteral("5000"));
        fixture->Child<QLineEdit>("prize1")->setText(QStringLiteral("1000"));
        fixture->Click("scrutiniseButton");
        QCOMPARE(Cell(0, 0), QStringLiteral("1"));
        QCOMPARE(Cell(1, 0), QStringLiteral("1"));
        QCOMPARE(Cell(6, 0), QStringLiteral("6.000,00 €"));
        // A wrong pick: no special column.
        fixture->Child<QComboBox>("pickAway")->setCurrentIndex(1);
        fixture->Click("scrutiniseButton");
        QCOMPARE(Cell(0, 0), QStringLiteral("0"));
        QCOMPARE(Cell(6, 0), QStringLiteral("1.000,00 €"));
    }

    void wrongInputIsRefused() {
        auto* result = fixture->Child<QLineEdit>("resultEdit");
        QTest::keyClicks(result, QStringLiteral("1X3 2a"));
        QCOMPARE(result->text(), QStringLiteral("1X 2"));  // refused as typed
        fixture->Click("scrutiniseButton");
        QCOMPARE(fixture->messages.Texts().size(), 1);
        QVERIFY2(fixture->messages.Texts()[0].contains(QStringLiteral("3 signos en vez de 14")),
                 qPrintable(fixture->messages.Texts()[0]));
        result->setText(kResult);
        fixture->Child<QLineEdit>("prize2")->setText(QStringLiteral("1,505"));
        fixture->Click("scrutiniseButton");
        QCOMPARE(fixture->messages.Texts().size(), 2);
        QVERIFY(fixture->messages.Texts()[1].contains(QStringLiteral("«1,505»")));
        QCOMPARE(Cell(1, 0), QStringLiteral("—"));
    }

    void aFailedScrutinyLeavesNoFigures_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("prize");
        QTest::newRow("short result") << QStringLiteral("1X2") << QString();
        QTest::newRow("wrong prize") << kResult << QStringLiteral("1,505");
    }
    void aFailedScrutinyLeavesNoFigures() {
        fixture->Child<QLineEdit>("resultEdit")->setText(kResult);
        fixture->Click("scrutiniseButton");
        QCOMPARE(Cell(1, 0), QStringLiteral("1"));
        QFETCH(QString, result);
        QFETCH(QString, prize);
        fixture->Child<QLineEdit>("resultEdit")->setText(result);
        fixture->Child<QLineEdit>("prize2")->setText(prize);
        fixture->Click("scrutiniseButton");
        QCOMPARE(fixture->messages.Texts().size(), 1);
        for (int row = 0; row < 9; ++row) {
            QCOMPARE(Cell(row, 0), QStringLiteral("—"));
        }
        QCOMPARE(BarSet("hitsChart", QStringLiteral("Apuesta"))->count(), 0);
    }

    void theMoneyShowsWholeInTheNarrowestWindow() {
        fixture->Child<QTabWidget>("tabs")->setCurrentIndex(1);
        fixture->window->resize(1000, 600);
        fixture->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(fixture->window.get()));
        fixture->Child<QLineEdit>("resultEdit")->setText(kResult);
        fixture->Child<QLineEdit>("prize0")->setText(QStringLiteral("9.999.999"));
        fixture->Child<QCheckBox>("plenoPlayedBox")->setChecked(true);
        fixture->Click("scrutiniseButton");
        QCoreApplication::processEvents();
        auto* table = fixture->Child<QTableWidget>("categoriesTable");
        QCOMPARE(Cell(6, 0), QStringLiteral("9.999.999,00 €"));
        // The item view elides a text within a few pixels of the cell's edges.
        const int needed = table->fontMetrics().horizontalAdvance(Cell(6, 0)) + 8;
        QVERIFY2(table->columnWidth(0) >= needed,
                 qPrintable(QStringLiteral("%1 < %2").arg(table->columnWidth(0)).arg(needed)));
    }

    void theSharesChartAndTableShowEachSignPerMatch() {
        const QBarSet* ones = BarSet("betSharesChart", QStringLiteral("1"));
        const QBarSet* draws = BarSet("betSharesChart", QStringLiteral("X"));
        QCOMPARE(ones->count(), 14);
        QCOMPARE(ones->at(0), 100.0 / 3);
        QCOMPARE(draws->at(0), 100.0 / 3);
        QCOMPARE(ones->at(5), 100.0);
        QCOMPARE(draws->at(5), 0.0);
        auto* table = fixture->Child<QTableWidget>("betShares");
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("33,3 %"));
        QCOMPARE(table->item(13, 0)->text(), QStringLiteral("100,0 %"));
        // No reduction: its side is empty.
        QCOMPARE(BarSet("reductionSharesChart", QStringLiteral("1"))->count(), 0);
    }

    void pastRoundsGiveOneRowEachAndTheBestHits() {
        WriteFile(fixture->Path("jornadas.txt"),
                  "# temporada\nJornada 1  1X211111111111\n"
                  "Jornada 2  22222222222222\n");
        auto* box = fixture->window->findChild<PastRoundsBox*>();
        QVERIFY(box->OpenRounds(fixture->Path("jornadas.txt").toStdString()));
        auto* rounds = fixture->Child<QTableWidget>("roundsTable");
        QCOMPARE(rounds->rowCount(), 2);
        QCOMPARE(rounds->item(0, 0)->text(), QStringLiteral("Jornada 1"));
        QCOMPARE(rounds->item(0, 1)->text(), QStringLiteral("14"));
        QCOMPARE(rounds->item(0, 2)->text(), QStringLiteral("1"));
        QCOMPARE(rounds->item(1, 1)->text(), QStringLiteral("3"));
        const QBarSet* best = BarSet("roundsChart", QStringLiteral("Apuesta"));
        QCOMPARE(best->count(), 2);
        QCOMPARE(best->at(0), 14.0);
        QCOMPARE(best->at(1), 3.0);
        auto* names = qobject_cast<QBarCategoryAxis*>(
            fixture->Child<QChartView>("roundsChart")->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(names != nullptr);
        QCOMPARE(names->titleText(), QStringLiteral("Jornada"));
        QCOMPARE(names->categories(), QStringList({"1", "2"}));

        WriteFile(fixture->Path("rotas.txt"), "Jornada 1  1X211111111111\nJornada 2  2222\n");
        QVERIFY(!box->OpenRounds(fixture->Path("rotas.txt").toStdString()));
        QVERIFY(fixture->messages.Texts().value(0).contains(QStringLiteral("línea 2")));
        QCOMPARE(rounds->rowCount(), 0);
        QCOMPARE(best->count(), 0);
    }

    void roundLabelsDropTheSharedWordsAndDiffer_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("shared");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("season") << QStringList{"Jornada 1", "Jornada 2"} << "Jornada"
                                << QStringList{"1", "2"};
        QTest::newRow("one round") << QStringList{"Jornada 7"} << "Jornada" << QStringList{"7"};
        QTest::newRow("nothing shared")
            << QStringList{"Liga 3", "Copa 3"} << QString() << QStringList{"Liga 3", "Copa 3"};
        QTest::newRow("repeated") << QStringList{"J 1", "J 2", "J 1"} << "J"
                                  << QStringList{"1", "2", "1 (línea 3)"};
        QTest::newRow("shared but the last word") << QStringList{"Jornada 5 2024", "Jornada 5"}
                                                  << "Jornada" << QStringList{"5 2024", "5"};
    }
    void roundLabelsDropTheSharedWordsAndDiffer() {
        QFETCH(QStringList, names);
        const RoundLabels labels = LabelRounds(names);
        QTEST(labels.shared, "shared");
        QTEST(labels.labels, "labels");
    }

  private:
    QString Cell(int row, int column) const {
        return fixture->Child<QTableWidget>("categoriesTable")->item(row, column)->text();
    }

    const QBarSet* BarSet(const QString& chartName, const QString& label) const {
        for (QAbstractSeries* series : fixture->Child<QChartView>(chartName)->chart()->series()) {
            const auto* bars = qobject_cast<QAbstractBarSeries*>(series);
            for (QBarSet* set : bars->barSets()) {
                if (set->label() == label) {
                    return set;
                }
            }
        }
        qFatal("no bars %s", qPrintable(label));
    }

    std::unique_ptr<ReducirFixture> fixture;
};

QTEST_MAIN(ReducirScrutinyTest)
#include "reducir_scrutiny_test.moc"
