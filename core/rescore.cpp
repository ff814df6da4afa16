#include "core/rescore.h"

#include "core/progress.h"

namespace lumo {

namespace {

// The re-score tool reports every this many columns.
constexpr std::int32_t kRescoreReportStep = 10'000;

}  // namespace

void RescoreAll(CColumnSet& bet, const Scoring& scoring, const RescoreStatus& status) {
    const std::int32_t count = bet.Count();
    for (std::int32_t i = 0; i < count; ++i) {
        if (i % kRescoreReportStep == 0) {
            status(i, count);
            ReportProgress(
                static_cast<std::int32_t>(static_cast<std::int64_t>(i) * 100 / kAllColumns));
        }
        CColumn& column = bet[i];
        column.score = column.ComputeScore(scoring);
    }
}

}  // namespace lumo
