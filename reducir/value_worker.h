#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "value/round.h"
#include "value/value_report.h"

// Computes one ValueReport at a time on a thread of its own, below the
// interface thread's priority, and reports its end by a signal on the thread
// the worker lives on. The work cannot be stopped halfway: Forget drops the
// end of the running one, and the destructor waits for it.
class ValueWorker : public QObject {
    Q_OBJECT
  public:
    explicit ValueWorker(QObject* parent = nullptr);
    ~ValueWorker() override;

    // Starts on copies of the inputs, once the one running has ended.
    void Start(const lumo::Round& round, std::vector<std::int32_t> bet,
               std::optional<std::vector<std::int32_t>> reduction);
    // The running work's end will not be reported.
    void Forget();

  Q_SIGNALS:
    // The report, or null when memory ran out.
    void Finished(std::shared_ptr<lumo::ValueReport> report);

  private:
    void End(std::uint64_t ofRun, const std::shared_ptr<lumo::ValueReport>& report);
    void Join();

    std::uint64_t runNumber = 0;
    std::jthread thread;
};
