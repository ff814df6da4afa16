// The whole road through the window's buttons: a forecast file, all columns,
// the cut, the fixed results, the condition, the sort, the reduction, the
// save, and the saved file opened into an empty bet; compared with the same
// steps run directly on the column library.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/covering.h"
#include "core/forecast_table.h"
#include "dialog_test_case.h"
#include "file_contents.h"
#include "seam_answerers.h"

using namespace lumo;

namespace {

// Matches 4 and 13 are fixed (results at 0 %), match 6 cannot end in a 2.
const char kForecast[] =
    "55 27 18\n48 30 22\n62 24 14\n100 0 0\n35 32 33\n50 50 0\n41 31 28\n"
    "70 20 10\n30 33 37\n45 30 25\n38 34 28\n58 26 16\n0 40 60\n44 30 26\n";

constexpr int kCutBelow = 60;
const ConditionBounds kBounds{.minVariants = 3, .maxVariants = 9, .minDoses = 1, .maxDoses = 5};
constexpr int kDistance = 2;

// The same road on the column library alone.
std::unique_ptr<CColumnSet> RoadOnTheLibrary(const Scoring& scoring) {
    auto bet = std::make_unique<CColumnSet>(kAllColumns);
    bet->GenerateAll(scoring);
    bet->Filter(ScoreAbove{kCutBelow});
    bet->Filter(NoZeroPercent(scoring.table));
    KeepWithinCondition(*bet, kBounds);
    bet->SortByScore();
    NotNearKept notNearKept(*bet, kDistance);
    bet->Filter(notNearKept);
    return bet;
}

}  // namespace

class WholeRoadTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void cleanup() { CloseDialog(); }

    void wholeRoadGivesTheLibrarysBet() {
        workingDirectory = std::make_unique<ScopedEmptyWorkingDirectory>();
        WriteFile(QStringLiteral("pronostico.txt"), kForecast);
        const QString saved = QDir::current().absoluteFilePath(QStringLiteral("camino.txt"));
        const FileDialogRecorder fileDialog(saved);

        OpenDialog();
        QCOMPARE(tables.scoring.table.rows[3], (std::array<std::int32_t, 3>{100, 0, 0}));
        Click(kGenerateAllButton);
        QCOMPARE(dialog->Bet().Count(), kAllColumns);
        Type(kCutBelowEdit, QString::number(kCutBelow));
        Click(kCutBelowButton);
        Click(kRemoveZeroPercentButton);
        Type(kMinVariantsEdit, QString::number(kBounds.minVariants));
        Type(kMaxVariantsEdit, QString::number(kBounds.maxVariants));
        Type(kMinDosesEdit, QString::number(kBounds.minDoses));
        Type(kMaxDosesEdit, QString::number(kBounds.maxDoses));
        Click(kConditionButton);
        // Enough columns are left that the sort asks first; the answer is Yes.
        QVERIFY(dialog->Bet().Count() > 100'000);
        Click(kSortByScoreButton);
        QCOMPARE(probe->messages.size(), 1);
        QCOMPARE(probe->messages.front().buttons, MessageButtons::kYesNo);
        Click(kReduce2Button);
        Click(kSaveBetButton);
        QVERIFY(QFile::exists(saved));
        QCOMPARE(probe->messages.size(), 1);

        const std::unique_ptr<CColumnSet> expected = RoadOnTheLibrary(tables.scoring);
        QVERIFY(expected->Count() > 1000);
        const CColumnSet& held = dialog->Bet();
        QCOMPARE(held.Count(), expected->Count());
        for (int i = 0; i < held.Count(); ++i) {
            QCOMPARE(held[i].Index(), (*expected)[i].Index());
            QCOMPARE(held[i].score, (*expected)[i].score);
        }
        dialog.reset();

        // Into an empty bet: the same columns, in the same order, unscored.
        dialog = std::make_unique<CLumoDlg>(tables);
        Click(kOpenBetButton);
        const CColumnSet& opened = dialog->Bet();
        QCOMPARE(opened.Count(), expected->Count());
        for (int i = 0; i < opened.Count(); ++i) {
            QCOMPARE(opened[i].Index(), (*expected)[i].Index());
            QCOMPARE(opened[i].score, 0);
        }
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("%1 cols.").arg(expected->Count()));
    }
};

QTEST_MAIN(WholeRoadTest)
#include "whole_road_test.moc"
