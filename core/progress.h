#pragma once

#include <cstdint>
#include <functional>

namespace lumo {

// Receives the progress of long operations as a position 0..100. One
// program-wide sink; the main window routes it to its progress bar. Calls are
// synchronous, on the calling thread.
using ProgressSink = std::function<void(std::int32_t position)>;

// Installs the sink (an empty function discards reports) and returns the one
// it replaces.
ProgressSink SetProgressSink(ProgressSink sink);

// Hands a position to the installed sink.
void ReportProgress(std::int32_t position);

// Reports the position i * 100 / total of an item i of a pass over `total`
// items, leaving out a report equal to the one this counter sent just before
// (no sink can tell the difference, and a pass over millions of items then
// reports at most 101 times). Items are announced in increasing order.
// Reports go to the installed sink, or to `sink` when one is given (an empty
// one discards them).
class ProgressCounter {
  public:
    explicit ProgressCounter(std::int32_t total) : ProgressCounter(total, ReportProgress) {}
    ProgressCounter(std::int32_t total, ProgressSink sink);

    void At(std::int32_t item) {
        if (item >= nextChange) {
            Report(item);
        }
    }

  private:
    void Report(std::int32_t item);

    std::int64_t total;
    ProgressSink sink;
    std::int64_t nextChange = 0;  // first item whose position differs from the last report
};

}  // namespace lumo
