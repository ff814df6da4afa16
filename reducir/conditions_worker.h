#pragma once

#include <QObject>
#include <memory>

#include "reducir/conditions_run.h"
#include "reducir/latest_run.h"

// Applies one file of conditions at a time (RunConditions, in a LatestRun)
// and reports its end by a signal on the thread the worker lives on.
class ConditionsWorker : public QObject {
    Q_OBJECT
  public:
    explicit ConditionsWorker(QObject* parent = nullptr);

    // Starts once the one running has ended.
    void Start(ConditionsOrder order);
    // The running work's end will not be reported.
    void Forget();

  Q_SIGNALS:
    // The run, or null when memory ran out.
    void Finished(std::shared_ptr<ConditionsRun> run);

  private:
    LatestRun latest{this};
};
