// The commands when memory runs out: the program's own operator new fails
// every allocation from a threshold up (AllocationFailure), so the real
// failure paths run.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>
#include <vector>

#include "dialog_test_case.h"
#include "file_contents.h"
#include "seam_answerers.h"
#include "tests/core/allocation_failure.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

const QString kNoMemoryForStep =
    QStringLiteral("No hay memoria suficiente para esta operación. La apuesta queda como estaba.");

}  // namespace

class StepMemoryTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void init() { OpenDialog(); }

    void cleanup() { CloseDialog(); }

    void stepWithoutMemoryKeepsTheBet_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<std::vector<int>>("signature");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("countAfter");  // with the memory back
        QTest::newRow("generate") << kGenerateAllButton << std::vector{7, 70, 8, 80, 9, 90}
                                  << int(sizeof(CColumn) * kAllColumns)
                                  << QStringLiteral(
                                         "No hay memoria suficiente para crear todas "
                                         "las columnas. La apuesta queda como estaba.")
                                  << kAllColumns;
        // The reduction's map of near columns takes about 600 kB.
        QTest::newRow("reduce") << kReduce2Button << std::vector{7, 70, 7, 70, 8, 80} << 500'000
                                << kNoMemoryForStep << 1;
        // 65,536 different scores: the sort's counters take about 512 kB.
        std::vector<int> ascending;
        for (int i = 0; i < 65'536; ++i) {
            ascending.insert(ascending.end(), {i, i});
        }
        QTest::newRow("sort") << kSortByScoreButton << ascending << 400'000 << kNoMemoryForStep
                              << 65'536;
    }

    void stepWithoutMemoryKeepsTheBet() {
        QFETCH(int, id);
        QFETCH(std::vector<int>, signature);
        QFETCH(int, threshold);
        QFETCH(QString, message);
        QFETCH(int, countAfter);
        std::vector<CColumn> columns;
        for (std::size_t i = 0; i < signature.size(); i += 2) {
            columns.push_back(Scored(signature[i], signature[i + 1]));
        }
        SetColumns(columns);
        {
            const AllocationFailure noMemory(static_cast<std::size_t>(threshold));
            Click(id);
        }
        QCOMPARE(probe->MessageTexts(), QStringList{message});
        QCOMPARE(Signature(), signature);
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("%1 cols.").arg(columns.size()));
        QCOMPARE(Bar()->value(), 0);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        // With the memory back, the same button works.
        Click(id);
        QCOMPARE(dialog->Bet().Count(), countAfter);
        QVERIFY(Signature() != signature);
    }

    void openWithoutMemoryKeepsTheBet_data() {
        QTest::addColumn<int>("threshold");
        // The reader takes a file buffer of 1 MiB and a chunk of 64 KiB, then
        // reserves the bet's storage for the 60,000 columns at once (about
        // 1.4 MB, as the file's size allows 68,571 of them).
        QTest::newRow("no room for the columns") << 1'200'000;
        QTest::newRow("no file buffer") << 1'000'000;
        QTest::newRow("no chunk") << 50'000;
    }

    void openWithoutMemoryKeepsTheBet() {
        QFETCH(int, threshold);
        SetColumns({Scored(7, 70)});
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("grande.txt"));
        WriteFile(path, "60000\r\n" + QByteArray("1X21X21X21X21X\r\n").repeated(60'000));
        const FileDialogRecorder fileDialog(path);
        {
            const AllocationFailure noMemory(static_cast<std::size_t>(threshold));
            Click(kOpenBetButton);
        }
        QCOMPARE(Signature(), (std::vector<int>{7, 70}));
        QCOMPARE(probe->MessageTexts(),
                 QStringList{QStringLiteral("No hay memoria suficiente para todas las columnas "
                                            "del archivo «%1». No se ha añadido ninguna columna.")
                                 .arg(path)});
        QCOMPARE(probe->refreshes, 1);
    }

    void saveWithoutMemoryKeepsTheOldFile() {
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("apuesta.txt"));
        WriteFile(path, "0\r\n");
        SetColumns({Scored(7, 70)});
        const FileDialogRecorder fileDialog(path);
        {
            // The writer formats 64 KiB of text at a time.
            const AllocationFailure noBlock(60'000);
            Click(kSaveBetButton);
        }
        QCOMPARE(probe->MessageTexts(),
                 QStringList{QStringLiteral("No se ha podido grabar la apuesta en «%1»: no hay "
                                            "memoria suficiente. Si el archivo ya existía, no ha "
                                            "cambiado.")
                                 .arg(path)});
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("0\r\n"));
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("apuesta.txt")});
    }

    void copyWithoutMemoryLeavesTheClipboard() {
        SetColumns({Scored(7, 70)});
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
        {
            // The clipboard block takes 100,000 bytes.
            const AllocationFailure noBlock(90'000);
            Click(kCopyBetButton);
        }
        QCOMPARE(probe->MessageTexts(),
                 QStringList{QStringLiteral("No hay memoria suficiente para copiar la apuesta. El "
                                            "portapapeles no ha cambiado.")});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
    }

  private:
    // Index and score of every column of the bet, in order.
    std::vector<int> Signature() const {
        std::vector<int> signature;
        for (const CColumn& column : dialog->Bet()) {
            signature.push_back(column.Index());
            signature.push_back(column.score);
        }
        return signature;
    }
};

QTEST_MAIN(StepMemoryTest)
#include "step_memory_test.moc"
