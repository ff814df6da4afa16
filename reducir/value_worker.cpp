#include "reducir/value_worker.h"

#include <new>

#include "platform/thread_priority.h"

using namespace lumo;

ValueWorker::ValueWorker(QObject* parent) : QObject(parent) {}

ValueWorker::~ValueWorker() {
    Forget();
    Join();
}

void ValueWorker::Start(const Round& round, std::vector<std::int32_t> bet,
                        std::optional<std::vector<std::int32_t>> reduction) {
    Join();
    const std::uint64_t number = ++runNumber;
    thread =
        std::jthread([this, round, bet = std::move(bet), reduction = std::move(reduction), number] {
            LowerThreadPriority();
            std::shared_ptr<ValueReport> report;
            try {
                report = std::make_shared<ValueReport>(ReportValue(round, bet, reduction));
            } catch (const std::bad_alloc&) {
                report.reset();
            }
            QMetaObject::invokeMethod(
                this, [this, number, report] { End(number, report); }, Qt::QueuedConnection);
        });
}

void ValueWorker::Forget() {
    ++runNumber;
}

void ValueWorker::Join() {
    if (thread.joinable()) {
        thread.join();
    }
    thread = std::jthread();
}

void ValueWorker::End(std::uint64_t ofRun, const std::shared_ptr<ValueReport>& report) {
    Join();
    if (ofRun == runNumber) {
        Q_EMIT Finished(report);
    }
}
