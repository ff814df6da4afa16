#include "reduction/internal/quick_bound.h"

#include <algorithm>
#include <chrono>

#include "core/column.h"
#include "core/distance_ball.h"
#include "reduction/internal/cover_bound.h"
#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

void QuickBound(const CoverInstance& instance, Covering& covering, const std::stop_token& stop) {
    if (instance.Size() == 0) {
        return;
    }
    // A step sums over every ball twice at most: walking them, or in passes
    // over all columns, whichever the index finds cheaper; a pass's cell
    // costs about what a walk's visit does.
    const std::int64_t walks =
        static_cast<std::int64_t>(instance.Size()) * BallSize(instance.radius);
    const std::int64_t passes =
        static_cast<std::int64_t>(std::clamp(instance.radius, 1, kMatches) + 1) * kMatches *
        kAllColumns;
    const std::int64_t steps =
        std::min(tuning::kQuickBoundSteps, tuning::kQuickBoundWork / std::min(walks, passes));
    if (steps < tuning::kQuickBoundLeastSteps) {
        return;  // one step is little more than the sphere bound scaled
    }
    covering.lowerBound = LagrangianBound(
        instance, covering.lowerBound, static_cast<std::int32_t>(covering.ids.size()),
        {.time = std::chrono::hours(1), .moves = steps, .stop = stop});
}

}  // namespace lumo::internal
