#include "reducir/reduction_worker.h"

#include <new>

#include "platform/thread_priority.h"

using namespace lumo;

ReductionWorker::ReductionWorker(QObject* parent) : QObject(parent) {}

ReductionWorker::~ReductionWorker() {
    Stop();
}

void ReductionWorker::Start(const CColumnSet& bet, const ReductionOrder& order) {
    if (Running()) {
        return;
    }
    const std::uint64_t number = ++runNumber;
    // The reports and the end reach this object through its event queue.
    thread = std::jthread([this, &bet, order, number](std::stop_token stop) {
        // Below the interface thread, so that the window answers on a busy machine.
        LowerThreadPriority();
        auto run = std::make_shared<ReductionRun>();
        try {
            *run = RunReduction(bet, order, stop, [this, number](std::int32_t position) {
                QMetaObject::invokeMethod(
                    this,
                    [this, number, position] {
                        if (number == runNumber) {
                            Q_EMIT Progressed(position);
                        }
                    },
                    Qt::QueuedConnection);
            });
        } catch (const std::bad_alloc&) {
            run.reset();
        }
        QMetaObject::invokeMethod(
            this, [this, number, run] { End(number, run); }, Qt::QueuedConnection);
    });
}

void ReductionWorker::RequestStop() {
    thread.request_stop();
}

void ReductionWorker::Stop() {
    ++runNumber;
    if (thread.joinable()) {
        thread.request_stop();
        thread.join();
    }
    thread = std::jthread();
}

bool ReductionWorker::Running() const {
    return thread.joinable();
}

void ReductionWorker::End(std::uint64_t ofRun, const std::shared_ptr<ReductionRun>& run) {
    if (ofRun != runNumber) {
        return;
    }
    if (thread.joinable()) {
        thread.join();
    }
    thread = std::jthread();
    Q_EMIT Finished(run);
}
