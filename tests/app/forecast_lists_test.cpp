// The three percentage lists of the main dialog: the Forecast table (1002),
// the Expectation table (1007, hidden) and the bet shares (1006, hidden),
// filled from the forecast files of the working directory.
#include <QListWidget>
#include <QtTest>

#include "core/forecast_table.h"
#include "dialog_test_case.h"
#include "file_contents.h"
#include "tests/core/test_support.h"

using namespace lumo;

class ForecastListsTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    // Each case writes its forecast files before it opens the dialog.
    void init() { workingDirectory = std::make_unique<ScopedEmptyWorkingDirectory>(); }

    void cleanup() { CloseDialog(); }

    void withoutFilesTheListsShowTheConstructedTables() {
        OpenDialog();
        QCOMPARE(Rows(kForecastList), QStringList(14, "40 33 27"));
        QCOMPARE(Rows(kExpectationList), QStringList(14, "0.4 0.3 0.3"));
        QCOMPARE(Rows(kBetSharesList), QStringList(14, "00 00 00"));
    }

    void filesOfTheWorkingDirectoryAreShownRowByMatch() {
        WriteFile("pronostico.txt", "100 0 0\n50 30 20\n");
        WriteFile("esperanza.txt", "150 100 35\n");
        OpenDialog();
        QStringList forecast(14, "40 33 27");
        forecast[0] = "100 00 00";
        forecast[1] = "50 30 20";
        QCOMPARE(Rows(kForecastList), forecast);
        QStringList expectation(14, "0.4 0.3 0.3");
        expectation[0] = "1.5 1.0 0.3";
        QCOMPARE(Rows(kExpectationList), expectation);
        QCOMPARE(tables.scoring.minSum, 0 + 20 + 12 * 27);
        QCOMPARE(tables.scoring.maxSum, 100 + 50 + 12 * 40);
        QCOMPARE(tables.expectation.rows[0], (std::array<std::int32_t, 3>{150, 100, 35}));
    }

    void betSharesFollowEveryRefresh() {
        OpenDialog();
        for (const char* text : {"11111111111111", "X1111111111111", "21111111111111"}) {
            dialog->Bet().Append(ColumnOf(text));
        }
        dialog->RefreshColumnList();
        QStringList shares(14, "100 00 00");
        shares[0] = "33 33 33";
        QCOMPARE(Rows(kBetSharesList), shares);
    }

  private:
    QStringList Rows(int id) const { return RowTexts(*ControlById<QListWidget>(*dialog, id)); }
};

QTEST_MAIN(ForecastListsTest)
#include "forecast_lists_test.moc"
