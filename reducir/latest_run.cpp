#include "reducir/latest_run.h"

LatestRun::~LatestRun() {
    Forget();
    Join();
}

void LatestRun::Join() {
    if (thread.joinable()) {
        thread.join();
    }
    thread = std::jthread();
}
