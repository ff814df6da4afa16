#include "platform/message_box.h"

#include <QAbstractButton>
#include <QCursor>
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
        case MessageAnswer::kSave:
            return QMessageBox::Save;
        case MessageAnswer::kDiscard:
            return QMessageBox::Discard;
        case MessageAnswer::kCancel:
            return QMessageBox::Cancel;
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
        case QMessageBox::Save:
            return MessageAnswer::kSave;
        case QMessageBox::Discard:
            return MessageAnswer::kDiscard;
        default:
            switch (request.buttons) {
                case MessageButtons::kYesNo:
                    return MessageAnswer::kNo;
                case MessageButtons::kSaveDiscardCancel:
                    return MessageAnswer::kCancel;
                case MessageButtons::kOk:
                    break;
            }
            return MessageAnswer::kOk;
    }
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    Show(parent, {text, MessageButtons::kOk, MessageAnswer::kOk});
}

MessageAnswer AskYesNo(QWidget* parent, const QString& question, MessageAnswer defaultAnswer) {
    return Show(parent, {question, MessageButtons::kYesNo, defaultAnswer});
}

MessageAnswer AskSaveDiscardCancel(QWidget* parent, const QString& question) {
    return Show(parent, {question, MessageButtons::kSaveDiscardCancel, MessageAnswer::kSave});
}

void SetMessageAnswerer(MessageAnswerer answerer) {
    InstalledAnswerer() = std::move(answerer);
}

QString MessageCaption() {
    // Qt gives the application's name when no display name was set, and the
    // executable's name when no application name was.
    return QGuiApplication::applicationDisplayName();
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageRequest& request) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, MessageCaption(), request.text,
                                             QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    switch (request.buttons) {
        case MessageButtons::kOk:
            break;
        case MessageButtons::kYesNo:
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box->setEscapeButton(QMessageBox::No);
            break;
        case MessageButtons::kSaveDiscardCancel:
            box->setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box->button(QMessageBox::Save)->setText(QStringLiteral("&Grabar"));
            box->button(QMessageBox::Discard)->setText(QStringLiteral("&Descartar"));
            box->button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancelar"));
            box->setEscapeButton(QMessageBox::Cancel);
            break;
    }
    box->setDefaultButton(ToStandardButton(
        request.buttons == MessageButtons::kOk ? MessageAnswer::kOk : request.defaultAnswer));
    return box;
}
