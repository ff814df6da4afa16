#include "reduction/internal/cover_bound.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
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
// reaching it reaches. Counts in `scratch`, which the steps then reuse.
std::vector<double> SphereMultipliers(const CoverInstance& instance, std::vector<double>& scratch) {
    const auto& [bet, radius] = instance;
    const std::vector<double> counts = bet.SumsNear(
        radius, std::vector<double>(static_cast<std::size_t>(bet.Size()), 1.0), scratch);
    const std::vector<std::int32_t> largest =
        bet.LargestNear(radius, std::vector<std::int32_t>(counts.begin(), counts.end()));
    std::vector<double> multiplier(largest.size());
    std::transform(largest.begin(), largest.end(), multiplier.begin(),
                   [](std::int32_t most) { return 1.0 / most; });
    return multiplier;
}

// The factor by which scaling every multiplier gives the best bound, found
// exactly: the bound of a·u is a·sum(u) + the sum over columns of
// min(0, 1 - a·covering), concave in a, and rises while the coverings that
// a·covering puts above 1 add up to less than sum(u). A free step: the
// sums over the balls scale with the multipliers.
double BestScale(const std::vector<double>& multiplier, const std::vector<double>& covering) {
    const double total = std::accumulate(multiplier.begin(), multiplier.end(), 0.0);
    std::vector<double> sums(covering);
    std::sort(sums.begin(), sums.end(), std::greater<>());
    double above = 0;
    for (const double sum : sums) {
        above += sum;
        if (above >= total) {
            return sum > 0 ? 1 / sum : 1;
        }
    }
    return 1;
}

// Scales the multipliers and their sums by the best factor.
void Rescale(std::vector<double>& multiplier, std::vector<double>& covering) {
    const double scale = BestScale(multiplier, covering);
    for (double& u : multiplier) {
        u *= scale;
    }
    for (double& sum : covering) {
        sum *= scale;
    }
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

// For every column, how many taken columns lie within the radius: from the
// taken columns' own balls when they are few (the relaxation takes about as
// many as a covering holds), else by the bet's sums over every ball. Both
// count exactly, so the choice changes nothing but the time.
std::vector<double> TakenNear(const CoverInstance& instance, const std::vector<double>& taken,
                              std::vector<double>& scratch) {
    const auto count = static_cast<std::int64_t>(std::count(taken.begin(), taken.end(), 1.0));
    if (count * tuning::kSparseTakenDivisor > instance.Size()) {
        return instance.bet.SumsNear(instance.radius, taken, scratch);
    }
    std::vector<double> near(taken.size(), 0.0);
    for (std::size_t id = 0; id < taken.size(); ++id) {
        if (taken[id] != 0) {
            instance.bet.ForEachNear(
                static_cast<std::int32_t>(id), instance.radius,
                [&near](std::int32_t other) { near[static_cast<std::size_t>(other)] += 1; });
        }
    }
    return near;
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

// Whether fewer than kManyBoundSteps steps will fit, judged by the first
// step's time: the bound goes on for the effort's time or its least steps,
// whichever takes longer, within the limit's time.
bool FewStepsFit(std::chrono::steady_clock::duration first, const SearchLimit& limit,
                 const BoundEffort& effort) {
    const auto effortTime = std::max(effort.time, first * effort.leastSteps);
    return first * tuning::kManyBoundSteps > std::min(effortTime, limit.time);
}

}  // namespace

std::int32_t LagrangianBound(const CoverInstance& instance, std::int32_t known, std::int32_t upper,
                             const SearchLimit& limit, const BoundEffort& effort) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + limit.time;
    const auto enoughTime = start + std::min(effort.time, limit.time);
    if (instance.Size() == 0 || limit.moves <= 0 ||
        limit.time <= std::chrono::steady_clock::duration::zero()) {
        return known;
    }
    std::vector<double> scratch;  // the sums' room, kept from step to step
    std::vector<double> multiplier = SphereMultipliers(instance, scratch);
    std::int64_t move = 0;
    const auto over = [&] {
        const auto now = std::chrono::steady_clock::now();
        return limit.stop.stop_requested() || now >= deadline ||
               (now >= enoughTime && move >= effort.leastSteps);
    };
    std::vector<double> taken(multiplier.size());
    StepControl control{
        .rule = limit.moves >= tuning::kManyBoundSteps ? kManyStepsRule : kFewStepsRule,
        .best = static_cast<double>(known)};
    const auto firstStep = std::chrono::steady_clock::now();
    for (; move < limit.moves && !over(); ++move) {
        if (limit.progress) {
            const auto now = std::chrono::steady_clock::now();
            limit.progress(static_cast<std::int32_t>((now - start) * 100 / limit.time));
        }
        std::vector<double> covering = instance.bet.SumsNear(instance.radius, multiplier, scratch);
        if (over()) {
            break;
        }
        Rescale(multiplier, covering);
        const double bound = BoundOf(multiplier, covering, taken);
        control.Record(bound);
        std::vector<double> subgradient = TakenNear(instance, taken, scratch);
        if (over()) {
            break;
        }
        const double norm = ToSubgradient(subgradient);
        if (norm == 0) {
            break;  // the multipliers are optimal
        }
        if (move == 0 && FewStepsFit(std::chrono::steady_clock::now() - firstStep, limit, effort)) {
            control.rule = kFewStepsRule;
        }
        Step(multiplier, subgradient, control.Length(bound, upper, norm));
    }
    return std::max(known, static_cast<std::int32_t>(std::ceil(control.best - kMargin)));
}

}  // namespace lumo::internal
