// The step commands of steps 1 to 5, each driven through its button.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <set>
#include <vector>

#include "core/forecast_table.h"
#include "dialog_test_case.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// `n` different columns of scattered indices (a fixed sequence), scored from
// the forecast.
std::vector<CColumn> ScatteredColumns(int n) {
    std::vector<CColumn> columns;
    std::set<int> taken;
    std::uint32_t state = 12345;
    while (static_cast<int>(columns.size()) < n) {
        state = state * 1103515245u + 12345u;
        const auto index = static_cast<int>((state >> 8) % static_cast<std::uint32_t>(kAllColumns));
        if (taken.insert(index).second) {
            CColumn column(index);
            column.score = column.ComputeScore(Scoring());
            columns.push_back(column);
        }
    }
    return columns;
}

// The bar's positions while all columns are generated: 0 (where it stood)
// to 99 every 10,000 columns, then back to 0.
QList<int> GenerationPositions() {
    QList<int> positions;
    for (int position = 1; position < 100; ++position) {
        positions.append(position);
    }
    positions.append(0);
    return positions;
}

}  // namespace

class StepCommandsTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void init() { OpenDialog(); }

    void cleanup() { CloseDialog(); }

    void generateAllReplacesTheBetByAllColumns_data() {
        QTest::addColumn<bool>("room");
        QTest::newRow("into a new set") << false;
        QTest::newRow("in the bet's own storage") << true;
    }

    void generateAllReplacesTheBetByAllColumns() {
        QFETCH(bool, room);
        if (room) {
            Click(kGenerateAllButton);
            dialog->Bet().Truncate(3);
        } else {
            SetColumns({Scored(7, 1), Scored(8, 2)});
        }
        dialog->Bet().covered = 9;
        dialog->Bet().maxDoses = 4;
        const CColumn* const storage = dialog->Bet().begin();
        probe->Reset();
        Click(kGenerateAllButton);
        const CColumnSet& bet = dialog->Bet();
        if (room) {
            QCOMPARE(bet.begin(), storage);
        }
        QCOMPARE(bet.Count(), kAllColumns);
        for (const int i : {0, 1, 2, 500, 2'391'484, kAllColumns - 1}) {
            QCOMPARE(bet[i].Index(), i);
            QCOMPARE(bet[i].score, bet[i].ComputeScore(tables.scoring));
            QCOMPARE(bet[i].marked, 0);
        }
        // As a new bet: nothing covered, the bounds of a new set.
        QCOMPARE(bet.covered, 0);
        QCOMPARE(bet.maxDoses, 14);
        // Counts without a thousands separator.
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("4782969 cols."));
        QCOMPARE(Edit(kRandomCountEdit)->text(), QStringLiteral("4782969"));
        QCOMPARE(List()->topLevelItemCount(), 500);
        QCOMPARE(List()->topLevelItem(499)->text(2), QStringLiteral("499"));
        QVERIFY(probe->messages.isEmpty());
        QCOMPARE(probe->refreshes, 1);
        QVERIFY(probe->waitDuringRefresh);
        QCOMPARE(probe->positions, GenerationPositions());
    }

    void longCommandsMoveTheBarAndEndAtZero_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("cut below") << kCutBelowButton;
        QTest::newRow("cut above") << kCutAboveButton;
        QTest::newRow("zero percent") << kRemoveZeroPercentButton;
        QTest::newRow("condition") << kConditionButton;
        QTest::newRow("reduce 0") << kReduce0Button;
        QTest::newRow("reduce 8") << kReduce8Button;
    }

    void longCommandsMoveTheBarAndEndAtZero() {
        QFETCH(int, id);
        Click(kGenerateAllButton);
        probe->Reset();
        Type(kCutAboveEdit, QStringLiteral("101"));  // cut above 101 keeps everything
        Click(id);
        // The bar took many positions on the way up, then went back to 0.
        const QList<int>& positions = probe->positions;
        QVERIFY2(positions.size() > 50, qPrintable(QString::number(positions.size())));
        QVERIFY(*std::max_element(positions.begin(), positions.end()) >= 90);
        QVERIFY(std::is_sorted(positions.begin(), positions.end() - 1));
        QCOMPARE(positions.back(), 0);
        QCOMPARE(Bar()->value(), 0);
    }

    void cuts_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<std::vector<int>>("kept");
        // Scores of the bet: -5, 0, 7, 49, 50, 51, 100.
        const int below = kCutBelowButton;
        const int above = kCutAboveButton;
        QTest::newRow("below, empty field reads 0")
            << below << "" << std::vector{7, 49, 50, 51, 100};
        QTest::newRow("below, letters read 0") << below << "abc" << std::vector{7, 49, 50, 51, 100};
        QTest::newRow("below 50abc, 50 removed") << below << "50abc" << std::vector{51, 100};
        QTest::newRow("below +50") << below << "+50" << std::vector{51, 100};
        QTest::newRow("below   -7") << below << "  -7" << std::vector{-5, 0, 7, 49, 50, 51, 100};
        QTest::newRow("below 100") << below << "100" << std::vector<int>{};
        QTest::newRow("above, empty field reads 0") << above << "" << std::vector{-5};
        QTest::newRow("above 50abc, 50 removed") << above << "50abc" << std::vector{-5, 0, 7, 49};
        QTest::newRow("above   -7") << above << "  -7" << std::vector<int>{};
        QTest::newRow("above 5 0 reads 5") << above << "5 0" << std::vector{-5, 0};
        QTest::newRow("above 101") << above << "101" << std::vector{-5, 0, 7, 49, 50, 51, 100};
    }

    void cuts() {
        QFETCH(int, id);
        QFETCH(QString, limit);
        QFETCH(std::vector<int>, kept);
        SetColumns({Scored(10, -5), Scored(11, 0), Scored(12, 7), Scored(13, 49), Scored(14, 50),
                    Scored(15, 51), Scored(16, 100)});
        Type(id == kCutBelowButton ? kCutBelowEdit : kCutAboveEdit, limit);
        Click(id);
        QCOMPARE(ScoresOf(dialog->Bet()), kept);
        // The kept columns stay in their order, and the field keeps its text.
        const std::vector<int> indices = IndicesOf(dialog->Bet());
        QVERIFY(std::is_sorted(indices.begin(), indices.end()));
        QCOMPARE(Edit(id == kCutBelowButton ? kCutBelowEdit : kCutAboveEdit)->text(), limit);
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("%1 cols.").arg(kept.size()));
        QCOMPARE(probe->refreshes, 1);
    }

    void removeZeroPercentDropsTheRuledOutResults() {
        CForecastTable table;
        table.rows[0] = {60, 0, 40};
        tables.scoring = ScoringOf(table);
        Click(kGenerateAllButton);
        Click(kRemoveZeroPercentButton);
        const CColumnSet& bet = dialog->Bet();
        QCOMPARE(bet.Count(), kAllColumns / 3 * 2);
        for (const int i : {0, 1, 2, 3, bet.Count() / 2, bet.Count() - 1}) {
            QVERIFY(bet[i].results[0] != kDraw);
        }
        QCOMPARE(bet[1].Index(), 2);  // index 1 is X in match 1
    }

    void removeZeroPercentWithoutZerosKeepsAll() {
        SetColumns(ScatteredColumns(1000));
        Click(kRemoveZeroPercentButton);
        QCOMPARE(dialog->Bet().Count(), 1000);
        QCOMPARE(probe->refreshes, 1);
    }

    void condition_data() {
        QTest::addColumn<QStringList>("bounds");  // Min. Varia, Max. Varia, Min 2, Max2
        QTest::addColumn<QStringList>("kept");
        const QString all1 = QStringLiteral("11111111111111");
        const QString oneX = QStringLiteral("1111111111111X");
        const QString one2 = QStringLiteral("11111111111112");
        const QString mixed = QStringLiteral("X2X2111111111X");  // 5 variants, 2 doses
        const QString all2 = QStringLiteral("22222222222222");
        QTest::newRow("start-up bounds keep all")
            << QStringList{"0", "14", "0", "14"} << QStringList{all1, oneX, one2, mixed, all2};
        QTest::newRow("min above max keeps none")
            << QStringList{"2", "1", "0", "14"} << QStringList{};
        QTest::newRow("exactly one variant, no 2")
            << QStringList{"1", "1", "0", "0"} << QStringList{oneX};
        QTest::newRow("one variant, any 2s")
            << QStringList{"1", "1", "0", "14"} << QStringList{oneX, one2};
        QTest::newRow("bounds inclusive") << QStringList{"5", "14", "2", "2"} << QStringList{mixed};
        QTest::newRow("empty fields read 0") << QStringList{"", "", "", ""} << QStringList{all1};
        QTest::newRow("numbers before letters")
            << QStringList{" +1x", "5 variantes", "0", "2 doses"} << QStringList{oneX, one2, mixed};
        QTest::newRow("14 twos only") << QStringList{"0", "14", "14", "14"} << QStringList{all2};
        QTest::newRow("negative bounds") << QStringList{"-3", "-1", "0", "14"} << QStringList{};
    }

    void condition() {
        QFETCH(QStringList, bounds);
        QFETCH(QStringList, kept);
        SetColumns({ColumnOf("11111111111111"), ColumnOf("1111111111111X"),
                    ColumnOf("11111111111112"), ColumnOf("X2X2111111111X"),
                    ColumnOf("22222222222222")});
        const int fields[] = {kMinVariantsEdit, kMaxVariantsEdit, kMinDosesEdit, kMaxDosesEdit};
        for (int i = 0; i < 4; ++i) {
            Type(fields[i], bounds[i]);
        }
        Click(kConditionButton);
        QCOMPARE(RowTexts(*List(), 0), kept);
        QCOMPARE(dialog->Bet().Count(), kept.size());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Edit(fields[i])->text(), bounds[i]);
        }
    }

    void sortAsksAboveOneHundredThousand_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("sorted");
        QTest::newRow("100,000: no question") << 100'000 << false << false << true;
        QTest::newRow("100,001, Yes") << 100'001 << true << true << true;
        QTest::newRow("100,001, No") << 100'001 << true << false << false;
    }

    void sortAsksAboveOneHundredThousand() {
        QFETCH(int, count);
        QFETCH(bool, asked);
        QFETCH(bool, answerYes);
        QFETCH(bool, sorted);
        std::vector<CColumn> columns;
        for (int i = 0; i < count; ++i) {
            columns.push_back(Scored(i, (i * 37) % 101));
        }
        SetColumns(columns);
        const QString firstRowBefore = List()->topLevelItem(0)->text(1);
        probe->answer = answerYes ? MessageAnswer::kYes : MessageAnswer::kNo;
        Click(kSortByScoreButton);

        if (asked) {
            QCOMPARE(probe->messages.size(), 1);
            const MessageRequest& question = probe->messages.front();
            QCOMPARE(question.text,
                     QStringLiteral("La operación sería demasiado lenta y ha sido suspendida. Debe "
                                    "haber a lo sumo 100,000 columnas\n¿Está seguro de que desea "
                                    "continuar?"));
            QCOMPARE(question.buttons, MessageButtons::kYesNo);
            QCOMPARE(question.defaultAnswer, MessageAnswer::kYes);
        } else {
            QVERIFY(probe->messages.isEmpty());
        }
        const std::vector<int> scores = ScoresOf(dialog->Bet());
        QCOMPARE(static_cast<int>(scores.size()), count);
        if (sorted) {
            QVERIFY(std::is_sorted(scores.begin(), scores.end(), std::greater<>()));
            QCOMPARE(List()->topLevelItem(0)->text(1), QStringLiteral("100"));
            QCOMPARE(probe->refreshes, 1);
        } else {
            for (int i = 0; i < count; ++i) {
                QCOMPARE(dialog->Bet()[i].Index(), i);
            }
            QCOMPARE(List()->topLevelItem(0)->text(1), firstRowBefore);
            QCOMPARE(probe->refreshes, 0);
        }
        QVERIFY(probe->waitSeen);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void reduceKeepsColumnsFartherThanTheDistance_data() {
        QTest::addColumn<int>("distance");
        for (int d = 0; d <= 8; ++d) {
            QTest::addRow("%d", d) << d;
        }
    }

    void reduceKeepsColumnsFartherThanTheDistance() {
        QFETCH(int, distance);
        std::vector<CColumn> columns = ScatteredColumns(3000);
        // Duplicates and near neighbours of earlier columns.
        for (int i = 0; i < 300; ++i) {
            CColumn near = columns[static_cast<std::size_t>(i * 7)];
            near.results[static_cast<std::size_t>(i % kMatches)] = static_cast<std::uint8_t>(
                (near.results[static_cast<std::size_t>(i % kMatches)] + i / 150) % 3);
            columns.push_back(near);
        }
        SetColumns(columns);
        const int id = kReduceButtons[static_cast<std::size_t>(distance)].id;
        Click(id);
        const std::vector<int> kept = IndicesOf(dialog->Bet());
        QCOMPARE(kept, NaiveReduction(columns, distance));
        QCOMPARE(probe->refreshes, 1);
        QVERIFY(probe->waitDuringRefresh);

        // A second run with the same distance finds nothing to remove, and of
        // the kept columns twice over it removes exactly the copies.
        Click(id);
        QCOMPARE(IndicesOf(dialog->Bet()), kept);
        std::vector<CColumn> twice(dialog->Bet().begin(), dialog->Bet().end());
        twice.insert(twice.end(), dialog->Bet().begin(), dialog->Bet().end());
        SetColumns(twice);
        Click(id);
        QCOMPARE(IndicesOf(dialog->Bet()), kept);
    }

    void reduceAtEightOnAllColumnsInIndexOrder() {
        Click(kGenerateAllButton);
        Click(kReduce8Button);
        const CColumnSet& bet = dialog->Bet();
        QVERIFY(bet.Count() > 1);
        QCOMPARE(bet[0].Index(), 0);  // all 1s
        for (const CColumn& column : bet) {
            if (column.Index() != 0) {
                QVERIFY(column.CountVariants() > 8);
            }
        }
        for (int i = 0; i < bet.Count(); ++i) {
            for (int j = 0; j < i; ++j) {
                QVERIFY(kMatches - bet[i].Hits(bet[j]) > 8);
            }
        }
    }

    void reduceOfAnEmptyBetRefreshes() {
        Click(kReduce2Button);
        QCOMPARE(dialog->Bet().Count(), 0);
        QCOMPARE(probe->refreshes, 1);
    }

    void magicReductionOnlySaysSo() {
        SetColumns({Scored(3, 9), Scored(2, 8)});
        Click(kMagicReductionButton);
        QCOMPARE(probe->MessageTexts(), QStringList{QStringLiteral("reduccion -magica-")});
        QCOMPARE(probe->messages.front().buttons, MessageButtons::kOk);
        QCOMPARE(IndicesOf(dialog->Bet()), (std::vector{3, 2}));
        QCOMPARE(probe->refreshes, 0);
        QVERIFY(!probe->waitSeen);
    }
};

QTEST_MAIN(StepCommandsTest)
#include "step_commands_test.moc"
