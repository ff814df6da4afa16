#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/file_dialog.h"
#include "platform/message_box.h"

// Answerers that tests put in the message box and file dialog seams for
// their lifetime; each records what it was asked.

// The texts of these message boxes, in order.
QStringList TextsOf(const QList<MessageRequest>& requests);

// Answers every message box with OK.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList Texts() const;

    QList<MessageRequest> requests;
};

// Answers every file dialog with `answer` (empty: cancelled).
class FileDialogRecorder {
  public:
    explicit FileDialogRecorder(QString answer = {});
    ~FileDialogRecorder();
    FileDialogRecorder(const FileDialogRecorder&) = delete;
    FileDialogRecorder& operator=(const FileDialogRecorder&) = delete;

    QString answer;
    QList<FileDialogRequest> requests;
};
