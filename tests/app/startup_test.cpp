// The main dialog right after start-up in a folder without forecast files.
#include <sys/resource.h>
#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "dialog_test_case.h"

namespace {

int ThreadNice() {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
}

}  // namespace

class StartupTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        niceBeforeStart = ThreadNice();
        OpenDialog();
    }

    void cleanupTestCase() { CloseDialog(); }

    void windowIsTheFixedBrelmDialog() {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Brelm"));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        // A window of its own, not a transient dialog: it gets a task-bar entry.
        QCOMPARE(dialog->windowType(), Qt::Window);
        QVERIFY(dialog->parentWidget() == nullptr);
        QVERIFY(!dialog->windowIcon().isNull());
    }

    void emptyBetIsListed() {
        QCOMPARE(List()->topLevelItemCount(), 0);
        QCOMPARE(dialog->Bet().Count(), 0);
        QVERIFY(dialog->Universe() == nullptr);
    }

    void fieldsHoldTheirStartUpTexts_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("count") << kCountText << "0 cols.";
        QTest::newRow("random count") << kRandomCountEdit << "0";
        QTest::newRow("covered") << kCoveredEdit << "0";
        // No universe yet: its count field keeps its empty text.
        QTest::newRow("universe count") << kUniverseCountEdit << "";
        // Step 4 holds the default limits, step 2 is empty.
        QTest::newRow("max variants") << kMaxVariantsEdit << "14";
        QTest::newRow("min variants") << kMinVariantsEdit << "0";
        QTest::newRow("max doses") << kMaxDosesEdit << "14";
        QTest::newRow("min doses") << kMinDosesEdit << "0";
        QTest::newRow("cut below") << kCutBelowEdit << "";
        QTest::newRow("cut above") << kCutAboveEdit << "";
    }

    void fieldsHoldTheirStartUpTexts() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(ControlById(*dialog, id)->property("text").toString(), text);
    }

    void progressBarIsEmptyWithRange0To100() {
        const auto* bar = Bar();
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
    }

    void threadRunsOneStepBelowNormal() {
        QCOMPARE(ThreadNice(), niceBeforeStart + 1);
        // A second dialog keeps the same level instead of lowering it again.
        ProgramTables secondTables;
        const CLumoDlg second(secondTables);
        QCOMPARE(ThreadNice(), niceBeforeStart + 1);
    }

    void keyboardFocusStartsOnTheSaveButtonAndEnterInAnEditClicksNothing() {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(QApplication::focusWidget(), ControlById(*dialog, kSaveBetButton));

        // The hidden default-style buttons keep the dialog's default to
        // themselves, so Enter outside a focused button clicks nothing.
        int clicks = 0;
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            connect(button, &QPushButton::clicked, this, [&clicks] { ++clicks; });
        }
        auto* edit = Edit(kCutBelowEdit);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(clicks, 0);
        QVERIFY(dialog->isVisible());

        // A focused button takes Enter itself.
        auto* sort = ControlById<QPushButton>(*dialog, kSortByScoreButton);
        sort->setFocus();
        QTest::keyClick(sort, Qt::Key_Return);
        QCOMPARE(clicks, 1);
        dialog->hide();
    }

  private:
    int niceBeforeStart = 0;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
