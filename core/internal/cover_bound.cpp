#include "core/internal/cover_bound.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

#include "core/internal/parallel_chunks.h"

namespace {

// Steps without a better bound before the step length is halved.
constexpr std::int32_t kPatience = 4;
// Below what a bound is rounded up: the rounding of sums of doubles over
// hundreds of thousands of columns stays far below it.
constexpr double kMargin = 1e-4;
// Columns between two looks at the stop request inside a pass.
constexpr std::int32_t kColumnsPerStopCheck = 1024;

// Runs visit(id, sum over the ball of id of values) for every column, the
// columns shared among the threads; false when stopped or out of time on
// the way.
template <typename Visit>
bool ForEachBallSum(const BetIndex& bet, std::int32_t radius, const std::vector<double>& values,
                    const std::stop_token& stop, std::chrono::steady_clock::time_point deadline,
                    Visit&& visit) {
    std::atomic<bool> ended = false;
    RunInChunks(bet.Size(), [&](std::int32_t begin, std::int32_t end) {
        for (std::int32_t id = begin; id < end; ++id) {
            if ((id - begin) % kColumnsPerStopCheck == 0 &&
                (stop.stop_requested() || std::chrono::steady_clock::now() >= deadline)) {
                ended = true;
                return;
            }
            double sum = 0;
            bet.ForEachNear(id, radius, [&](std::int32_t near) {
                sum += values[static_cast<std::size_t>(near)];
            });
            visit(id, sum);
        }
    });
    return !ended;
}

}  // namespace

std::int32_t LagrangianBound(const BetIndex& bet, std::int32_t radius, std::int32_t known,
                             std::int32_t upper, const SearchLimit& limit) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + limit.time;
    const auto n = static_cast<std::size_t>(bet.Size());
    if (n == 0 || limit.moves <= 0 || limit.time <= std::chrono::steady_clock::duration::zero()) {
        return known;
    }
    // The local sphere bound's multipliers: 1 / the most columns that a
    // column reaching it reaches.
    std::vector<double> degree(n);
    const std::vector<std::int32_t> counts = bet.CountsNear(radius);
    std::transform(counts.begin(), counts.end(), degree.begin(),
                   [](std::int32_t count) { return static_cast<double>(count); });
    std::vector<double> multiplier(n, 0);
    const bool started = [&] {
        std::atomic<bool> ended = false;
        RunInChunks(bet.Size(), [&](std::int32_t begin, std::int32_t end) {
            for (std::int32_t id = begin; id < end; ++id) {
                if ((id - begin) % kColumnsPerStopCheck == 0 &&
                    (limit.stop.stop_requested() || std::chrono::steady_clock::now() >= deadline)) {
                    ended = true;
                    return;
                }
                double largest = 1;
                bet.ForEachNear(id, radius, [&](std::int32_t near) {
                    largest = std::max(largest, degree[static_cast<std::size_t>(near)]);
                });
                multiplier[static_cast<std::size_t>(id)] = 1 / largest;
            }
        });
        return !ended;
    }();
    double best = known;
    std::vector<double> reduced(n);
    std::vector<double> subgradient(n);
    std::vector<double> taken(n);
    double step = 1;
    std::int32_t sinceBetter = 0;
    for (std::int64_t move = 0; started && move < limit.moves; ++move) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            break;
        }
        if (limit.progress) {
            limit.progress(static_cast<std::int32_t>((now - start) * 100 / limit.time));
        }
        if (!ForEachBallSum(bet, radius, multiplier, limit.stop, deadline,
                            [&](std::int32_t id, double sum) {
                                reduced[static_cast<std::size_t>(id)] = 1 - sum;
                            })) {
            break;
        }
        double bound = 0;
        for (std::size_t id = 0; id < n; ++id) {
            bound += multiplier[id] + std::min(0.0, reduced[id]);
            taken[id] = reduced[id] < 0 ? 1 : 0;
        }
        if (bound > best + kMargin) {
            best = bound;
            sinceBetter = 0;
        } else if (++sinceBetter >= kPatience) {
            step /= 2;
            sinceBetter = 0;
        }
        if (!ForEachBallSum(bet, radius, taken, limit.stop, deadline,
                            [&](std::int32_t id, double sum) {
                                subgradient[static_cast<std::size_t>(id)] = 1 - sum;
                            })) {
            break;
        }
        double norm = 0;
        for (const double g : subgradient) {
            norm += g * g;
        }
        if (norm == 0) {
            break;  // the multipliers are optimal
        }
        const double length = step * (upper - bound) / norm;
        for (std::size_t id = 0; id < n; ++id) {
            multiplier[id] = std::max(0.0, multiplier[id] + length * subgradient[id]);
        }
    }
    return std::max(known, static_cast<std::int32_t>(std::ceil(best - kMargin)));
}
