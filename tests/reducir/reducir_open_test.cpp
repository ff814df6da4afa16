// Opening a bet in Lumo Reducir: the bet at a glance, the forecast that
// scores it, and damaged files refused.
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include "file_contents.h"
#include "reducir_fixture.h"

namespace {

// 2 triples, 1 double, 11 fixed results: 18 columns.
const QStringList kEighteen{"1X2", "1X2", "1X", "1", "1", "1", "1",
                            "1",   "1",   "1",  "1", "1", "1", "1"};

}  // namespace

class ReducirOpenTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { fixture = std::make_unique<ReducirFixture>(); }
    void cleanup() { fixture.reset(); }

    void showsTheBetAtAGlance() {
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("Lumo Reducir"));
        QVERIFY(fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kEighteen)));
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("apuesta.txt — Lumo Reducir"));
        QCOMPARE(fixture->Text("columnsLabel"), QStringLiteral("18 columnas"));
        QCOMPARE(fixture->Text("shapeLabel"), QStringLiteral("2 triples, 1 doble, 11 fijos"));
        QCOMPARE(fixture->Text("costLabel"), QStringLiteral("13,50 €"));
        QCOMPARE(fixture->Text("ticketsLabel"), QStringLiteral("3 boletos"));
        QCOMPARE(fixture->Text("scoresLabel"), QStringLiteral("tabla construida"));
        // A point before one or two digits is the decimal comma; a text that is
        // no price keeps the last good one and says how to write it.
        auto* price = fixture->Child<QLineEdit>("priceBox");
        price->setText(QStringLiteral("1.5"));
        QCOMPARE(fixture->Text("costLabel"), QStringLiteral("27,00 €"));
        price->setText(QStringLiteral("1,505"));
        QCOMPARE(fixture->Text("costLabel"), QStringLiteral("27,00 €"));
        QVERIFY(fixture->Text("priceProblemLabel").contains(QStringLiteral("2.500,00")));
        price->setText(QStringLiteral("1"));
        Q_EMIT price->editingFinished();
        QCOMPARE(price->text(), QStringLiteral("1,00 €"));
        QCOMPARE(fixture->Text("costLabel"), QStringLiteral("18,00 €"));
        QVERIFY(fixture->messages.Texts().isEmpty());
    }

    // Two bets of one name from two folders: the title adds the folder, and
    // "Recientes" opens either again.
    void recentBetsAreListedAndTellSameNamesApart() {
        QVERIFY(QDir(fixture->folder.path()).mkpath("j1") &&
                QDir(fixture->folder.path()).mkpath("j2"));
        const QString first = fixture->WriteProductBet("j1/apuesta.txt", kEighteen);
        const QString second = fixture->WriteBet("j2/apuesta.txt", {"11111111111111"});
        QVERIFY(fixture->window->OpenBetFile(first));
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("apuesta.txt — Lumo Reducir"));
        QVERIFY(fixture->window->OpenBetFile(second));
        QCOMPARE(fixture->window->windowTitle(),
                 QStringLiteral("apuesta.txt (%1) — Lumo Reducir")
                     .arg(QDir::toNativeSeparators(QFileInfo(second).absolutePath())));
        auto* recent = fixture->Child<QMenu>("recentMenu");
        Q_EMIT recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 2);
        recent->actions().at(1)->trigger();
        QCOMPARE(fixture->window->Bet()->columns->Count(), 18);
    }

    void theAboutBoxGivesTheVersionAndTheManual() {
        fixture->Child<QAction>("aboutAction")->trigger();
        const QString text = fixture->Child<QMessageBox>("aboutBox")->text();
        QVERIFY2(text.contains(QStringLiteral("Lumo Reducir 2.0")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("man lumo-reducir")), qPrintable(text));
    }

    // Repeated columns are named, and dropped when the player says so.
    void repeatedColumnsAreNamedAndDroppedOnRequest() {
        const QStringList columns{"11111111111111", "X1111111111112", "11111111111111",
                                  "11111111111111"};
        for (const auto& [answer, kept] :
             {std::pair{MessageAnswer::kYes, 2}, std::pair{MessageAnswer::kNo, 4}}) {
            fixture->messages.requests.clear();
            fixture->messages.answer = answer;
            QVERIFY(fixture->window->OpenBetFile(fixture->WriteBet("repe.txt", columns)));
            QCOMPARE(fixture->messages.Texts().size(), 1);
            QVERIFY(
                fixture->messages.Texts().front().contains(QStringLiteral("2 columnas repetidas")));
            QCOMPARE(fixture->window->Bet()->columns->Count(), kept);
            QCOMPARE(fixture->Text("columnsLabel"), QStringLiteral("%1 columnas").arg(kept));
        }
    }

    void aBetThatIsNoProductNamesTheProductHoldingIt() {
        QVERIFY(fixture->window->OpenBetFile(
            fixture->WriteBet("dos.txt", {"11111111111111", "X1111111111112"})));
        QCOMPARE(fixture->Text("shapeLabel"),
                 QStringLiteral("dentro de 2 dobles, 12 fijos (4 columnas)"));
    }

    // Which forecast scores the bet and its messages: bet_opening_test.
    void theScoresLabelFollowsTheForecastChosen() {
        WriteFile(fixture->Path("pronostico.txt"), ForecastText(70));
        QVERIFY(fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kEighteen)));
        QCOMPARE(fixture->Text("scoresLabel"),
                 QStringLiteral("pronostico.txt de la carpeta de la apuesta"));
        WriteFile(fixture->Path("otro.txt"), ForecastText(20));
        QVERIFY(fixture->window->UseForecastFile(fixture->Path("otro.txt")));
        QCOMPARE(fixture->Text("scoresLabel"), QStringLiteral("«otro.txt»"));
        // A damaged forecast is told and the scores stay.
        WriteFile(fixture->Path("roto.txt"), "50 30 20\n50 30\n");
        QVERIFY(!fixture->window->UseForecastFile(fixture->Path("roto.txt")));
        QCOMPARE(fixture->Text("scoresLabel"), QStringLiteral("«otro.txt»"));
        QCOMPARE(fixture->messages.Texts().size(), 1);
    }

    void aDamagedBetIsToldAndTheBetOpenBeforeStays() {
        QVERIFY(fixture->window->OpenBetFile(fixture->WriteProductBet("buena.txt", kEighteen)));
        WriteFile(fixture->Path("rota.txt"), QByteArray("columnas\r\n"));
        QVERIFY(!fixture->window->OpenBetFile(fixture->Path("rota.txt")));
        const QStringList texts = fixture->messages.Texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(QStringLiteral("«rota.txt»")), qPrintable(texts[0]));
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("buena.txt — Lumo Reducir"));
        QCOMPARE(fixture->Text("columnsLabel"), QStringLiteral("18 columnas"));
    }

    void aBetDroppedOnTheWindowIsOpened() {
        const QString bet = fixture->WriteProductBet("soltada.txt", kEighteen);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(bet)});
        const QPoint middle = fixture->window->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fixture->window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fixture->window.get(), &drop);
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("soltada.txt — Lumo Reducir"));
    }

    void theMenuOpensTheBetTheDialogNames() {
        fixture->dialogs.answer = fixture->WriteProductBet("menu.txt", kEighteen);
        fixture->window->findChild<QAction*>("openBet")->trigger();
        QCOMPARE(fixture->dialogs.requests.size(), 1);
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("menu.txt — Lumo Reducir"));
    }

    void everyControlTakesTheKeyboardAndHasASpanishName() {
        QVERIFY(fixture->window->OpenBetFile(fixture->WriteProductBet("apuesta.txt", kEighteen)));
        int controls = 0;
        for (QWidget* widget : fixture->window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                                 qobject_cast<QLineEdit*>(widget) != nullptr ||
                                 qobject_cast<QComboBox*>(widget) != nullptr ||
                                 qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
                                 qobject_cast<QTableWidget*>(widget) != nullptr;
            // The toolbar's button repeats "Archivo ▸ Abrir apuesta…" (Ctrl+O);
            // the tab bar's and the tables' own buttons belong to Qt.
            if (!control || qobject_cast<QToolButton*>(widget) != nullptr ||
                widget->objectName().startsWith(QStringLiteral("qt_")) ||
                qobject_cast<QLineEdit*>(widget->parentWidget()) != nullptr ||
                qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr ||
                qobject_cast<QTableWidget*>(widget->parentWidget()) != nullptr) {
                continue;
            }
            ++controls;
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, qPrintable(widget->objectName()));
            QVERIFY2(!widget->accessibleName().isEmpty(),
                     qPrintable(widget->metaObject()->className() + QStringLiteral(" ") +
                                widget->objectName()));
        }
        QVERIFY(controls >= 25);
    }

  private:
    // 14 rows giving result 1 `home` percent and the rest to X and 2.
    static QByteArray ForecastText(int home) {
        QByteArray text;
        for (int row = 0; row < 14; ++row) {
            const int draw = (100 - home) / 2;
            text += QByteArray::number(home) + " " + QByteArray::number(draw) + " " +
                    QByteArray::number(100 - home - draw) + "\n";
        }
        return text;
    }

    std::unique_ptr<ReducirFixture> fixture;
};

QTEST_MAIN(ReducirOpenTest)
#include "reducir_open_test.moc"
