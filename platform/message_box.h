#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

// The one way the program shows a message: a modal box captioned with the
// program's name (MessageCaption), with the warning icon, and a single OK,
// the buttons Yes and No, or Grabar, Descartar and Cancelar.

enum class MessageButtons { kOk, kYesNo, kSaveDiscardCancel };
enum class MessageAnswer { kOk, kYes, kNo, kSave, kDiscard, kCancel };

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

// Asks `question` about work not yet saved with "Grabar" (the default),
// "Descartar" and "Cancelar"; returns kSave, kDiscard or kCancel (closing the
// box cancels).
MessageAnswer AskSaveDiscardCancel(QWidget* parent, const QString& question);

// Replaces every box by a call of `answerer` until it is reset with an empty
// function. Tests answer the program's questions with it.
using MessageAnswerer = std::function<MessageAnswer(const MessageRequest& request)>;
void SetMessageAnswerer(MessageAnswerer answerer);

// The caption of every box: the application's display name, which is the
// executable's file name without extension unless the program sets another
// (Lumo keeps it; Lumo Reducir sets "Lumo Reducir").
QString MessageCaption();

// The box that ShowMessage and AskYesNo show for `request`, not yet shown.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageRequest& request);
