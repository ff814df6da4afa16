// The one-job-at-a-time thread of the value and conditions tabs: only the
// latest job's end reaches its owner, a forgotten one's never, and a job
// that runs out of memory ends with nothing.
#include <QtTest>
#include <memory>
#include <new>
#include <vector>

#include "reducir/latest_run.h"

class LatestRunTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void OnlyTheLatestJobsEndArrives();
};

void LatestRunTest::OnlyTheLatestJobsEndArrives() {
    QObject owner;
    std::vector<int> ends;
    const auto record = [&ends](const std::shared_ptr<int>& result) {
        ends.push_back(result ? *result : -1);
    };
    LatestRun run(&owner);
    // Each Start waits for the job before; the first's end is queued before
    // the second's, so it has been dropped when the second arrives.
    run.Start([] { return 1; }, record);
    run.Start([] { return 2; }, record);
    QTRY_COMPARE(ends, std::vector<int>{2});
    run.Start([] { return 3; }, record);
    run.Forget();
    run.Start([]() -> int { throw std::bad_alloc(); }, record);
    QTRY_COMPARE(ends, (std::vector<int>{2, -1}));
}

QTEST_MAIN(LatestRunTest)
#include "latest_run_test.moc"
