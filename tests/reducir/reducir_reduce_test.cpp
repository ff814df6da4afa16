// The tab "Reducir": the reduction off the interface thread, its result and
// check, cancelling it, and saving and copying the reduction (a copy without
// memory leaves the clipboard).
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "betfile/strict_bet_reader.h"
#include "file_contents.h"
#include "reducir/bet_summary.h"
#include "reducir/reduce_tab.h"
#include "reducir_fixture.h"
#include "reduction/cover_check.h"
#include "tests/core/allocation_failure.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// 3 triples and 11 fixed results: 27 columns.
const QStringList kTwentySeven{"1X2", "1X2", "1X2", "1", "1", "1", "1",
                               "1",   "1",   "1",   "1", "1", "1", "1"};
// 9 triples and 5 fixed results: 19,683 columns, long to reduce al 10.
const QStringList kNineTriples{"1X2", "1X2", "1X2", "1X2", "1X2", "1X2", "1X2",
                               "1X2", "1X2", "1",   "1",   "1",   "1",   "1"};
// 6 triples and 8 fixed results: 729 columns.
const QStringList kSevenHundred{"1X2", "1X2", "1X2", "1X2", "1X2", "1X2", "1",
                                "1",   "1",   "1",   "1",   "1",   "1",   "1"};

}  // namespace

class ReducirReduceTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { fixture = std::make_unique<ReducirFixture>(); }
    void cleanup() { fixture.reset(); }

    // Every guarantee's covering and check: reduction_run_test.
    void reducesWithTheGuaranteeChosenAndShowsTheResult() {
        const int guarantee = 11;
        Open(kSevenHundred);
        auto* guarantees = fixture->Child<QComboBox>("guaranteeBox");
        guarantees->setCurrentIndex(guarantees->findData(guarantee));
        const CColumnSet* reduction = Reduce();
        const CColumnSet& bet = *fixture->window->Bet()->columns;
        QVERIFY(reduction->Count() > 0 && reduction->Count() < bet.Count());
        QVERIFY(!FirstUncovered(bet, *reduction, guarantee).has_value());
        QCOMPARE(fixture->Text("keptLabel"), QStringLiteral("%1 columnas").arg(reduction->Count()));
        QCOMPARE(fixture->Text("checkLabel"), QStringLiteral("Garantía comprobada"));
        QVERIFY(fixture->Text("tookLabel").endsWith(QStringLiteral(" s")));
        // A bound the engine proves never exceeds a reduction it found.
        const QString bound = fixture->Text("lowerBoundLabel");
        if (bound != QStringLiteral("sin cota")) {
            QVERIFY2(bound.endsWith(QStringLiteral(" columnas")), qPrintable(bound));
            const int columns = bound.section(u' ', 0, 0).remove(u'.').toInt();
            QVERIFY2(columns > 0 && columns <= reduction->Count(), qPrintable(bound));
        }
        QVERIFY(fixture->Child<QPushButton>("saveButton")->isEnabled());
    }

    void theCostFollowsThePriceAndAProductHasABound() {
        Open(kTwentySeven);
        const std::int32_t kept = Reduce()->Count();
        QVERIFY2(fixture->Text("lowerBoundLabel") != QStringLiteral("sin cota"),
                 "a product of triples has a known bound");
        const QString cost = fixture->Text("reductionCostLabel");
        QVERIFY2(cost.startsWith(CostText(kept, 75)), qPrintable(cost));
        fixture->Child<QLineEdit>("priceBox")->setText(QStringLiteral("1"));
        QVERIFY(fixture->Text("reductionCostLabel").startsWith(CostText(kept, 100)));
    }

    void cancelLeavesNoReduction() {
        Open(kNineTriples);
        auto* guarantees = fixture->Child<QComboBox>("guaranteeBox");
        guarantees->setCurrentIndex(guarantees->findData(10));
        fixture->Click("reduceButton");
        QVERIFY(fixture->window->Reduction().Running());
        QVERIFY(fixture->Child<QPushButton>("cancelButton")->isEnabled());
        QVERIFY(!fixture->Child<QPushButton>("reduceButton")->isEnabled());
        fixture->Click("cancelButton");
        QVERIFY(!fixture->Child<QPushButton>("cancelButton")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!fixture->window->Reduction().Running(), 30'000);
        QVERIFY(fixture->window->Reduction().Reduction() == nullptr);
        QCOMPARE(fixture->Text("keptLabel"), QStringLiteral("—"));
        QVERIFY(!fixture->Child<QPushButton>("saveButton")->isEnabled());
        QVERIFY(fixture->Child<QPushButton>("reduceButton")->isEnabled());
    }

    // A reduction stopped before its first covering gives back the one shown
    // before it.
    void aStoppedReductionKeepsTheOneBefore() {
        Open(kNineTriples);
        Reduce();
        fixture->messages.answer = MessageAnswer::kDiscard;
        auto* guarantees = fixture->Child<QComboBox>("guaranteeBox");
        guarantees->setCurrentIndex(guarantees->findData(10));
        fixture->Click("reduceButton");
        QVERIFY(fixture->window->Reduction().Running());
        fixture->Click("cancelButton");
        QTRY_VERIFY_WITH_TIMEOUT(!fixture->window->Reduction().Running(), 30'000);
        QVERIFY(fixture->window->Reduction().Reduction() != nullptr);
        QVERIFY(fixture->Child<QPushButton>("saveButton")->isEnabled());
    }

    // Closing the window mid-reduction stops the run within a second
    // rather than waiting for it. (That it stops before the bet is freed
    // shows only in a sanitizer build, as a read of freed memory.)
    void closingTheWindowStopsTheReduction() {
        Open(kNineTriples);
        auto* guarantees = fixture->Child<QComboBox>("guaranteeBox");
        guarantees->setCurrentIndex(guarantees->findData(10));
        fixture->Click("reduceButton");
        QVERIFY(fixture->window->Reduction().Running());
        QElapsedTimer closing;
        closing.start();
        fixture->window.reset();
        QVERIFY2(closing.elapsed() < 5'000, qPrintable(QString::number(closing.elapsed())));
    }

    // Keys typed after "Reducir" or "Cancelar" must not reach the price: the
    // focus stays on the order's buttons while its controls are disabled.
    void theFocusStaysOnTheOrder() {
        fixture->messages.answer = MessageAnswer::kDiscard;
        fixture->window->show();
        fixture->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fixture->window.get()));
        Open(kTwentySeven);
        auto* reduce = fixture->Child<QPushButton>("reduceButton");
        fixture->Child<QComboBox>("guaranteeBox")->setFocus();
        Reduce();
        QTRY_COMPARE(QApplication::focusWidget(), reduce);
        Open(kNineTriples);
        auto* guarantees = fixture->Child<QComboBox>("guaranteeBox");
        guarantees->setCurrentIndex(guarantees->findData(10));
        guarantees->setFocus();
        fixture->Click("reduceButton");
        QCOMPARE(QApplication::focusWidget(), fixture->Child<QPushButton>("cancelButton"));
        fixture->Child<QPushButton>("cancelButton")->setFocus();
        fixture->Click("cancelButton");
        QTRY_VERIFY_WITH_TIMEOUT(!fixture->window->Reduction().Running(), 30'000);
        QTRY_COMPARE(QApplication::focusWidget(), reduce);
    }

    // Whatever would replace a reduction not yet saved asks first:
    // "Cancelar" keeps it, "Descartar" lets it go, "Grabar" saves it first.
    void anUnsavedReductionIsNeverDroppedWithoutAQuestion() {
        WriteFile(fixture->Path("otro.txt"), QByteArray("40 30 30\n").repeated(14));
        const struct {
            const char* name;
            std::function<void()> replace;
        } replacements[] = {
            {"open",
             [this] {
                 fixture->window->OpenBetFile(fixture->WriteProductBet("otra.txt", kSevenHundred));
             }},
            {"forecast", [this] { fixture->window->UseForecastFile(fixture->Path("otro.txt")); }},
            {"reduce", [this] { fixture->Click("reduceButton"); }},
            {"close", [this] { fixture->window->close(); }},
        };
        const QStringList question{QStringLiteral("¿Descartar la reducción sin grabar?")};
        for (const auto& replacement : replacements) {
            Open(kTwentySeven);
            Reduce();
            fixture->messages.requests.clear();
            fixture->messages.answer = MessageAnswer::kCancel;
            replacement.replace();
            QCOMPARE(fixture->messages.Texts(), question);
            QVERIFY2(fixture->window->Reduction().Reduction() != nullptr, replacement.name);
            QVERIFY2(!fixture->window->Reduction().Running(), replacement.name);
            QVERIFY2(fixture->window->isVisible(), replacement.name);
            fixture->messages.answer = MessageAnswer::kDiscard;
            replacement.replace();
            // Gone, or gone with the window.
            QVERIFY2(fixture->window->Reduction().Reduction() == nullptr ||
                         !fixture->window->isVisible(),
                     replacement.name);
            fixture->window->show();
        }
        Open(kTwentySeven);
        Reduce();
        fixture->messages.answer = MessageAnswer::kSave;
        fixture->dialogs.answer = fixture->Path("guardada.txt");
        Open(kSevenHundred);
        QVERIFY(QFile::exists(fixture->Path("guardada.txt")));
        QVERIFY(fixture->window->Reduction().Reduction() == nullptr);
        // Saved, it goes without a question.
        Reduce();
        fixture->Click("saveButton");
        fixture->messages.requests.clear();
        Open(kTwentySeven);
        QCOMPARE(fixture->messages.Texts(), QStringList());
    }

    // A forecast that cannot be used changes nothing, the reduction included.
    void aRejectedForecastKeepsTheReduction() {
        WriteFile(fixture->Path("roto.txt"), QByteArray("40 30 30\n").repeated(13));
        Open(kTwentySeven);
        const CColumnSet* reduction = Reduce();
        QVERIFY(!fixture->window->UseForecastFile(fixture->Path("roto.txt")));
        QCOMPARE(fixture->window->Reduction().Reduction(), reduction);
        QCOMPARE(fixture->messages.Texts().size(), 1);
        QVERIFY(fixture->messages.Texts().front().contains(QStringLiteral("«roto.txt»")));
    }

    void saveProposesTheGuaranteeInTheNameAndWritesTheReduction() {
        Open(kTwentySeven);
        const CColumnSet* reduction = Reduce();
        // Cancelled: nothing written. Replacing a file asks first.
        fixture->Click("saveButton");
        QCOMPARE(fixture->dialogs.requests.size(), 1);
        QCOMPARE(fixture->dialogs.requests[0].proposedName, fixture->Path("apuesta-al13.txt"));
        QCOMPARE(fixture->dialogs.requests[0].overwrite, OverwriteQuestion::kAsk);
        QVERIFY(!QFile::exists(fixture->Path("apuesta-al13.txt")));
        // Refused: a folder takes no bet.
        fixture->dialogs.answer = fixture->folder.path();
        fixture->Click("saveButton");
        QCOMPARE(fixture->messages.Texts().size(), 1);
        // Accepted: the file holds the reduction, read strictly.
        fixture->dialogs.answer = fixture->Path("apuesta-al13.txt");
        fixture->Click("saveButton");
        QCOMPARE(fixture->messages.Texts().size(), 1);
        CColumnSet saved;
        const BetFileRead read = ReadBetStrictly(
            std::filesystem::path(fixture->Path("apuesta-al13.txt").toStdString()), saved);
        QVERIFY(read.Ok());
        QCOMPARE(saved.Count(), reduction->Count());
        for (std::int32_t i = 0; i < saved.Count(); ++i) {
            QCOMPARE(saved[i].Hits((*reduction)[i]), kMatches);
        }
    }

    // The whole reduction, past the 1,000 columns of the window's copy.
    void copyPutsTheClipboardTextOfTheReduction() {
        Open(kNineTriples);
        const CColumnSet* reduction = Reduce();
        QVERIFY(reduction->Count() > 1000);
        fixture->Click("copyButton");
        const QString text = QGuiApplication::clipboard()->text();
        QCOMPARE(text.size(), 29 * reduction->Count());
        QStringList first;
        for (const QChar sign : text.left(28)) {
            if (sign != u'\t') {
                first << sign;
            }
        }
        QCOMPARE(first.join(QString()), QString::fromStdString(SignsOf((*reduction)[0])));
    }

    void copyWithoutMemoryLeavesTheClipboard() {
        Open(kNineTriples);
        QVERIFY(Reduce()->Count() > 1000);
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
        {
            // The text takes 29 bytes a column.
            const AllocationFailure noText(29 * 1000);
            fixture->Click("copyButton");
        }
        QCOMPARE(fixture->messages.Texts(),
                 QStringList{QStringLiteral("No hay memoria suficiente para copiar la apuesta. El "
                                            "portapapeles no ha cambiado.")});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
    }

  private:
    void Open(const QStringList& choices) {
        QVERIFY(fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", choices)));
    }

    // Clicks "Reducir" and waits for the reduction.
    const CColumnSet* Reduce() {
        fixture->Click("reduceButton");
        const ReduceTab& tab = fixture->window->Reduction();
        [&tab] { QTRY_VERIFY_WITH_TIMEOUT(tab.Reduction() != nullptr, 60'000); }();
        return tab.Reduction();
    }

    std::unique_ptr<ReducirFixture> fixture;
};

QTEST_MAIN(ReducirReduceTest)
#include "reducir_reduce_test.moc"
