#pragma once

#include <QEvent>
#include <QObject>

// Counts the events of one type that an object receives while the counter
// lives.
class EventCounter : public QObject {
  public:
    EventCounter(QObject& watched, QEvent::Type type);
    ~EventCounter() override;

    int count = 0;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    QObject& watched;
    QEvent::Type type;
};
