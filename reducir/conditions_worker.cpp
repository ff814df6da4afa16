#include "reducir/conditions_worker.h"

#include <utility>

ConditionsWorker::ConditionsWorker(QObject* parent) : QObject(parent) {}

void ConditionsWorker::Start(ConditionsOrder order) {
    latest.Start([order = std::move(order)] { return RunConditions(order); },
                 [this](const std::shared_ptr<ConditionsRun>& run) { Q_EMIT Finished(run); });
}

void ConditionsWorker::Forget() {
    latest.Forget();
}
