// The tab "Condicionar": the file beside the bet loaded into the table and
// saved back byte for byte, an edited row saved in place, "Aplicar" giving
// the engine's columns and figures, a bad row named with nothing applied,
// and "Usar como apuesta", which asks before an unsaved reduction goes.
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <sstream>

#include "conditions/condition_evaluation.h"
#include "conditions/condition_reader.h"
#include "core/column.h"
#include "core/scoring.h"
#include "file_contents.h"
#include "reducir/conditions_tab.h"
#include "reducir/reduce_tab.h"
#include "reducir_fixture.h"
#include "text/spanish_numbers.h"
#include "value/value_report.h"

using namespace lumo;

namespace {

// 4 triples and 10 fixed results: 81 columns.
const QStringList kEightyOne{"1X2", "1X2", "1X2", "1X2", "1", "1", "1",
                             "1",   "1",   "1",   "1",   "1", "1", "1"};

const QByteArray kConditions =
    "# pocas variantes\n"
    "\n"
    "unos 11-14   # casi todo unos\n"
    "! doses 0-2\n"
    "grupo 1-4 X 0-1\n"
    "fallos 1\n";

ConditionFile Read(const QByteArray& text) {
    std::istringstream in(text.toStdString());
    return ReadConditions(in).file;
}

}  // namespace

class ReducirConditionsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        fixture = std::make_unique<ReducirFixture>();
        WriteFile(fixture->Path("condiciones.txt"), kConditions);
        QVERIFY(fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kEightyOne)));
    }
    void cleanup() { fixture.reset(); }

    void theFileBesideTheBetIsLoadedAndSavedBack() {
        QCOMPARE(Table()->rowCount(), 3);
        QCOMPARE(qobject_cast<QComboBox*>(Table()->cellWidget(2, 0))->currentText(), "grupo");
        QCOMPARE(Table()->item(2, 1)->text(), "1-4 X");
        QCOMPARE(Table()->item(1, 4)->checkState(), Qt::Unchecked);
        QCOMPARE(fixture->Child<QSpinBox>("failuresSpin")->value(), 1);
        fixture->dialogs.answer = fixture->Path("copia.txt");
        fixture->Click("saveConditionsButton");
        QCOMPARE(ReadFile(fixture->Path("copia.txt")), kConditions);

        Table()->item(0, 2)->setText(QStringLiteral("10"));
        Table()->item(1, 4)->setCheckState(Qt::Checked);
        fixture->Click("saveConditionsButton");
        QCOMPARE(ReadFile(fixture->Path("copia.txt")),
                 QByteArray("# pocas variantes\n\nunos 10-14   # casi todo unos\ndoses 0-2\n"
                            "grupo 1-4 X 0-1\nfallos 1\n"));
        QVERIFY(fixture->messages.Texts().isEmpty());
    }

    void applyingGivesTheEnginesColumnsAndFigures_data() {
        QTest::addColumn<bool>("allColumns");
        QTest::newRow("apuesta") << false;
        QTest::newRow("todas") << true;
    }
    void applyingGivesTheEnginesColumnsAndFigures() {
        QFETCH(bool, allColumns);
        auto expected = std::make_unique<CColumnSet>(kAllColumns);
        if (allColumns) {
            expected->GenerateAll(ScoringOf(CForecastTable()));
        } else {
            for (const CColumn& column : *fixture->window->Bet()->columns) {
                expected->Append(column);
            }
        }
        const ConditionFile file = Read(kConditions);
        const ConditionTally tally = ApplyConditions(*expected, file, {CForecastTable(), {}});
        QVERIFY(tally.removed > 0 && tally.keptBreaking > 0);

        fixture->Child<QCheckBox>("allColumnsCheck")->setChecked(allColumns);
        Apply();
        const auto* explain = fixture->Child<QTableWidget>("explainTable");
        QCOMPARE(explain->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            const auto c = static_cast<std::size_t>(row);
            QCOMPARE(explain->item(row, 0)->text().toLongLong(), file.conditions[c].line);
            QCOMPARE(explain->item(row, 1)->text().toStdString(),
                     file.ConditionText(file.conditions[c]));
            QCOMPARE(explain->item(row, 2)->text().toStdString(), GroupedNumber(tally.breaking[c]));
        }
        const QString summary = fixture->Text("conditionsSummaryLabel");
        QVERIFY2(summary.contains(QString::fromStdString(
                     "quitan " + CountWithNoun(tally.removed, "columna", "columnas") + " y dejan " +
                     CountWithNoun(tally.keptBreaking, "columna", "columnas"))),
                 qPrintable(summary));

        // Using them asks for the unsaved reduction; Cancel keeps everything.
        fixture->Click("reduceButton");
        QTRY_VERIFY_WITH_TIMEOUT(fixture->window->Reduction().Reduction() != nullptr, 60'000);
        const CColumnSet* before = fixture->window->Bet()->columns.get();
        fixture->messages.answer = MessageAnswer::kCancel;
        fixture->Click("useConditionsButton");
        QCOMPARE(fixture->messages.Texts(), QStringList{"¿Descartar la reducción sin grabar?"});
        QCOMPARE(fixture->window->Bet()->columns.get(), before);
        fixture->messages.answer = MessageAnswer::kDiscard;
        fixture->Click("useConditionsButton");
        QCOMPARE(IndicesOf(*fixture->window->Bet()->columns), IndicesOf(*expected));
        QVERIFY(fixture->window->Reduction().Reduction() == nullptr);
        QVERIFY(fixture->window->windowTitle().startsWith("apuesta-condiciones.txt (sin grabar)"));
        QCOMPARE(
            fixture->Text("conditionsSummaryLabel"),
            QString::fromStdString("La apuesta es ahora las " + GroupedNumber(expected->Count()) +
                                   " de " + GroupedNumber(tally.input) +
                                   " columnas que cumplen las condiciones; no está grabada."));
    }

    void aBadRowIsNamedAndNothingIsApplied() {
        fixture->Click("addConditionButton");
        Table()->item(3, 3)->setText(QStringLiteral("20"));
        fixture->Click("applyConditionsButton");
        QCOMPARE(fixture->messages.Texts().size(), 1);
        QVERIFY2(fixture->messages.Texts().front().startsWith(
                     "Condiciones, fila 4 (línea 7: el máximo 20 pasa del mayor posible"),
                 qPrintable(fixture->messages.Texts().front()));
        QVERIFY(fixture->messages.Texts().front().endsWith("No se ha aplicado nada."));
        // `valor` without the values of the tab "Valor" is told too.
        qobject_cast<QComboBox*>(Table()->cellWidget(3, 0))->setCurrentText("valor");
        fixture->Click("applyConditionsButton");
        QCOMPARE(fixture->messages.Texts().size(), 2);
        QVERIFY2(fixture->messages.Texts().back().contains("pestaña «Valor»"),
                 qPrintable(fixture->messages.Texts().back()));
        QVERIFY(!fixture->window->Conditions().Applying());
        QCOMPARE(fixture->Child<QTableWidget>("explainTable")->rowCount(), 0);
    }

  private:
    QTableWidget* Table() const { return fixture->Child<QTableWidget>("conditionsTable"); }

    void Apply() {
        fixture->Click("applyConditionsButton");
        QVERIFY(fixture->window->Conditions().Applying());
        QTRY_VERIFY_WITH_TIMEOUT(!fixture->window->Conditions().Applying(), 60'000);
        QVERIFY(fixture->messages.Texts().isEmpty());
    }

    std::unique_ptr<ReducirFixture> fixture;
};

QTEST_MAIN(ReducirConditionsTest)
#include "reducir_conditions_test.moc"
