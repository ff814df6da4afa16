#include "reduction/internal/cover_bound.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

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

// The local sphere bound's multipliers: 1 / the most columns that a column
// reaching it reaches.
std::vector<double> SphereMultipliers(const CoverInstance& instance) {
    const auto& [bet, radius] = instance;
    const std::vector<std::int32_t> largest = bet.LargestNear(radius, bet.CountsNear(radius));
    std::vector<double> multiplier(largest.size());
    std::transform(largest.begin(), largest.end(), multiplier.begin(),
                   [](std::int32_t most) { return 1.0 / most; });
    return multiplier;
}

// The bound the multipliers give, from their sums over every ball
// (`covering`); marks in `taken` the columns the relaxation takes, those
// whose ball sums above 1.
double BoundOf(const std::vector<double>& multiplier, const std::vector<double>& covering,
               std::vector<double>& taken) {
    double bound = 0;
    for (std::size_t id = 0; id < multiplier.size(); ++id) {
        const double reduced = 1 - covering[id];
        bound += multiplier[id] + std::min(0.0, reduced);
        taken[id] = reduced < 0 ? 1 : 0;
    }
    return bound;
}

// Turns the counts of taken columns over every ball into the subgradient,
// 1 - count, and returns its squared norm.
double ToSubgradient(std::vector<double>& counts) {
    double norm = 0;
    for (double& g : counts) {
        g = 1 - g;
        norm += g * g;
    }
    return norm;
}

// Moves the multipliers `length` along the subgradient, none below 0.
void Step(std::vector<double>& multiplier, const std::vector<double>& subgradient, double length) {
    for (std::size_t id = 0; id < multiplier.size(); ++id) {
        multiplier[id] = std::max(0.0, multiplier[id] + length * subgradient[id]);
    }
}

// The step length's control: the best bound so far and the step, halved
// after `rule.patience` steps without a better bound.
struct StepControl {
    StepRule rule;
    double best;
    double step = 1;
    std::int32_t sinceBetter = 0;

    void Record(double bound) {
        if (bound > best + kMargin) {
            best = bound;
            sinceBetter = 0;
        } else if (++sinceBetter >= rule.patience) {
            step /= 2;
            sinceBetter = 0;
        }
    }
    // The length of the next step from `bound` along a subgradient of
    // squared norm `norm`, aimed between the best bound and `upper`.
    double Length(double bound, std::int32_t upper, double norm) const {
        return step * (best + rule.aim * (upper - best) - bound) / norm;
    }
};

}  // namespace

std::int32_t LagrangianBound(const CoverInstance& instance, std::int32_t known, std::int32_t upper,
                             const SearchLimit& limit) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + limit.time;
    if (instance.Size() == 0 || limit.moves <= 0 ||
        limit.time <= std::chrono::steady_clock::duration::zero()) {
        return known;
    }
    std::vector<double> multiplier = SphereMultipliers(instance);
    const auto over = [&limit, deadline] {
        return limit.stop.stop_requested() || std::chrono::steady_clock::now() >= deadline;
    };
    std::vector<double> taken(multiplier.size());
    StepControl control{
        .rule = limit.moves >= tuning::kManyBoundSteps ? kManyStepsRule : kFewStepsRule,
        .best = static_cast<double>(known)};
    const auto firstStep = std::chrono::steady_clock::now();
    for (std::int64_t move = 0; move < limit.moves && !over(); ++move) {
        if (limit.progress) {
            const auto now = std::chrono::steady_clock::now();
            limit.progress(static_cast<std::int32_t>((now - start) * 100 / limit.time));
        }
        const std::vector<double> covering = instance.bet.SumsNear(instance.radius, multiplier);
        if (over()) {
            break;
        }
        const double bound = BoundOf(multiplier, covering, taken);
        control.Record(bound);
        std::vector<double> subgradient = instance.bet.SumsNear(instance.radius, taken);
        if (over()) {
            break;
        }
        const double norm = ToSubgradient(subgradient);
        if (norm == 0) {
            break;  // the multipliers are optimal
        }
        if (move == 0 &&
            (std::chrono::steady_clock::now() - firstStep) * tuning::kManyBoundSteps > limit.time) {
            control.rule = kFewStepsRule;  // the first step shows that few fit in the time
        }
        Step(multiplier, subgradient, control.Length(bound, upper, norm));
    }
    return std::max(known, static_cast<std::int32_t>(std::ceil(control.best - kMargin)));
}

}  // namespace lumo::internal
