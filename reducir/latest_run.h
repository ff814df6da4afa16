#pragma once

#include <QMetaObject>
#include <QObject>
#include <cstdint>
#include <memory>
#include <new>
#include <thread>
#include <utility>

#include "platform/thread_priority.h"

// Runs one job at a time on a thread of its own, below the interface
// thread's priority, and hands its result to the owner's thread. A job owns
// its inputs and cannot be stopped halfway: Forget drops the end of the
// running one, and the destructor waits for it. A member of its owner, so
// that no end reaches an owner that is gone.
class LatestRun {
  public:
    explicit LatestRun(QObject* owner) : owner(owner) {}
    ~LatestRun();
    LatestRun(const LatestRun&) = delete;
    LatestRun& operator=(const LatestRun&) = delete;

    // Starts work() once the running job has ended. Later, on the owner's
    // thread, calls done(result) with its result, or with null when memory
    // ran out, unless this job was forgotten or another started since.
    template <typename Work, typename Done>
    void Start(Work work, Done done) {
        Join();
        const std::uint64_t number = ++runNumber;
        thread = std::jthread([this, work = std::move(work), done = std::move(done), number] {
            LowerThreadPriority();
            std::shared_ptr<decltype(work())> result;
            try {
                result = std::make_shared<decltype(work())>(work());
            } catch (const std::bad_alloc&) {
                result.reset();
            }
            QMetaObject::invokeMethod(
                owner,
                [this, number, done, result] {
                    Join();
                    if (number == runNumber) {
                        done(result);
                    }
                },
                Qt::QueuedConnection);
        });
    }
    // The running job's end will not be reported.
    void Forget() { ++runNumber; }

  private:
    void Join();

    QObject* owner;
    std::uint64_t runNumber = 0;
    std::jthread thread;
};
