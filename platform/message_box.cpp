#include "platform/message_box.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

MessageAnswerer& InstalledAnswerer() {
    static MessageAnswerer answerer;
    return answerer;
}

QMessageBox::StandardButton ToStandardButton(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::kYes:
            return QMessageBox::Yes;
        case MessageAnswer::kNo:
            return QMessageBox::No;
        case MessageAnswer::kOk:
            return QMessageBox::Ok;
    }
    return QMessageBox::Ok;
}

// Shows the normal pointer for its lifetime while a wait cursor is on.
class NormalCursor {
  public:
    NormalCursor() : busy(QGuiApplication::overrideCursor() != nullptr) {
        if (busy) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
        }
    }
    ~NormalCursor() {
        if (busy) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    bool busy;
};

MessageAnswer Show(QWidget* parent, const MessageRequest& request) {
    if (const MessageAnswerer& answerer = InstalledAnswerer()) {
        return answerer(request);
    }
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(parent, request);
    // A box raised inside a long command is answered with the normal pointer.
    const NormalCursor pointer;
    switch (box->exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::kYes;
        case QMessageBox::No:
            return MessageAnswer::kNo;
        default:
            return request.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo
                                                             : MessageAnswer::kOk;
    }
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    Show(parent, {text, MessageButtons::kOk, MessageAnswer::kOk});
}

MessageAnswer AskYesNo(QWidget* parent, const QString& question, MessageAnswer defaultAnswer) {
    return Show(parent, {question, MessageButtons::kYesNo, defaultAnswer});
}

void SetMessageAnswerer(MessageAnswerer answerer) {
    InstalledAnswerer() = std::move(answerer);
}

QString MessageCaption() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageRequest& request) {
    const bool yesNo = request.buttons == MessageButtons::kYesNo;
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Warning, MessageCaption(), request.text,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(ToStandardButton(yesNo ? request.defaultAnswer : MessageAnswer::kOk));
    if (yesNo) {
        box->setEscapeButton(QMessageBox::No);
    }
    return box;
}
