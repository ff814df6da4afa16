// The file dialog seam: the dialog it builds for a text file, what the real
// dialog returns when the user types, replaces or cancels, and the answerer.
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QtTest>

#include "file_contents.h"
#include "modal_answer.h"
#include "platform/file_dialog.h"
#include "platform/text_file_request.h"
#include "window_test_support.h"

namespace {

// A request as the bet file commands make it: a proposed name, text files
// first, then all files, an existing file replaced without a question.
FileDialogRequest BetRequest(FileDialogMode mode) {
    return TextFileRequest(mode, QStringLiteral("apuesta.txt"), OverwriteQuestion::kNone);
}

// Types `name` into the next file dialog as soon as it shows, then presses
// Enter (or Escape for an empty name).
void AnswerWhenShown(const QString& name) {
    AnswerModalWhenShown<QFileDialog>([name](QFileDialog& dialog) {
        if (name.isEmpty()) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return;
        }
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit != nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

}  // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { workingDirectory = std::make_unique<ScopedEmptyWorkingDirectory>(); }

    void cleanup() {
        SetFileDialogAnswerer({});
        workingDirectory.reset();
    }

    void dialogsProposeTheNameAndFilters_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("overwrite");
        QTest::addColumn<bool>("asksBeforeReplacing");
        QTest::newRow("save") << int(FileDialogMode::kSave) << int(OverwriteQuestion::kNone)
                              << false;
        QTest::newRow("save, asking")
            << int(FileDialogMode::kSave) << int(OverwriteQuestion::kAsk) << true;
        QTest::newRow("open") << int(FileDialogMode::kOpen) << int(OverwriteQuestion::kNone)
                              << true;
    }

    void dialogsProposeTheNameAndFilters() {
        QFETCH(int, mode);
        QFETCH(int, overwrite);
        QFETCH(bool, asksBeforeReplacing);
        const bool save = FileDialogMode(mode) == FileDialogMode::kSave;
        const auto dialog = MakeFileDialog(
            nullptr, TextFileRequest(FileDialogMode(mode), QStringLiteral("apuesta.txt"),
                                     OverwriteQuestion(overwrite)));
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
        QCOMPARE(dialog->testOption(QFileDialog::DontConfirmOverwrite), !asksBeforeReplacing);
        QVERIFY(dialog->defaultSuffix().isEmpty());
        QCOMPARE(dialog->nameFilters(), (QStringList{QStringLiteral("Archivo de texto (*.txt)"),
                                                     QStringLiteral("All Files (*.*)")}));
        QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("Archivo de texto (*.txt)"));
        QCOMPARE(dialog->directory().absolutePath(), QDir::current().absolutePath());
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                 QStringLiteral("apuesta.txt"));
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    }

    void typedNameIsReturnedAsTyped_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::newRow("save, no extension added") << int(FileDialogMode::kSave) << "apuesta";
        QTest::newRow("save, other extension") << int(FileDialogMode::kSave) << "mia.bet";
        QTest::newRow("open, missing file") << int(FileDialogMode::kOpen) << "no_existe.txt";
    }

    void typedNameIsReturnedAsTyped() {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        AnswerWhenShown(typed);
        const QString chosen = AskFileName(nullptr, BetRequest(FileDialogMode(mode)));
        QCOMPARE(chosen, QDir::current().absoluteFilePath(typed));
    }

    void savingOverAFileAsksNothing() {
        WriteFile(QStringLiteral("apuesta.txt"), "antes");
        AnswerWhenShown(QStringLiteral("apuesta.txt"));
        // A question would leave the dialog open and this call would not return.
        QCOMPARE(AskFileName(nullptr, BetRequest(FileDialogMode::kSave)),
                 QDir::current().absoluteFilePath(QStringLiteral("apuesta.txt")));
        QCOMPARE(ReadFile(QStringLiteral("apuesta.txt")), QByteArray("antes"));
    }

    void cancelGivesNoName() {
        AnswerWhenShown(QString());
        QVERIFY(AskFileName(nullptr, BetRequest(FileDialogMode::kSave)).isEmpty());
    }

    void everyFileFilterListsNamesWithoutDot() {
        WriteFile(QStringLiteral("apuesta.txt"), "0\r\n");
        WriteFile(QStringLiteral("quiniela"), "0\r\n");
        const auto dialog = MakeFileDialog(nullptr, BetRequest(FileDialogMode::kOpen));
        dialog->show();
        auto* model = dialog->findChild<QFileSystemModel*>();
        QVERIFY(model != nullptr);
        const auto listed = [&] {
            return model->rowCount(model->index(QDir::current().absolutePath()));
        };
        QTRY_COMPARE(listed(), 1);
        auto* filters = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(filters != nullptr);
        // As the user picks a filter: from the keyboard, on the combo box.
        QTest::keyClick(filters, Qt::Key_Down);
        QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("All Files (*.*)"));
        QTRY_COMPARE(listed(), 2);
        QTest::keyClick(filters, Qt::Key_Up);
        QTRY_COMPARE(listed(), 1);
    }

    void everyFileFilterKeepsTheTypedName() {
        const auto dialog = MakeFileDialog(nullptr, BetRequest(FileDialogMode::kSave));
        dialog->show();
        auto* filters = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClick(filters, Qt::Key_Down);
        QCOMPARE(name->text(), QStringLiteral("apuesta.txt"));
        QTest::keyClick(filters, Qt::Key_Up);
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("jornada12.txt"));
        QTest::keyClick(filters, Qt::Key_Down);
        QCOMPARE(name->text(), QStringLiteral("jornada12.txt"));
    }

    void answererReplacesTheDialog() {
        QList<FileDialogRequest> requests;
        SetFileDialogAnswerer([&requests](const FileDialogRequest& request) {
            requests.append(request);
            return QStringLiteral("/tmp/elegido.txt");
        });
        QCOMPARE(AskFileName(nullptr, BetRequest(FileDialogMode::kSave)),
                 QStringLiteral("/tmp/elegido.txt"));
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.front().mode, FileDialogMode::kSave);
        QCOMPARE(requests.front().proposedName, QStringLiteral("apuesta.txt"));
    }

  private:
    std::unique_ptr<ScopedEmptyWorkingDirectory> workingDirectory;
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
