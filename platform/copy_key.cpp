#include "platform/copy_key.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QObject>

namespace {

class CopyKeyFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void DisableCopyKey(QAbstractItemView& view) {
    view.installEventFilter(new CopyKeyFilter(&view));
}
