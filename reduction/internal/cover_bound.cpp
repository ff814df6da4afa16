#include "reduction/internal/cover_bound.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "reduction/internal/reduction_options.h"

namespace {

// How the steps go: with many fitting in the time, halving late and aiming
// near the best bound; with few, halving soon and aiming at the covering.
struct StepRule {
    std::int32_t patience;  // steps without a better bound before halving
    double aim;             // the share of the way from the best bound to `upper`
};
constexpr StepRule kManyStepsRule{.patience = tuning::kManyStepsPatience,
                                  .aim = tuning::kManyStepsAim};
constexpr StepRule kFewStepsRule{.patience = tuning::kFewStepsPatience,
                                 .aim = tuning::kFewStepsAim};
// Below what a bound is rounded up: the rounding of sums of doubles over
// hundreds of thousands of columns stays far below it.
constexpr double kMargin = 1e-4;

}  // namespace

std::int32_t LagrangianBound(const CoverInstance& instance, std::int32_t known, std::int32_t upper,
                             const SearchLimit& limit) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + limit.time;
    const auto& [bet, radius] = instance;
    const auto n = static_cast<std::size_t>(bet.Size());
    if (n == 0 || limit.moves <= 0 || limit.time <= std::chrono::steady_clock::duration::zero()) {
        return known;
    }
    // The local sphere bound's multipliers: 1 / the most columns that a
    // column reaching it reaches.
    const std::vector<std::int32_t> largest = bet.LargestNear(radius, bet.CountsNear(radius));
    std::vector<double> multiplier(n);
    std::transform(largest.begin(), largest.end(), multiplier.begin(),
                   [](std::int32_t most) { return 1.0 / most; });
    const auto over = [&limit, deadline] {
        return limit.stop.stop_requested() || std::chrono::steady_clock::now() >= deadline;
    };
    double best = known;
    std::vector<double> taken(n);
    double step = 1;
    std::int32_t sinceBetter = 0;
    StepRule rule = limit.moves >= tuning::kManyBoundSteps ? kManyStepsRule : kFewStepsRule;
    const auto firstStep = std::chrono::steady_clock::now();
    for (std::int64_t move = 0; move < limit.moves && !over(); ++move) {
        const auto now = std::chrono::steady_clock::now();
        if (limit.progress) {
            limit.progress(static_cast<std::int32_t>((now - start) * 100 / limit.time));
        }
        const std::vector<double> covering = bet.SumsNear(radius, multiplier);
        if (over()) {
            break;
        }
        double bound = 0;
        for (std::size_t id = 0; id < n; ++id) {
            const double reduced = 1 - covering[id];
            bound += multiplier[id] + std::min(0.0, reduced);
            taken[id] = reduced < 0 ? 1 : 0;
        }
        if (bound > best + kMargin) {
            best = bound;
            sinceBetter = 0;
        } else if (++sinceBetter >= rule.patience) {
            step /= 2;
            sinceBetter = 0;
        }
        std::vector<double> subgradient = bet.SumsNear(radius, taken);
        if (over()) {
            break;
        }
        double norm = 0;
        for (double& g : subgradient) {
            g = 1 - g;
            norm += g * g;
        }
        if (norm == 0) {
            break;  // the multipliers are optimal
        }
        if (move == 0 &&
            (std::chrono::steady_clock::now() - firstStep) * tuning::kManyBoundSteps > limit.time) {
            rule = kFewStepsRule;  // the first step shows that few fit in the time
        }
        const double length = step * (best + rule.aim * (upper - best) - bound) / norm;
        for (std::size_t id = 0; id < n; ++id) {
            multiplier[id] = std::max(0.0, multiplier[id] + length * subgradient[id]);
        }
    }
    return std::max(known, static_cast<std::int32_t>(std::ceil(best - kMargin)));
}
