#pragma once

#include <QAbstractItemModel>
#include <QCursor>
#include <QGuiApplication>
#include <QList>
#include <QObject>
#include <QProgressBar>
#include <QTreeWidget>

#include "app/lumo_dlg.h"
#include "app/message_box.h"
#include "window_test_support.h"

// Watches the commands of a main dialog for a test: the refreshes of the
// column list (each rebuilds its model), whether the wait cursor was on
// during one or while the progress bar moved, the positions the bar took,
// and the message boxes, which it answers with `answer` (OK for a box
// without a question).
class CommandProbe : public QObject {
  public:
    explicit CommandProbe(CLumoDlg& dialog) {
        auto* list = ControlOf<QTreeWidget>(dialog, 1046);
        connect(list->model(), &QAbstractItemModel::modelReset, this, [this] {
            ++refreshes;
            waitDuringRefresh = WaitCursorShown();
            waitSeen = waitSeen || waitDuringRefresh;
        });
        connect(ControlOf<QProgressBar>(dialog, 1014), &QProgressBar::valueChanged, this,
                [this](int value) {
                    positions.append(value);
                    waitSeen = waitSeen || WaitCursorShown();
                });
        SetMessageAnswerer([this](const MessageRequest& request) {
            messages.append(request);
            waitSeen = waitSeen || WaitCursorShown();
            return request.buttons == MessageButtons::kYesNo ? answer : MessageAnswer::kOk;
        });
    }
    ~CommandProbe() override { SetMessageAnswerer({}); }

    // Forgets everything seen so far.
    void Reset() {
        refreshes = 0;
        waitDuringRefresh = false;
        waitSeen = false;
        positions.clear();
        messages.clear();
    }

    QStringList MessageTexts() const {
        QStringList texts;
        for (const MessageRequest& request : messages) {
            texts.append(request.text);
        }
        return texts;
    }

    static bool WaitCursorShown() {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
    }

    MessageAnswer answer = MessageAnswer::kYes;
    int refreshes = 0;
    bool waitDuringRefresh = false;
    bool waitSeen = false;
    QList<int> positions;
    QList<MessageRequest> messages;
};
