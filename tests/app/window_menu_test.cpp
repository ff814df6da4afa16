// The window menu, the system commands that open the About box, the About
// box itself, and the ways of closing the main dialog.
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

    void lowFourBitsAreIgnored_data() {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<bool>("about");
        for (unsigned command = 16; command <= 31; ++command) {
            QTest::addRow("%u", command) << command << true;
        }
        QTest::newRow("15") << 15u << false;
        QTest::newRow("0") << 0u << false;
        QTest::newRow("32") << 32u << false;
        QTest::newRow("close") << kCloseCommand << false;
    }

    void lowFourBitsAreIgnored() {
        QFETCH(unsigned, command);
        QFETCH(bool, about);
        QCOMPARE(IsAboutCommand(command), about);
    }

    void systemCommandsOpenTheAboutBoxModally_data() {
        QTest::addColumn<unsigned>("command");
        for (unsigned command = 16; command <= 31; ++command) {
            QTest::addRow("%u", command) << command;
        }
    }

    void systemCommandsOpenTheAboutBoxModally() {
        QFETCH(unsigned, command);
        const QStringList opened =
            ModalWindowsOpenedBy([&] { dialog->OnSysCommand(command); }, CloseWidget);
        QCOMPARE(opened, QStringList{"CAboutDlg"});
        QVERIFY(dialog->isVisible());  // back to the main dialog, unchanged
    }

    void otherCommandsOpenNothing() {
        for (const unsigned command : {0u, 15u, 32u, 0xF010u}) {
            QCOMPARE(ModalWindowsOpenedBy([&] { dialog->OnSysCommand(command); }, CloseWidget),
                     QStringList{});
        }
        QVERIFY(dialog->isVisible());
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
        menu->close();
    }

    void aboutEntryOpensTheAboutBox() {
        QTest::keyClick(dialog.get(), Qt::Key_Space, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        const QStringList opened =
            ModalWindowsOpenedBy([&] { menu->actions()[2]->trigger(); }, CloseWidget);
        QCOMPARE(opened, QStringList{"CAboutDlg"});
    }

    void closeEntryEndsTheDialog() {
        QTest::keyClick(dialog.get(), Qt::Key_Space, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        menu->actions()[0]->trigger();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
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

    void escapeEndsTheDialog() {
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void closeBoxEndsTheDialog() {
        QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
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

    void aboutBoxEndsWithAceptarOrEscape() {
        const QStringList accepted = ModalWindowsOpenedBy(
            [&] { dialog->OnSysCommand(kAboutCommand); },
            [](QWidget& about) { about.findChild<QPushButton*>(QStringLiteral("1"))->click(); });
        QCOMPARE(accepted.size(), 1);
        const QStringList escaped =
            ModalWindowsOpenedBy([&] { dialog->OnSysCommand(kAboutCommand); },
                                 [](QWidget& about) { QTest::keyClick(&about, Qt::Key_Escape); });
        QCOMPARE(escaped.size(), 1);
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(WindowMenuTest)
#include "window_menu_test.moc"
