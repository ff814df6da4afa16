// The application object: it runs the main dialog, which Esc, the close box
// and the window menu's Cerrar end as cancelled, and ends the program with
// status 0 however the dialog is closed.
#include <QMenu>
#include <QtTest>
#include <clocale>
#include <cstdio>

#include "app/lumo_app.h"
#include "app/lumo_dlg.h"
#include "modal_answer.h"
#include "window_test_support.h"

using namespace lumo;

namespace {

enum class Closing { kEscape, kCloseBox, kCloseEntry };

// Closes the running main dialog as soon as it shows, the way `closing` says,
// and checks that it ended as cancelled.
void CloseMainDialogWhenShown(Closing closing) {
    const auto close = [closing](CLumoDlg& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Brelm"));
        switch (closing) {
            case Closing::kEscape:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            case Closing::kCloseBox:
                dialog.close();
                break;
            case Closing::kCloseEntry:
                // The Cerrar entry of the window menu.
                QTest::keyClick(&dialog, Qt::Key_Space, Qt::AltModifier);
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    menu->actions()[0]->trigger();
                }
                break;
        }
        // Cancelled; a dialog still open is closed so that the program ends.
        const bool hidden = !dialog.isVisible();
        if (!hidden) {
            dialog.close();
        }
        QVERIFY(hidden);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    };
    AnswerModalWhenShown<CLumoDlg>(close, 50);
}

}  // namespace

class LumoAppTest : public QObject {
    Q_OBJECT

  public:
    explicit LumoAppTest(CLumoApp& app) : app(app) {}

  private Q_SLOTS:
    void dialogEndsTheProgramWithStatusZero_data() {
        QTest::addColumn<int>("closing");
        QTest::newRow("Esc") << int(Closing::kEscape);
        QTest::newRow("close box") << int(Closing::kCloseBox);
        QTest::newRow("Cerrar") << int(Closing::kCloseEntry);
    }

    void dialogEndsTheProgramWithStatusZero() {
        QFETCH(int, closing);
        const ScopedEmptyWorkingDirectory workingDirectory;
        CloseMainDialogWhenShown(Closing(closing));
        QCOMPARE(app.InitInstance(), 0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(
                    QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                    [](const QWidget* widget) { return qobject_cast<const CLumoDlg*>(widget); }));
    }

    // The application takes the user's locale, but numbers keep a decimal
    // point (this matters in the run under a Spanish locale).
    void numbersKeepADecimalPoint() {
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray("."));
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", 0.5);
        QCOMPARE(QByteArray(text), QByteArray("0.5"));
    }

  private:
    CLumoApp& app;
};

int main(int argc, char** argv) {
    CLumoApp app(argc, argv);
    LumoAppTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "lumo_app_test.moc"
