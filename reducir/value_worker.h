#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "reducir/latest_run.h"
#include "value/round.h"
#include "value/value_report.h"

// Computes one ValueReport at a time (LatestRun) and reports its end by a
// signal on the thread the worker lives on.
class ValueWorker : public QObject {
    Q_OBJECT
  public:
    explicit ValueWorker(QObject* parent = nullptr);

    // Starts on copies of the inputs, once the one running has ended.
    void Start(const lumo::Round& round, std::vector<std::int32_t> bet,
               std::optional<std::vector<std::int32_t>> reduction);
    // The running work's end will not be reported.
    void Forget();

  Q_SIGNALS:
    // The report, or null when memory ran out.
    void Finished(std::shared_ptr<lumo::ValueReport> report);

  private:
    LatestRun run{this};
};
