#include "reducir/conditions_worker.h"

#include <new>

#include "platform/thread_priority.h"

ConditionsWorker::ConditionsWorker(QObject* parent) : QObject(parent) {}

ConditionsWorker::~ConditionsWorker() {
    Forget();
    Join();
}

void ConditionsWorker::Start(ConditionsOrder order) {
    Join();
    const std::uint64_t number = ++runNumber;
    thread = std::jthread([this, order = std::move(order), number] {
        LowerThreadPriority();
        std::shared_ptr<ConditionsRun> run;
        try {
            run = std::make_shared<ConditionsRun>(RunConditions(order));
        } catch (const std::bad_alloc&) {
            run.reset();
        }
        QMetaObject::invokeMethod(
            this, [this, number, run] { End(number, run); }, Qt::QueuedConnection);
    });
}

void ConditionsWorker::Forget() {
    ++runNumber;
}

void ConditionsWorker::Join() {
    if (thread.joinable()) {
        thread.join();
    }
    thread = std::jthread();
}

void ConditionsWorker::End(std::uint64_t ofRun, const std::shared_ptr<ConditionsRun>& run) {
    Join();
    if (ofRun == runNumber) {
        Q_EMIT Finished(run);
    }
}
