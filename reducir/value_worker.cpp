#include "reducir/value_worker.h"

#include <utility>

using namespace lumo;

ValueWorker::ValueWorker(QObject* parent) : QObject(parent) {}

void ValueWorker::Start(const Round& round, std::vector<std::int32_t> bet,
                        std::optional<std::vector<std::int32_t>> reduction) {
    run.Start([round, bet = std::move(bet),
               reduction = std::move(reduction)] { return ReportValue(round, bet, reduction); },
              [this](const std::shared_ptr<ValueReport>& report) { Q_EMIT Finished(report); });
}

void ValueWorker::Forget() {
    run.Forget();
}
