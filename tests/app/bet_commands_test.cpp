// The bet file commands of steps 1 and 6 through their buttons: save, open
// and copy, with the file dialogs answered by the test.
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <vector>

#include "dialog_test_case.h"
#include "file_contents.h"
#include "seam_answerers.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

QByteArray ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr ? data->data(QStringLiteral("text/plain")) : QByteArray("(none)");
}

}  // namespace

class BetCommandsTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        OpenDialog();
        fileDialog = std::make_unique<FileDialogRecorder>();
    }

    void cleanup() {
        fileDialog.reset();
        CloseDialog();
    }

    void saveAsksForTheBetFileAndWritesIt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before");  // empty: no file there yet
        QTest::addColumn<std::vector<int>>("indices");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("three columns")
            << "apuesta.txt" << QByteArray() << std::vector{0, 1, 4'782'968}
            << QByteArray("3\r\n11111111111111\r\nX1111111111111\r\n22222222222222\r\n");
        QTest::newRow("empty bet, three bytes")
            << "vacia" << QByteArray() << std::vector<int>{} << QByteArray("0\r\n");
        QTest::newRow("replaces an earlier file")
            << "apuesta.txt" << QByteArray(1000, 'a') << std::vector{1}
            << QByteArray("1\r\nX1111111111111\r\n");
    }

    void saveAsksForTheBetFileAndWritesIt() {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(std::vector<int>, indices);
        QFETCH(QByteArray, written);
        fileDialog->answer = Path(name);
        if (!before.isEmpty()) {
            WriteFile(fileDialog->answer, before);
        }
        SetBet(indices);
        Click(kSaveBetButton);
        QCOMPARE(fileDialog->requests.size(), 1);
        QCOMPARE(fileDialog->requests.front().mode, FileDialogMode::kSave);
        QCOMPARE(fileDialog->requests.front().proposedName, QStringLiteral("apuesta.txt"));
        QCOMPARE(fileDialog->requests.front().filters,
                 (QStringList{QStringLiteral("Archivo de texto (*.txt)"),
                              QStringLiteral("All Files (*.*)")}));
        QCOMPARE(ReadFile(fileDialog->answer), written);
        QCOMPARE(dialog->Bet().Count(), static_cast<int>(indices.size()));
        QCOMPARE(probe->refreshes, 0);
        QVERIFY(!probe->waitSeen);
        QVERIFY(probe->messages.isEmpty());
    }

    void cancelledFileDialogChangesNothing_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("save") << kSaveBetButton;
        QTest::newRow("open") << kOpenBetButton;
    }

    void cancelledFileDialogChangesNothing() {
        QFETCH(int, id);
        SetBet({4, 5});
        fileDialog->answer.clear();
        Click(id);
        QCOMPARE(fileDialog->requests.size(), 1);
        QVERIFY(QDir::current().entryList(QDir::Files | QDir::Hidden).isEmpty());
        QCOMPARE(dialog->Bet().Count(), 2);
        QCOMPARE(probe->refreshes, 0);
        QVERIFY(probe->messages.isEmpty());
    }

    void failedSaveSaysWhyAndKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "no_existe/apuesta.txt"
                                        << "la carpeta no existe";
        QTest::newRow("a folder") << "carpeta"
                                  << "es una carpeta";
        QTest::newRow("under a file") << "apuesta.txt/otra.txt"
                                      << "una parte de la ruta no es una carpeta";
    }

    void failedSaveSaysWhyAndKeepsTheOldFile() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir::current().mkdir(QStringLiteral("carpeta")));
        WriteFile(Path(QStringLiteral("apuesta.txt")), "2\r\n");
        SetBet({5, 6});
        fileDialog->answer = Path(name);
        Click(kSaveBetButton);
        QCOMPARE(probe->MessageTexts(),
                 QStringList{QStringLiteral("No se ha podido grabar la apuesta en «%1»: %2. Si el "
                                            "archivo ya existía, no ha cambiado.")
                                 .arg(QDir::toNativeSeparators(fileDialog->answer), reason)});
        QCOMPARE(ReadFile(Path(QStringLiteral("apuesta.txt"))), QByteArray("2\r\n"));
        QCOMPARE(dialog->Bet().Count(), 2);
        QCOMPARE(probe->refreshes, 0);
    }

    void saveThenOpenIntoAnEmptyBetGivesTheSameColumns() {
        std::vector<int> indices;
        for (int i = 0; i < 700; ++i) {
            indices.push_back((i * 6'833) % kAllColumns);
        }
        SetBet(indices);
        dialog->Bet()[3].marked = 1;
        fileDialog->answer = Path(QStringLiteral("ida.txt"));
        Click(kSaveBetButton);

        dialog->Bet().Truncate(0);
        probe->Reset();
        Click(kOpenBetButton);
        QCOMPARE(fileDialog->requests.back().mode, FileDialogMode::kOpen);
        QCOMPARE(fileDialog->requests.back().proposedName, QStringLiteral("apuesta.txt"));
        const CColumnSet& bet = dialog->Bet();
        QCOMPARE(bet.Count(), 700);
        for (int i = 0; i < 700; ++i) {
            QCOMPARE(bet[i].Index(), indices[static_cast<std::size_t>(i)]);
            QCOMPARE(bet[i].score, 0);
            QCOMPARE(bet[i].marked, 0);
        }
        QCOMPARE(probe->refreshes, 1);
        QVERIFY(!probe->waitSeen);
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("700 cols."));
        QCOMPARE(List()->topLevelItemCount(), 500);
        QVERIFY(probe->messages.isEmpty());
    }

    // Each file is opened twice: the second time adds the same columns again.
    void openThatEndsEarlyKeepsTheCompleteColumnsAndSaysSo_data() {
        QTest::addColumn<QByteArray>("content");  // "-" for no file at all
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QString>("message");  // %1 stands for the path
        QTest::newRow("complete") << QByteArray("2\r\n1X21X21X21X21X\r\n22222222222222\r\n")
                                  << QStringList{"1X21X21X21X21X", "22222222222222"} << "";
        QTest::newRow("count of 0") << QByteArray("0\r\n") << QStringList{} << "";
        QTest::newRow("ends early")
            << QByteArray("3\r\n11111111111111\r\nXXXXXXXXXXXXXX\r\n2222")
            << QStringList{"11111111111111", "XXXXXXXXXXXXXX"}
            << "El archivo «%1» anuncia 3 columnas pero termina antes de completarlas. Se han "
               "añadido 2 columnas.";
        QTest::newRow("no count") << QByteArray("X1111111111111\r\n") << QStringList{}
                                  << "El archivo «%1» no empieza por el número de columnas. No "
                                     "se ha añadido ninguna columna.";
        QTest::newRow("empty") << QByteArray() << QStringList{}
                               << "El archivo «%1» no empieza por el número de columnas. No se "
                                  "ha añadido ninguna columna.";
        QTest::newRow("missing file") << QByteArray("-") << QStringList{}
                                      << "No se ha podido leer el archivo «%1»: el archivo no "
                                         "existe. No se ha añadido ninguna columna.";
    }

    void openThatEndsEarlyKeepsTheCompleteColumnsAndSaysSo() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, added);
        QFETCH(QString, message);
        fileDialog->answer = Path(QStringLiteral("leida.txt"));
        if (content != "-") {
            WriteFile(fileDialog->answer, content);
        }
        SetBet({7});
        Click(kOpenBetButton);
        Click(kOpenBetButton);
        const QStringList signs = added + added;
        QCOMPARE(dialog->Bet().Count(), 1 + signs.size());
        QCOMPARE(dialog->Bet()[0].Index(), 7);
        for (int i = 0; i < signs.size(); ++i) {
            QCOMPARE(QString::fromStdString(SignsOf(dialog->Bet()[1 + i])), signs[i]);
        }
        QCOMPARE(probe->refreshes, 2);
        if (message.isEmpty()) {
            QVERIFY(probe->messages.isEmpty());
        } else {
            QCOMPARE(probe->MessageTexts(),
                     QStringList(2, message.arg(QDir::toNativeSeparators(fileDialog->answer))));
            QCOMPARE(probe->messages.front().buttons, MessageButtons::kOk);
        }
    }

    void copy_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("bytes");  // -1: refused
        QTest::newRow("empty bet") << 0 << 0;
        QTest::newRow("one column") << 1 << 29;
        QTest::newRow("1000 columns") << 1000 << 29'000;
        QTest::newRow("1001 columns") << 1001 << -1;
    }

    void copy() {
        QFETCH(int, count);
        QFETCH(int, bytes);
        std::vector<int> indices;
        // All 1s first, all 2s last.
        for (int i = 0; i < count; ++i) {
            indices.push_back(i > 0 && i == count - 1 ? kAllColumns - 1 : i);
        }
        SetBet(indices);
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
        Click(kCopyBetButton);
        if (bytes < 0) {
            QCOMPARE(probe->MessageTexts(), QStringList{QStringLiteral("A lo sumo 1000 cols")});
            QCOMPARE(ClipboardText(), QByteArray("antes"));
        } else {
            QVERIFY(probe->messages.isEmpty());
            const QByteArray text = ClipboardText();
            QCOMPARE(text.size(), bytes);
            if (count > 0) {
                QCOMPARE(text.left(29), QByteArray("1\t").repeated(14) + '\n');
                QCOMPARE(text.right(29),
                         QByteArray(count == 1 ? "1\t" : "2\t").repeated(14) + '\n');
                QCOMPARE(text.count('\n'), count);
            }
        }
        QCOMPARE(dialog->Bet().Count(), count);
        QCOMPARE(probe->refreshes, 0);
        QVERIFY(!probe->waitSeen);
    }

  private:
    static QString Path(const QString& name) { return QDir::current().absoluteFilePath(name); }

    std::unique_ptr<FileDialogRecorder> fileDialog;
};

QTEST_MAIN(BetCommandsTest)
#include "bet_commands_test.moc"
