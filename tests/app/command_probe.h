#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include "platform/message_box.h"

class CLumoDlg;

// Watches the commands of a main dialog for a test: the refreshes of the
// column list (each rebuilds its model), whether the wait cursor was on
// during one or while the progress bar moved or a message showed, the
// positions the bar took, and the message boxes, which it answers with
// `answer` (OK for a box without a question) until it dies.
class CommandProbe : public QObject {
  public:
    explicit CommandProbe(CLumoDlg& dialog);
    ~CommandProbe() override;

    // Forgets everything seen so far.
    void Reset();

    QStringList MessageTexts() const;

    MessageAnswer answer = MessageAnswer::kYes;
    int refreshes = 0;
    bool waitDuringRefresh = false;
    bool waitSeen = false;
    QList<int> positions;
    QList<MessageRequest> messages;
};

// Whether the wait cursor is showing.
bool WaitCursorShown();
