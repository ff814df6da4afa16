#include "reduction/internal/optimisation.h"

#include <limits>
#include <vector>

#include "reduction/internal/cover_bound.h"
#include "reduction/internal/every_thread_search.h"
#include "reduction/internal/parity_start.h"
#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

namespace {

constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();

// The searches' starts, the smaller first (searched by the one thread when
// there is only one); the parity start on a tie, as searches from it went
// further. `parity` may be empty.
std::vector<std::vector<std::int32_t>> OrderedStarts(const std::vector<std::int32_t>& covering,
                                                     std::vector<std::int32_t> parity) {
    std::vector<std::vector<std::int32_t>> starts{covering};
    if (!parity.empty()) {
        const auto at = parity.size() <= covering.size() ? starts.begin() : starts.end();
        starts.insert(at, std::move(parity));
    }
    return starts;
}

}  // namespace

ReductionOutcome Optimise(const CoverInstance& instance, Covering& covering,
                          std::chrono::steady_clock::duration time, const PhaseControl& control) {
    const auto deadline = std::chrono::steady_clock::now() + time;
    const std::int32_t parityEnd = control.first + tuning::kParityStartShare;
    std::vector<std::int32_t> parity = ParityGolayStart(
        instance, control.stop, Scaled(control.progress, control.first, parityEnd));
    if (control.stop.stop_requested()) {
        covering = Covering{};
        return ReductionOutcome::kStopped;
    }
    const std::int32_t boundStart = parity.empty() ? control.first : parityEnd;
    const std::int32_t boundEnd =
        boundStart + (control.last - boundStart) / tuning::kMostBoundShareDivisor;
    const std::vector<std::vector<std::int32_t>> starts =
        OrderedStarts(covering.ids, std::move(parity));
    covering.lowerBound = LagrangianBound(
        instance, covering.lowerBound, static_cast<std::int32_t>(covering.ids.size()),
        {.time = time / tuning::kMostBoundShareDivisor,
         .moves = kNoLimit,
         .stop = control.stop,
         .progress = Scaled(control.progress, boundStart, boundEnd)},
        {.time = time / tuning::kBoundShareDivisor,
         .leastSteps = tuning::kLeastOptimisingBoundSteps});
    std::vector<std::int32_t> improved =
        SearchOnEveryThread(instance, starts,
                            {.time = deadline - std::chrono::steady_clock::now(),
                             .moves = kNoLimit,
                             .enough = static_cast<std::size_t>(covering.lowerBound),
                             .stop = control.stop,
                             .progress = Scaled(control.progress, boundEnd, control.last)});
    KeepIfSmaller(covering, std::move(improved), ReductionMethod::kSearch);
    return control.stop.stop_requested() ? ReductionOutcome::kStopped : ReductionOutcome::kComplete;
}

}  // namespace lumo::internal
