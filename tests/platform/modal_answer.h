#pragma once

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <utility>

// Hands the active modal window to `answer` once the event loop turns, after
// `delayMs` (as it does inside the modal window the caller opens next); the
// test fails when that window is no `Modal`.
template <typename Modal>
void AnswerModalWhenShown(std::function<void(Modal&)> answer, int delayMs = 0) {
    QTimer::singleShot(delayMs, [answer = std::move(answer)] {
        auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        QVERIFY(modal != nullptr);
        answer(*modal);
    });
}
