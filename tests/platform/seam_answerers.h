#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/file_dialog.h"
#include "platform/message_box.h"

// Answerers that tests put in the message box and file dialog seams for
// their lifetime; each records what it was asked.

// The texts of these message boxes, in order.
QStringList TextsOf(const QList<MessageRequest>& requests);

// Answers every message box with OK, and a question with `answer`.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList Texts() const;

    MessageAnswer answer = MessageAnswer::kOk;
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

// Puts a folder of the test's own programs first on PATH for its lifetime,
// so that the programs the window runs (xdg-open, xdg-mime) are the test's.
class FakePrograms {
  public:
    FakePrograms();
    ~FakePrograms();
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    // A program `name` that runs the shell commands `script`.
    void Add(const QString& name, const QByteArray& script);

  private:
    QTemporaryDir folder;
    QByteArray previousPath;
};
