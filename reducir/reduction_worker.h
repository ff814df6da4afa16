#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <thread>

#include "core/column_set.h"
#include "reducir/reduction_run.h"

// Runs one reduction at a time on a thread of its own, below the interface
// thread's priority, and reports its progress and its end by signals on the
// thread the worker lives on. Stop, and the destructor, end a running
// reduction and wait for its thread: the bet it reads may be freed after.
class ReductionWorker : public QObject {
    Q_OBJECT
  public:
    explicit ReductionWorker(QObject* parent = nullptr);
    ~ReductionWorker() override;

    // Starts reducing `bet`, which must live and stay unchanged until
    // Finished or Stop. Does nothing while a reduction runs.
    void Start(const lumo::CColumnSet& bet, const ReductionOrder& order);
    // Asks the running reduction to stop; Finished follows within a second.
    void RequestStop();
    // Stops the running reduction and waits for it; its late reports and
    // its end are dropped.
    void Stop();
    bool Running() const;

  Q_SIGNALS:
    void Progressed(std::int32_t position);
    // The reduction ended: its run, or null when memory ran out.
    void Finished(std::shared_ptr<ReductionRun> run);

  private:
    void End(std::uint64_t ofRun, const std::shared_ptr<ReductionRun>& run);

    // Counts the runs started and stopped, so that the late reports of a
    // stopped run are dropped.
    std::uint64_t runNumber = 0;
    std::jthread thread;
};
