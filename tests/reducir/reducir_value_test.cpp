// The tab "Valor": the files proposed beside the bet, a damaged file told by
// its line, the value of the bet as the engine gives it, and "Quitar las de
// menos valor", which asks before an unsaved reduction goes and leaves a bet
// that can be saved.
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "betfile/bet_file_reading.h"
#include "file_contents.h"
#include "reducir/reduce_tab.h"
#include "reducir/value_tab.h"
#include "reducir_fixture.h"
#include "text/spanish_numbers.h"
#include "value/bet_ordering.h"
#include "value/bet_value.h"
#include "value/column_values.h"
#include "value/round_inputs.h"
#include "value/value_texts.h"

using namespace lumo;

namespace {

// 3 triples and 11 fixed results: 27 columns.
const QStringList kTwentySeven{"1X2", "1X2", "1X2", "1", "1", "1", "1",
                               "1",   "1",   "1",   "1", "1", "1", "1"};

QByteArray PublicRows(int damagedLine = 0) {
    QByteArray text;
    for (int line = 1; line <= 14; ++line) {
        text += line == damagedLine ? "62,5 24,1\n" : "62,5 24,1 13,4\n";
    }
    return text;
}

}  // namespace

class ReducirValueTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { fixture = std::make_unique<ReducirFixture>(); }
    void cleanup() { fixture.reset(); }

    void proposesThePublicAndTheOddsBesideTheBet() {
        WriteFile(fixture->Path("publico.txt"), PublicRows());
        WriteFile(fixture->Path("cuotas.txt"), "2 4 4\n");
        QVERIFY(
            fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kTwentySeven)));
        QCOMPARE(Edit("publicFileEdit")->text(), fixture->Path("publico.txt"));
        QCOMPARE(Edit("oddsFileEdit")->text(), fixture->Path("cuotas.txt"));
        // A bet in a folder without them empties both fields.
        QVERIFY(fixture->window->OpenBetFile(
            fixture->WriteProductBet("otra/apuesta.txt", kTwentySeven)));
        QCOMPARE(Edit("publicFileEdit")->text(), QString());
        QCOMPARE(Edit("oddsFileEdit")->text(), QString());
    }

    void aDamagedPublicFileNamesItsLineAndNothingIsComputed() {
        WriteFile(fixture->Path("publico.txt"), PublicRows(6));
        QVERIFY(
            fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kTwentySeven)));
        Edit("takingsEdit")->setText(QStringLiteral("2.500.000"));
        fixture->Click("calculateButton");
        QCOMPARE(fixture->messages.Texts().size(), 1);
        QVERIFY2(fixture->messages.Texts().front().contains(
                     QStringLiteral("línea 6 del archivo «publico.txt»")),
                 qPrintable(fixture->messages.Texts().front()));
        QVERIFY(fixture->window->Value().Report() == nullptr);
        QVERIFY(!fixture->window->Value().Calculating());
        QCOMPARE(fixture->Text("betValueLabel"), QStringLiteral("—"));
    }

    // The engine's figures themselves: value_report_test and bet_value_test.
    void theBetsValueIsTheEnginesAndTheReductionsToo() {
        OpenWithPublic();
        Reduce();
        const Round round = ExpectedRound();
        const BetValue bet = ValueOfBet(round, IndicesOf(*fixture->window->Bet()->columns));
        const BetValue reduction =
            ValueOfBet(round, IndicesOf(*fixture->window->Reduction().Reduction()));
        Calculate();
        QCOMPARE(fixture->Text("betValueLabel"),
                 QStringLiteral("Apuesta. ") +
                     QString::fromStdString(ValueAgainstCost(bet.expected, 27 * 0.75)));
        const int kept = fixture->window->Reduction().Reduction()->Count();
        QCOMPARE(fixture->Text("reductionValueLabel"),
                 QStringLiteral("Reducción. ") +
                     QString::fromStdString(ValueAgainstCost(reduction.expected, kept * 0.75)));
        const auto* chances = fixture->Child<QTableWidget>("chancesTable");
        QCOMPARE(chances->item(0, 0)->text(), QString::fromStdString(ChanceText(bet.cashChance)));
        QCOMPARE(chances->item(2, 1)->text(),
                 QString::fromStdString(ChanceText(reduction.categoryChances[1])));
        // No column is worth 5 €: the bet stays.
        const CColumnSet* before = fixture->window->Bet()->columns.get();
        Edit("thresholdEdit")->setText(QStringLiteral("5"));
        fixture->Click("keepButton");
        QCOMPARE(fixture->messages.Texts().size(), 1);
        QVERIFY2(fixture->messages.Texts().front().startsWith(
                     QStringLiteral("Ninguna columna de la apuesta vale al menos 5,0000 €")),
                 qPrintable(fixture->messages.Texts().front()));
        QCOMPARE(fixture->window->Bet()->columns.get(), before);
    }

    void keepingAsksForTheReductionAndLeavesABetToSave() {
        OpenWithPublic();
        Reduce();
        Calculate();
        const std::vector<double> values = ColumnValues(ExpectedRound());
        CColumnSet expected;
        for (const CColumn& column : *fixture->window->Bet()->columns) {
            expected.Append(column);
        }
        // The median value, cut to the four decimals the field takes.
        std::vector<double> betValues;
        for (const CColumn& column : expected) {
            betValues.push_back(values[static_cast<std::size_t>(column.Index())]);
        }
        std::sort(betValues.begin(), betValues.end());
        const QString typed = QString::number(std::floor(betValues[13] * 1e4) / 1e4, 'f', 4);
        KeepValueAtLeast(expected, values, typed.toDouble());
        QVERIFY(expected.Count() > 0 && expected.Count() < 27);
        Edit("thresholdEdit")->setText(QString(typed).replace('.', ','));

        const CColumnSet* before = fixture->window->Bet()->columns.get();
        fixture->messages.answer = MessageAnswer::kCancel;
        fixture->Click("keepButton");
        QCOMPARE(fixture->messages.Texts(), QStringList{"¿Descartar la reducción sin grabar?"});
        QCOMPARE(fixture->window->Bet()->columns.get(), before);
        QVERIFY(fixture->window->Reduction().Reduction() != nullptr);

        fixture->messages.answer = MessageAnswer::kDiscard;
        fixture->Click("keepButton");
        QCOMPARE(IndicesOf(*fixture->window->Bet()->columns), IndicesOf(expected));
        QVERIFY(fixture->window->Reduction().Reduction() == nullptr);
        QVERIFY(fixture->window->windowTitle().startsWith("apuesta-valor.txt (sin grabar)"));
        QCOMPARE(fixture->Text("valueKeptLabel"),
                 QStringLiteral("Quedan %1 columnas de 27.").arg(expected.Count()));
        WaitForReport();
        QVERIFY(fixture->Text("betValueLabel").startsWith("Apuesta. Valor esperado"));

        // Closing asks before the unsaved bet goes; Cancel keeps the window.
        fixture->messages.answer = MessageAnswer::kCancel;
        QVERIFY(!fixture->window->close());
        QCOMPARE(fixture->messages.Texts().back(),
                 QStringLiteral("¿Descartar la apuesta sin grabar?"));

        fixture->dialogs.answer = fixture->Path("guardada.txt");
        fixture->Click("saveBetButton");
        CColumnSet saved;
        QCOMPARE(ReadBetFile(fixture->Path("guardada.txt").toStdString(), saved,
                             BetGrammar::kStrict, "guardada.txt"),
                 std::string());
        QCOMPARE(IndicesOf(saved), IndicesOf(expected));
        QVERIFY(fixture->window->windowTitle().startsWith("guardada.txt — "));
    }

  private:
    QLineEdit* Edit(const char* name) const { return fixture->Child<QLineEdit>(name); }

    void OpenWithPublic() {
        WriteFile(fixture->Path("publico.txt"), PublicRows());
        QVERIFY(
            fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kTwentySeven)));
        Edit("takingsEdit")->setText(QStringLiteral("2.500"));
    }

    // The round the tab is to compute with: the constructed forecast.
    Round ExpectedRound() const {
        RoundInputs inputs{.publicFile = fixture->Path("publico.txt").toStdString(),
                           .oddsFile = {},
                           .forecast = ProbabilitiesOfForecast(CForecastTable()),
                           .takings = "2.500",
                           .jackpot = {},
                           .columnPrice = 0.75};
        return ReadRound(inputs).round;
    }

    void Reduce() {
        fixture->Click("reduceButton");
        const ReduceTab& tab = fixture->window->Reduction();
        QTRY_VERIFY_WITH_TIMEOUT(tab.Reduction() != nullptr, 60'000);
    }

    void WaitForReport() {
        const ValueTab& tab = fixture->window->Value();
        QTRY_VERIFY_WITH_TIMEOUT(tab.Report() != nullptr, 120'000);
    }

    void Calculate() {
        fixture->Click("calculateButton");
        WaitForReport();
    }

    std::unique_ptr<ReducirFixture> fixture;
};

QTEST_MAIN(ReducirValueTest)
#include "reducir_value_test.moc"
