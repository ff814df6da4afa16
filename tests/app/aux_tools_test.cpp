// The hidden tools, each driven through its control: the buttons are clicked
// programmatically and stay hidden.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>
#include <QtTest>
#include <string>
#include <vector>

#include "core/covering.h"
#include "core/forecast_table.h"
#include "core/neighbour.h"
#include "dialog_test_case.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// The number of matches in which two columns differ.
int Distance(const CColumn& a, const CColumn& b) {
    return kMatches - a.Hits(b);
}

}  // namespace

class AuxToolsTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void init() { OpenDialog(); }

    void cleanup() { CloseDialog(); }

    void addColumnTakesTheFirst14Characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("signs");
        QTest::newRow("X2") << "X2"
                            << "X2111111111111";
        QTest::newRow("20 characters") << "x2X2x2X2x2X2x2222222"
                                       << "X2X2X2X2X2X2X2";
        QTest::newRow("empty") << ""
                               << "11111111111111";
        QTest::newRow("other characters") << "2 ñ1?x"
                                          << "21111X11111111";
    }

    void addColumnTakesTheFirst14Characters() {
        QFETCH(QString, text);
        QFETCH(QString, signs);
        SetBet({7, 8});
        Type(kAddColumnEdit, text);
        ClickHidden(kAddColumnButton);
        QCOMPARE(dialog->Bet().Count(), 3);
        const CColumn& added = dialog->Bet()[2];
        QCOMPARE(QString::fromStdString(SignsOf(added)), signs);
        QCOMPARE(added.score, 0);
        QCOMPARE(added.marked, 0);
        QVERIFY(Edit(kAddColumnEdit)->text().isEmpty());
        QCOMPARE(probe->refreshes, 1);
        QCOMPARE(Edit(kRandomCountEdit)->text(), QStringLiteral("3"));
    }

    void deleteAllThenAddGivesOneColumn() {
        SetBet({1, 2, 3, 4, 5});
        ClickHidden(kDeleteAllButton);
        QCOMPARE(dialog->Bet().Count(), 0);
        QVERIFY(dialog->Bet().Capacity() >= 5);
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("0 cols."));
        ClickHidden(kAddColumnButton);
        QCOMPARE(dialog->Bet().Count(), 1);
    }

    void randomColumns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("message");
        QTest::newRow("0") << "0" << 10 << false;
        QTest::newRow("empty") << "" << 10 << false;
        QTest::newRow("not a number") << "tres" << 10 << false;
        QTest::newRow("3") << "3" << 13 << false;
        QTest::newRow("3 after blanks and a sign") << "  +3 cols" << 13 << false;
        QTest::newRow("-2") << "-2" << 8 << false;
        QTest::newRow("-10") << "-10" << 0 << false;
        QTest::newRow("-25") << "-25" << 0 << false;
        QTest::newRow("beyond 32 bits") << "99999999999" << 10 << true;
        QTest::newRow("beyond the largest count") << "2147483640" << 10 << true;
    }

    void randomColumns() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(bool, message);
        SetBet({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        Type(kRandomCountEdit, text);
        ClickHidden(kRandomColumnsButton);
        QCOMPARE(dialog->Bet().Count(), count);
        QCOMPARE(probe->messages.size(), message ? 1 : 0);
        QCOMPARE(probe->refreshes, 1);
        QCOMPARE(Edit(kRandomCountEdit)->text(), QString::number(count));
        // The field now holds the bet's count: clicking again doubles the bet.
        ClickHidden(kRandomColumnsButton);
        QCOMPARE(dialog->Bet().Count(), 2 * count);
    }

    void winnerShowsTheHitCounts() {
        const char* winner = "1X21X21X21X21X";
        SetColumns({ColumnOf("1X21X21X21X21X"), ColumnOf("2X21X21X21X21X"),
                    ColumnOf("2221X21X21X21X"), ColumnOf("22X1X21X21X21X"),
                    ColumnOf("22X1X21X21X211"), ColumnOf("2222222X21X21X"),
                    ColumnOf("X1X1X1X21X21X1")});
        Type(kWinnerEdit, QString::fromLatin1(winner));
        ClickHidden(kWinnerButton);
        QCOMPARE(probe->MessageTexts(),
                 QStringList{QStringLiteral(
                     "14 aciertos: 1\n13 aciertos: 1\n12 aciertos: 1\n11 aciertos: 1\n"
                     "10 aciertos: 1")});
        QCOMPARE(dialog->Bet().Count(), 7);
        QCOMPARE(probe->refreshes, 1);
    }

    void markToolsOnlyRefresh_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("Borrar las cols marcadas") << kDeleteMarkedButton;
        QTest::newRow("Consolidar marcadas") << kConsolidateMarkedButton;
    }

    void markToolsOnlyRefresh() {
        QFETCH(int, id);
        CColumn marked(5);
        marked.marked = 1;
        SetColumns({CColumn(4), marked});
        ClickHidden(id);
        QCOMPARE(dialog->Bet().Count(), 2);
        QCOMPARE(dialog->Bet()[1].marked, 1);
        QCOMPARE(probe->refreshes, 1);
        QVERIFY(probe->waitDuringRefresh);
    }

    void rescoreScoresEveryColumn() {
        CForecastTable table;
        table.rows[0] = {80, 10, 10};
        tables.scoring = ScoringOf(table);
        SetColumns({CColumn(0), CColumn(1), CColumn(2)});
        ClickHidden(kRescoreButton);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(dialog->Bet()[i].score, dialog->Bet()[i].ComputeScore(tables.scoring));
        }
        QVERIFY(dialog->Bet()[0].score > dialog->Bet()[1].score);
        QCOMPARE(Label(kStatusText)->text(), QStringLiteral("0 3"));
        QCOMPARE(probe->refreshes, 1);
        QVERIFY(probe->waitDuringRefresh);
    }

    void rescoreReportsOnTheScaleOfAllColumns() {
        CColumnSet& bet = dialog->Bet();
        for (int i = 0; i < 500'000; ++i) {
            bet.AppendNoGrow(CColumn(i));
        }
        int highest = 0;
        connect(Bar(), &QProgressBar::valueChanged, this,
                [&highest](int value) { highest = std::max(highest, value); });
        ClickHidden(kRescoreButton);
        QCOMPARE(Label(kStatusText)->text(), QStringLiteral("490000 500000"));
        QCOMPARE(highest, 490'000 * 100 / kAllColumns);
        QCOMPARE(Bar()->value(), 0);
    }

    void rescoreOfAnEmptyBetOnlyRefreshes() {
        Label(kStatusText)->setText(QStringLiteral("antes"));
        ClickHidden(kRescoreButton);
        QCOMPARE(dialog->Bet().Count(), 0);
        QCOMPARE(Label(kStatusText)->text(), QStringLiteral("antes"));
        QCOMPARE(probe->refreshes, 1);
    }

    void averageModeWaitsForRescoring() {
        SetBet({0, 100, 4'782'968});
        const int normalScore = dialog->Bet()[1].score;
        ClickHidden(kAverageModeCheck);
        QCOMPARE(tables.scoring.mode, ScoreMode::kAverage);
        QVERIFY(ControlById<QCheckBox>(*dialog, kAverageModeCheck)->isChecked());
        QCOMPARE(dialog->Bet()[1].score, normalScore);
        QCOMPARE(probe->refreshes, 0);

        ClickHidden(kRescoreButton);
        // Average mode: the percentage sum divided by 14, 40 for all 1s.
        QCOMPARE(dialog->Bet()[0].score, 40);
        QCOMPARE(dialog->Bet()[2].score, 27);
        QVERIFY(dialog->Bet()[1].score != normalScore);

        ClickHidden(kAverageModeCheck);
        QCOMPARE(tables.scoring.mode, ScoreMode::kNormalised);
    }

    void neighboursOfTheSelectedRowsInListOrder() {
        SetColumns({Scored(ColumnOf("11111111111111"), 10), Scored(ColumnOf("X1111111111112"), 30),
                    Scored(ColumnOf("21111111111112"), 20)});
        dialog->OnHeaderClick(1);  // by "V", descending: rows of columns 1, 2, 0
        // Selected bottom up: the list's order counts, not the selection's.
        List()->topLevelItem(2)->setSelected(true);
        List()->topLevelItem(0)->setSelected(true);
        ClickHidden(kAddNeighboursButton);

        const CColumnSet& bet = dialog->Bet();
        QCOMPARE(bet.Count(), 3 + 56);
        QCOMPARE(probe->refreshes, 1);
        QVERIFY(List()->selectedItems().isEmpty());
        // The 28 neighbours of column 1, then those of column 0.
        QCOMPARE(SignsOf(bet[3]), SignsOf(Neighbour(bet[1], 0)));
        QCOMPARE(SignsOf(bet[3 + 28]), SignsOf(Neighbour(bet[0], 0)));
    }

    void commandsThatDoNothing_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("28 per row without selection") << kAddNeighboursButton;
        QTest::newRow("784 without selection") << kAddNeighbours2Button;
        QTest::newRow("import") << kImportButton;
        QTest::newRow("no command") << kNoCommandButton;
    }

    void commandsThatDoNothing() {
        QFETCH(int, id);
        SetBet({3, 4});
        Type(kAddColumnEdit, QStringLiteral("X2"));
        ClickHidden(id);
        QCOMPARE(dialog->Bet().Count(), 2);
        QCOMPARE(probe->refreshes, 0);
        QVERIFY(probe->messages.isEmpty());
    }

    void neighbours2FromTheFirstSelectedRow() {
        SetColumns(
            {Scored(ColumnOf("1X21X21X21X21X"), 60), Scored(ColumnOf("22222222222222"), 70)});
        dialog->OnHeaderClick(1);  // rows of columns 1, 0
        List()->topLevelItem(1)->setSelected(true);
        List()->topLevelItem(0)->setSelected(true);
        ClickHidden(kAddNeighbours2Button);

        const CColumnSet& bet = dialog->Bet();
        QCOMPARE(bet.Count(), 2 + 784);
        // The second neighbours of column 1, the first selected row.
        QCOMPARE(SignsOf(bet[2]), SignsOf(Neighbour(Neighbour(bet[1], 0), 0)));
        QCOMPARE(probe->refreshes, 1);
    }

    void makeUniverseShowsItsCountAtTheNextRefresh() {
        Edit(kUniverseCountEdit)->setText(QStringLiteral("antes"));
        ClickHidden(kMakeUniverseButton);
        QVERIFY(dialog->Universe() != nullptr);
        QCOMPARE(dialog->Universe()->Count(), kAllColumns);
        QCOMPARE(probe->refreshes, 0);
        QVERIFY(!probe->waitSeen);
        QCOMPARE(Bar()->value(), 0);
        QCOMPARE(Edit(kUniverseCountEdit)->text(), QStringLiteral("antes"));
        ClickHidden(kDeleteMarkedButton);
        QCOMPARE(Edit(kUniverseCountEdit)->text(), QString::number(kAllColumns));
    }

    void greedyStepsCoverTheUniverse_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("covered");
        const int covered[] = {29, 393, 3'305, 19'321, 83'385, 275'577};
        for (const auto& [id, distance] : kGreedyButtons) {
            QTest::addRow("%d", id) << id << distance << covered[distance - 1];
        }
    }

    void greedyStepsCoverTheUniverse() {
        QFETCH(int, id);
        QFETCH(int, distance);
        QFETCH(int, covered);
        // Without a universe the step asks for one and changes nothing.
        SetBet({1, 2});
        ClickHidden(id);
        QCOMPARE(
            probe->MessageTexts(),
            QStringList{QStringLiteral("Primero hay que crear el universo con el botón \"B\".")});
        QCOMPARE(dialog->Bet().Count(), 2);
        QCOMPARE(dialog->Bet().covered, 0);
        QVERIFY(dialog->Universe() == nullptr);
        QCOMPARE(probe->refreshes, 0);

        SetBet({});
        ClickHidden(kMakeUniverseButton);
        ClickHidden(id);
        const CColumnSet& bet = dialog->Bet();
        QCOMPARE(bet.Count(), 1);
        // The best column of the constructed forecast: all 1s, scored 100.
        QCOMPARE(bet[0].Index(), 0);
        QCOMPARE(bet[0].score, 100);
        QCOMPARE(bet[0].marked, 1);
        QCOMPARE(bet.covered, covered);
        QCOMPARE(Edit(kCoveredEdit)->text(), QString::number(covered));

        ClickHidden(id);
        QCOMPARE(bet.Count(), 2);
        QVERIFY(Distance(bet[1], bet[0]) > distance);
        QCOMPARE(bet.covered, MarkedCount(*dialog->Universe()));
        QVERIFY(probe->messages.isEmpty());
        QCOMPARE(probe->refreshes, 2);
    }

    void greedyStepOnAnExhaustedUniverse() {
        // A universe of one column scored above 0 and one scored 0.
        SetColumns({Scored(8, 0), Scored(9, 50)});
        ClickHidden(kSwapUniverseButton);
        QCOMPARE(dialog->Bet().Count(), 0);
        ClickHidden(kGreedy1Button);
        QCOMPARE(dialog->Bet().Count(), 1);
        QCOMPARE(dialog->Bet()[0].Index(), 9);
        QVERIFY(probe->messages.isEmpty());

        ClickHidden(kGreedy1Button);
        QCOMPARE(probe->MessageTexts(), QStringList{QStringLiteral("todo explorado")});
        QCOMPARE(dialog->Bet().Count(), 1);
        QCOMPARE(dialog->Bet().covered, 1);
        QCOMPARE(probe->refreshes, 3);
    }

    void profitableKeepsExpectationsAboveOne() {
        tables.expectation = TableOf({150, 100, 50});
        SetColumns({ColumnOf("11111111111111"), ColumnOf("XXXXXXXXXXXXXX"),
                    ColumnOf("X1111111111111"), ColumnOf("22222222222222"),
                    ColumnOf("2X111111111111")});
        ClickHidden(kProfitableButton);
        const CColumnSet& bet = dialog->Bet();
        QCOMPARE(bet.Count(), 3);
        QCOMPARE(SignsOf(bet[0]), std::string("11111111111111"));
        QCOMPARE(SignsOf(bet[1]), std::string("X1111111111111"));
        QCOMPARE(SignsOf(bet[2]), std::string("2X111111111111"));
        QVERIFY(probe->waitDuringRefresh);
    }

    void profitableEmptiesABetAtOrBelowOne() {
        // The constructed expectation table: every column well below 1.0.
        SetBet({0, 1, 4'782'968});
        ClickHidden(kProfitableButton);
        QCOMPARE(dialog->Bet().Count(), 0);
    }

    void swapExchangesBetAndUniverse_data() {
        QTest::addColumn<bool>("universe");
        QTest::addColumn<int>("count");  // of the bet afterwards
        QTest::newRow("all columns") << true << kAllColumns;
        QTest::newRow("no universe yet") << false << 0;
    }

    void swapExchangesBetAndUniverse() {
        QFETCH(bool, universe);
        QFETCH(int, count);
        if (universe) {
            ClickHidden(kMakeUniverseButton);
        }
        SetBet({5, 6, 7});
        ClickHidden(kSwapUniverseButton);
        QCOMPARE(dialog->Bet().Count(), count);
        QVERIFY(dialog->Universe() != nullptr);
        QCOMPARE(dialog->Universe()->Count(), 3);
        QCOMPARE((*dialog->Universe())[2].Index(), 7);
        QCOMPARE(Edit(kUniverseCountEdit)->text(), QStringLiteral("3"));
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("%1 cols.").arg(count));
        QCOMPARE(probe->refreshes, 1);
    }

    void hiddenControlsStayHidden() {
        SetBet({1, 2});
        List()->topLevelItem(0)->setSelected(true);
        std::vector<int> ids{kRandomColumnsButton, kAddColumnButton,     kWinnerButton,
                             kDeleteMarkedButton,  kDeleteAllButton,     kConsolidateMarkedButton,
                             kRescoreButton,       kAverageModeCheck,    kNoCommandButton,
                             kMakeUniverseButton,  kProfitableButton,    kSwapUniverseButton,
                             kImportButton,        kAddNeighboursButton, kAddNeighbours2Button};
        for (const DistanceButton& button : kGreedyButtons) {
            ids.push_back(button.id);
        }
        for (const int id : ids) {
            ClickHidden(id);
        }
        ids.insert(ids.end(), {kRandomCountEdit, kAddColumnEdit, kWinnerEdit, kUniverseCountEdit,
                               kCoveredEdit, kStatusText});
        for (const int id : ids) {
            QVERIFY2(ControlById(*dialog, id)->isHidden(), qPrintable(QString::number(id)));
        }
        QVERIFY(!Edit(kCoveredEdit)->isEnabled());
        QVERIFY(!Edit(kUniverseCountEdit)->isEnabled());
    }
};

QTEST_MAIN(AuxToolsTest)
#include "aux_tools_test.moc"
