#include "core/progress.h"

#include <utility>

namespace {

ProgressSink& Sink() {
    static ProgressSink sink;
    return sink;
}

}  // namespace

void SetProgressSink(ProgressSink sink) { Sink() = std::move(sink); }

void ReportProgress(std::int32_t position) {
    if (Sink()) {
        Sink()(position);
    }
}
