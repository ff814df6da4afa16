// The command pattern of the main dialog and of each command button: wait
// cursor, refresh, and the progress bar that long operations drive without
// letting input through.
#include <QAbstractButton>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>
#include <QtTest>
#include <stdexcept>
#include <vector>

#include "core/progress.h"
#include "dialog_test_case.h"
#include "event_counter.h"
#include "platform/wait_cursor.h"
#include "tests/core/test_support.h"

using namespace lumo;

class CommandPatternTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        OpenDialog(DialogDisplay::kExposed);
        bar = Bar();
    }

    void cleanup() { CloseDialog(); }

    void everyNewPositionIsPaintedExactlyOnce() {
        // Small steps (which the bar itself would not repaint) and large ones
        // (which it would), each painted inside the call, where no event loop
        // runs, and once only: nothing is left for later, and the same
        // position reported again is not painted again.
        for (const int position : {42, 43, 1, 2, 3, 50, 51, 100, 0, 99}) {
            EventCounter paints(*bar, QEvent::Paint);
            ReportProgress(position);
            QCOMPARE(bar->value(), position);
            QCOMPARE(paints.count, 1);
            QCoreApplication::processEvents();
            QCOMPARE(paints.count, 1);
            ReportProgress(position);
            QCoreApplication::processEvents();
            QCOMPARE(paints.count, 1);
        }
    }

    void noInputReachesTheDialogDuringAnOperation() {
        QCoreApplication::postEvent(dialog.get(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        ReportProgress(10);
        ReportProgress(90);
        QVERIFY(dialog->isVisible());
        // The key was only waiting: the event loop hands it over afterwards.
        QTRY_VERIFY(!dialog->isVisible());
    }

    void refreshPutsTheBarBackToZero() {
        ReportProgress(77);
        dialog->RefreshColumnList();
        QCOMPARE(bar->value(), 0);
    }

    void commandShowsTheWaitCursorAndRefreshes_data() {
        QTest::addColumn<bool>("wait");
        QTest::newRow("long command") << true;
        QTest::newRow("short command") << false;
    }

    void commandShowsTheWaitCursorAndRefreshes() {
        QFETCH(bool, wait);
        bool cursorDuringCommand = false;
        dialog->RunCommand(wait ? CLumoDlg::CommandCursor::kWait : CLumoDlg::CommandCursor::kNormal,
                           [&] {
                               cursorDuringCommand = WaitCursorShown();
                               dialog->Bet().Append(CColumn(5));
                               ReportProgress(50);
                           });
        QCOMPARE(cursorDuringCommand, wait);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("1 cols."));
        QCOMPARE(bar->value(), 0);
    }

    // Every command of a button: whether it shows the wait cursor (during the
    // refresh, the progress or a message) and refreshes the list; afterwards
    // the cursor is normal and the bar at 0.
    void buttonsFollowTheCommandPattern_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("wait");
        QTest::addColumn<bool>("refresh");
        std::vector<int> waitAndRefresh{
            kGenerateAllButton,       kCutAboveButton,    kRemoveZeroPercentButton,
            kConditionButton,         kSortByScoreButton, kDeleteMarkedButton,
            kConsolidateMarkedButton, kRescoreButton,     kProfitableButton};
        for (const DistanceButton& button : kReduceButtons) {
            waitAndRefresh.push_back(button.id);
        }
        for (const int id : waitAndRefresh) {
            QTest::addRow("%d", id) << id << true << true;
        }
        for (const int id : {kCutBelowButton, kRandomColumnsButton, kAddColumnButton, kWinnerButton,
                             kDeleteAllButton, kAddNeighboursButton, kAddNeighbours2Button,
                             kGreedy1Button, kSwapUniverseButton}) {
            QTest::addRow("%d", id) << id << false << true;
        }
        for (const int id : {kMagicReductionButton, kAverageModeCheck, kImportButton}) {
            QTest::addRow("%d", id) << id << false << false;
        }
    }

    void buttonsFollowTheCommandPattern() {
        QFETCH(int, id);
        QFETCH(bool, wait);
        QFETCH(bool, refresh);
        // A universe of one column, for the greedy step, and a selected row,
        // for the neighbours.
        SetColumns({Scored(3, 50)});
        ControlById<QAbstractButton>(*dialog, kSwapUniverseButton)->click();
        SetColumns({Scored(3, 50), Scored(4, 40)});
        List()->topLevelItem(1)->setSelected(true);
        ControlById<QAbstractButton>(*dialog, id)->click();
        QCOMPARE(probe->refreshes, refresh ? 1 : 0);
        QCOMPARE(probe->waitSeen, wait);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(bar->value(), 0);
    }

    void waitCursorEndsWhenACommandFails() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 dialog->RunCommand(CLumoDlg::CommandCursor::kWait,
                                                    [] { throw std::runtime_error("no memory"); }));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void waitCursorsNest() {
        {
            const CWaitCursor outer;
            {
                const CWaitCursor inner;
                QVERIFY(WaitCursorShown());
            }
            QVERIFY(WaitCursorShown());
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

  private:
    QProgressBar* bar = nullptr;
};

QTEST_MAIN(CommandPatternTest)
#include "command_pattern_test.moc"
