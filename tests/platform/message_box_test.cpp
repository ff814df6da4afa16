// The message box seam: the box it builds, the answers it returns, and the
// answerer that replaces it.
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "modal_answer.h"
#include "platform/message_box.h"
#include "platform/wait_cursor.h"

namespace {

// Presses `button` of the next message box as soon as it shows.
void PressWhenShown(QMessageBox::StandardButton button) {
    AnswerModalWhenShown<QMessageBox>([button](QMessageBox& box) { box.button(button)->click(); });
}

// Presses `key` on the next message box as soon as it shows.
void PressKeyWhenShown(Qt::Key key) {
    AnswerModalWhenShown<QMessageBox>([key](QMessageBox& box) { QTest::keyClick(&box, key); });
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void captionIsTheExecutablesName() {
        QCOMPARE(MessageCaption(), QStringLiteral("message_box_test"));
    }

    void okBoxHasTheWarningIconAndOneButton() {
        const auto box = MakeMessageBox(nullptr, {QStringLiteral("reduccion -magica-")});
        QCOMPARE(box->windowTitle(), MessageCaption());
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->text(), QStringLiteral("reduccion -magica-"));
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void yesNoBoxHasItsDefault_data() {
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("yes") << int(MessageAnswer::kYes) << int(QMessageBox::Yes);
        QTest::newRow("no") << int(MessageAnswer::kNo) << int(QMessageBox::No);
    }

    void yesNoBoxHasItsDefault() {
        QFETCH(int, defaultAnswer);
        QFETCH(int, defaultButton);
        const auto box = MakeMessageBox(
            nullptr,
            {QStringLiteral("¿Seguro?"), MessageButtons::kYesNo, MessageAnswer(defaultAnswer)});
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->standardButton(box->defaultButton()),
                 QMessageBox::StandardButton(defaultButton));
    }

    void realBoxReturnsThePressedAnswer() {
        PressWhenShown(QMessageBox::No);
        QCOMPARE(AskYesNo(nullptr, QStringLiteral("¿Seguro?"), MessageAnswer::kYes),
                 MessageAnswer::kNo);
        PressKeyWhenShown(Qt::Key_Return);
        QCOMPARE(AskYesNo(nullptr, QStringLiteral("¿Seguro?"), MessageAnswer::kYes),
                 MessageAnswer::kYes);
        PressKeyWhenShown(Qt::Key_Return);
        ShowMessage(nullptr, QStringLiteral("todo explorado"));
    }

    void escapeAnswersNo() {
        PressKeyWhenShown(Qt::Key_Escape);
        QCOMPARE(AskYesNo(nullptr, QStringLiteral("¿Seguro?"), MessageAnswer::kYes),
                 MessageAnswer::kNo);
    }

    void boxDuringAWaitCursorShowsTheNormalPointer() {
        const CWaitCursor wait;
        Qt::CursorShape shownWithTheBox = Qt::WaitCursor;
        AnswerModalWhenShown<QMessageBox>([&shownWithTheBox](QMessageBox& box) {
            shownWithTheBox = QGuiApplication::overrideCursor()->shape();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        ShowMessage(nullptr, QStringLiteral("todo explorado"));
        QCOMPARE(shownWithTheBox, Qt::ArrowCursor);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void answererReplacesTheBox() {
        QList<MessageRequest> requests;
        SetMessageAnswerer([&requests](const MessageRequest& request) {
            requests << request;
            return MessageAnswer::kNo;
        });
        ShowMessage(nullptr, QStringLiteral("0.125"));
        const MessageAnswer answer =
            AskYesNo(nullptr, QStringLiteral("¿Seguro?"), MessageAnswer::kYes);
        SetMessageAnswerer({});

        QCOMPARE(answer, MessageAnswer::kNo);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[0].text, QStringLiteral("0.125"));
        QCOMPARE(requests[0].buttons, MessageButtons::kOk);
        QCOMPARE(requests[1].buttons, MessageButtons::kYesNo);
        QCOMPARE(requests[1].defaultAnswer, MessageAnswer::kYes);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
