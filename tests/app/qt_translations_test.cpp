// Qt's own Spanish texts: the application object installs them at start-up
// whatever the locale (the test runs under LANG=C), and a missing catalogue
// changes nothing and says nothing.
#include <QtTest>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/lumo_app.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_translations.h"
#include "platform/text_file_request.h"

using namespace lumo;

class QtTranslationsTest : public QObject {
    Q_OBJECT

  public:
    explicit QtTranslationsTest(CLumoApp& app) : app(app) {}

  private Q_SLOTS:
    void messageBoxButtonsAreSpanish_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Sí") << int(MessageButtons::kYesNo) << int(QMessageBox::Yes)
                            << QStringLiteral("&Sí");
        QTest::newRow("Aceptar") << int(MessageButtons::kOk) << int(QMessageBox::Ok)
                                 << QStringLiteral("Aceptar");
    }

    void messageBoxButtonsAreSpanish() {
        QFETCH(int, buttons);
        QFETCH(int, button);
        QFETCH(QString, text);
        QCOMPARE(QLocale().language(), QLocale::C);  // the system locale is not Spanish
        const auto box = MakeMessageBox(
            nullptr, {QStringLiteral("¿Seguro?"), MessageButtons(buttons), MessageAnswer::kNo});
        const QAbstractButton* shown = box->button(QMessageBox::StandardButton(button));
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->text(), text);
    }

    void fileDialogIsSpanish() {
        const auto save = MakeFileDialog(
            nullptr, TextFileRequest(FileDialogMode::kSave, QStringLiteral("apuesta.txt"),
                                     OverwriteQuestion::kNone));
        QCOMPARE(save->labelText(QFileDialog::Accept), QStringLiteral("&Guardar"));
        QCOMPARE(save->labelText(QFileDialog::Reject), QStringLiteral("Cancelar"));
        QCOMPARE(save->labelText(QFileDialog::LookIn), QStringLiteral("Ver en:"));
    }

    void missingCatalogueIsSilent() {
        const QTemporaryDir empty;
        QVERIFY(empty.isValid());
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(!InstallQtSpanishTranslations(app, empty.path()));
    }

  private:
    CLumoApp& app;
};

int main(int argc, char** argv) {
    CLumoApp app(argc, argv);
    QtTranslationsTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "qt_translations_test.moc"
