#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

// The one way the program shows a message: a modal box captioned with the
// executable's name without extension, with the warning icon, and either a
// single OK or the buttons Yes and No.

enum class MessageButtons { kOk, kYesNo };
enum class MessageAnswer { kOk, kYes, kNo };

struct MessageRequest {
    QString text;
    MessageButtons buttons = MessageButtons::kOk;
    MessageAnswer defaultAnswer = MessageAnswer::kOk;
};

// Shows `text` with a single OK.
void ShowMessage(QWidget* parent, const QString& text);

// Asks `question` with Yes and No, `defaultAnswer` being the default button;
// returns kYes or kNo (closing the box answers No).
MessageAnswer AskYesNo(QWidget* parent, const QString& question, MessageAnswer defaultAnswer);

// Replaces every box by a call of `answerer` until it is reset with an empty
// function. Tests answer the program's questions with it.
using MessageAnswerer = std::function<MessageAnswer(const MessageRequest& request)>;
void SetMessageAnswerer(MessageAnswerer answerer);

// The caption of every box: the executable's file name without extension.
QString MessageCaption();

// The box that ShowMessage and AskYesNo show for `request`, not yet shown.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageRequest& request);
