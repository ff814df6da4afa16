// The command pattern of the main dialog: wait cursor, refresh, and the
// progress bar that long operations drive without letting input through.
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "app/lumo_dlg.h"
#include "app/wait_cursor.h"
#include "core/progress.h"
#include "window_test_support.h"

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

bool WaitCursorShown() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

}  // namespace

class CommandPatternTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        workingDirectory = std::make_unique<ScopedEmptyWorkingDirectory>();
        dialog = std::make_unique<CLumoDlg>();
        bar = ControlOf<QProgressBar>(*dialog, 1014);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    void cleanup() {
        dialog.reset();
        workingDirectory.reset();
    }

    void progressRepaintsTheBarAtOnce() {
        PaintCounter counter;
        bar->installEventFilter(&counter);
        ReportProgress(42);
        QCOMPARE(bar->value(), 42);
        QVERIFY(counter.paints > 0);  // painted inside the call, no event loop ran
        bar->removeEventFilter(&counter);
    }

    void repeatedPositionIsNotPaintedAgain() {
        ReportProgress(42);
        PaintCounter counter;
        bar->installEventFilter(&counter);
        ReportProgress(42);
        QCOMPARE(counter.paints, 0);
        ReportProgress(43);
        QVERIFY(counter.paints > 0);
        bar->removeEventFilter(&counter);
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
        QCOMPARE(ControlOf<QLabel>(*dialog, 1059)->text(), QStringLiteral("1 cols."));
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
    std::unique_ptr<ScopedEmptyWorkingDirectory> workingDirectory;
    std::unique_ptr<CLumoDlg> dialog;
    QProgressBar* bar = nullptr;
};

QTEST_MAIN(CommandPatternTest)
#include "command_pattern_test.moc"
