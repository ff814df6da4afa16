#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <thread>

#include "reducir/conditions_run.h"

// Applies one file of conditions at a time (RunConditions) on a thread of
// its own, below the interface thread's priority, and reports its end by a
// signal on the thread the worker lives on. The work owns its inputs and
// cannot be stopped halfway: Forget drops the end of the running one, and
// the destructor waits for it.
class ConditionsWorker : public QObject {
    Q_OBJECT
  public:
    explicit ConditionsWorker(QObject* parent = nullptr);
    ~ConditionsWorker() override;

    // Starts once the one running has ended.
    void Start(ConditionsOrder order);
    // The running work's end will not be reported.
    void Forget();

  Q_SIGNALS:
    // The run, or null when memory ran out.
    void Finished(std::shared_ptr<ConditionsRun> run);

  private:
    void End(std::uint64_t ofRun, const std::shared_ptr<ConditionsRun>& run);
    void Join();

    std::uint64_t runNumber = 0;
    std::jthread thread;
};
