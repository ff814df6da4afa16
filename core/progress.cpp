#include "core/progress.h"

#include <utility>

namespace lumo {

namespace {

ProgressSink& Sink() {
    static ProgressSink sink;
    return sink;
}

}  // namespace

ProgressSink SetProgressSink(ProgressSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

void ReportProgress(std::int32_t position) {
    if (Sink()) {
        Sink()(position);
    }
}

ProgressCounter::ProgressCounter(std::int32_t total, ProgressSink sink)
    : total(total), sink(std::move(sink)) {}

void ProgressCounter::Report(std::int32_t item) {
    const std::int64_t position = item * std::int64_t{100} / total;
    if (sink) {
        sink(static_cast<std::int32_t>(position));
    }
    // The first item of the next position: ceil((position + 1) * total / 100).
    nextChange = ((position + 1) * total + 99) / 100;
}

}  // namespace lumo
