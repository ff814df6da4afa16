// The window menu, the system commands that open the About box or close the
// main dialog, and the About box itself.
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "dialog_test_case.h"
#include "platform/dialog_fonts.h"
#include "platform/dialog_units.h"
#include "platform/window_menu.h"
#include "widgets/about_dlg.h"

namespace {

// Runs `action`; whatever modal window it opens is recorded by class name
// and answered by `answer` as soon as it shows.
QStringList ModalWindowsOpenedBy(const std::function<void()>& action,
                                 const std::function<void(QWidget&)>& answer) {
    QStringList opened;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget();
            modal != nullptr && modal->isVisible()) {
            opened << modal->metaObject()->className();
            answer(*modal);
        }
    });
    watcher.start();
    action();
    watcher.stop();
    return opened;
}

void CloseWidget(QWidget& widget) {
    widget.close();
}

}  // namespace

class WindowMenuTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void init() { OpenDialog(DialogDisplay::kActive); }

    void cleanup() { CloseDialog(); }

    // The low four bits of a system command are ignored: 16 to 31 open the
    // About box modally, and the close command ends the dialog.
    void systemCommands_data() {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<bool>("about");
        for (unsigned command = 16; command <= 31; ++command) {
            QTest::addRow("%u", command) << command << true;
        }
        for (const unsigned command : {0u, 15u, 32u, 0xF010u, kCloseCommand}) {
            QTest::addRow("%u", command) << command << false;
        }
    }

    void systemCommands() {
        QFETCH(unsigned, command);
        QFETCH(bool, about);
        QCOMPARE(IsAboutCommand(command), about);
        // The About box ends by its close box, by Aceptar or by Esc.
        const std::function<void(QWidget&)> answers[] = {
            CloseWidget,
            [](QWidget& box) { box.findChild<QPushButton*>(QStringLiteral("1"))->click(); },
            [](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); }};
        const QStringList opened =
            ModalWindowsOpenedBy([&] { dialog->OnSysCommand(command); }, answers[command % 3]);
        QCOMPARE(opened, about ? QStringList{"CAboutDlg"} : QStringList{});
        // Back to the main dialog, unchanged, unless it was closed.
        QCOMPARE(dialog->isVisible(), command != kCloseCommand);
    }

    void altSpaceOpensTheMenuWithCloseAndAbout() {
        QTest::keyClick(dialog.get(), Qt::Key_Space, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[0]->text(), QStringLiteral("&Cerrar"));
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2]->text(), QStringLiteral("&Acerca de Lumo..."));
        const QStringList opened =
            ModalWindowsOpenedBy([&] { actions[2]->trigger(); }, CloseWidget);
        QCOMPARE(opened, QStringList{"CAboutDlg"});
    }

    void rightClickOnTheBackgroundOpensTheMenu() {
        // Between the list and the step frames nothing takes the mouse.
        const QPoint background(dialog->width() * 252 / 427, dialog->height() * 2 / 317);
        QVERIFY(dialog->childAt(background) == nullptr);
        QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background,
                                       dialog->mapToGlobal(background));
        QApplication::sendEvent(dialog.get(), &onBackground);
        QVERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
        QApplication::activePopupWidget()->close();

        // A text lets the click through to the background.
        const QWidget* label = ControlById(*dialog, kCountText);
        const QPoint onText = label->geometry().center();
        QVERIFY(dialog->childAt(onText) == nullptr);

        // A button does not.
        const QPoint onButton = ControlById(*dialog, kGenerateAllButton)->geometry().center();
        QContextMenuEvent onControl(QContextMenuEvent::Mouse, onButton,
                                    dialog->mapToGlobal(onButton));
        QApplication::sendEvent(dialog.get(), &onControl);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }

    void aboutBoxLayout() {
        const CAboutDlg about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Lumo"));
        const DialogBaseUnits units = MeasureBaseUnits(DialogFont());
        QCOMPARE(about.size(), units.ToPixels(235, 55));
        QStringList texts;
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                QCOMPARE(label->pos(), units.ToPixels(11, 17, 0, 0).topLeft());
                continue;
            }
            texts << label->text();
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0], QStringLiteral("Lumo Versión 2.0"));
        const auto* accept = about.findChild<QPushButton*>(QStringLiteral("1"));
        QVERIFY(accept != nullptr);
        QCOMPARE(accept->text(), QStringLiteral("Aceptar"));
        QVERIFY(accept->isDefault());
        QCOMPARE(accept->geometry(), units.ToPixels(178, 7, 50, 14));
    }
};

QTEST_MAIN(WindowMenuTest)
#include "window_menu_test.moc"
