#include "command_probe.h"

#include <QAbstractItemModel>
#include <QCursor>
#include <QGuiApplication>
#include <QProgressBar>
#include <QTreeWidget>

#include "app/control_ids.h"
#include "app/lumo_dlg.h"
#include "seam_answerers.h"
#include "window_test_support.h"

using namespace lumo;

CommandProbe::CommandProbe(CLumoDlg& dialog) {
    auto* list = ControlById<QTreeWidget>(dialog, kColumnList);
    connect(list->model(), &QAbstractItemModel::modelReset, this, [this] {
        ++refreshes;
        waitDuringRefresh = WaitCursorShown();
        waitSeen = waitSeen || waitDuringRefresh;
    });
    connect(ControlById<QProgressBar>(dialog, kProgressBar), &QProgressBar::valueChanged, this,
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

CommandProbe::~CommandProbe() {
    SetMessageAnswerer({});
}

void CommandProbe::Reset() {
    refreshes = 0;
    waitDuringRefresh = false;
    waitSeen = false;
    positions.clear();
    messages.clear();
}

QStringList CommandProbe::MessageTexts() const {
    return TextsOf(messages);
}

bool WaitCursorShown() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}
