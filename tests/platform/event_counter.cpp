#include "event_counter.h"

EventCounter::EventCounter(QObject& watched, QEvent::Type type) : watched(watched), type(type) {
    watched.installEventFilter(this);
}

EventCounter::~EventCounter() {
    watched.removeEventFilter(this);
}

bool EventCounter::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == type) {
        ++count;
    }
    return QObject::eventFilter(object, event);
}
