#include "reduction/internal/bet_index.h"

#include <algorithm>
#include <limits>
#include <new>
#include <utility>

#include "reduction/internal/parallel_chunks.h"

namespace lumo::internal {

BetIndex::BetIndex(const CColumnSet& bet)
    : members((kAllColumns + 63) / 64, 0), ids(static_cast<std::size_t>(kAllColumns)) {
    for (std::int32_t position = 0; position < bet.Count(); ++position) {
        const CColumn& column = bet[position];
        for (std::size_t m = 0; m < used.size(); ++m) {
            used[m] = static_cast<std::uint8_t>(used[m] | (1U << column.results[m]));
        }
        const std::int32_t index = column.Index();
        if (Contains(index)) {
            continue;
        }
        const auto bit = static_cast<std::uint32_t>(index);
        members[bit / 64] |= std::uint64_t{1} << (bit % 64);
        ids[bit] = Size();
        indices.push_back(index);
        positions.push_back(position);
        scores.push_back(bet[position].score);
    }
}

namespace {

// Runs line(x, x + stride, x + 2 * stride) for every line of the columns
// that differ only in the match of index step `stride`, the lines shared
// among the threads.
template <typename Line>
void ForEachLine(std::size_t stride, Line&& line) {
    const auto lines = static_cast<std::int32_t>(kAllColumns / 3);
    RunInChunks(lines, [&](std::int32_t begin, std::int32_t end) {
        std::size_t block = static_cast<std::size_t>(begin) / stride;
        std::size_t offset = static_cast<std::size_t>(begin) % stride;
        for (std::int32_t count = begin; count < end; ++count) {
            const std::size_t x = block * 3 * stride + offset;
            line(x, x + stride, x + 2 * stride);
            if (++offset == stride) {
                offset = 0;
                ++block;
            }
        }
    });
}

// For every bet column (by the indices of the bet's columns), the sum of
// value(otherId) over the bet columns within `radius` of it, found for all
// columns at once: match by match, differ[j][x] sums the bet columns that
// differ from x in exactly j of the matches seen so far and agree in the
// others. Takes (min(radius, 14) + 1) arrays of all columns while it runs.
template <typename Sum, typename Value>
std::vector<Sum> LayeredSums(const std::vector<std::int32_t>& indices, std::int32_t radius,
                             Value&& value) {
    const auto layers = static_cast<std::size_t>(std::clamp(radius, 0, kMatches)) + 1;
    const auto all = static_cast<std::size_t>(kAllColumns);
    std::vector<std::vector<Sum>> differ(layers, std::vector<Sum>(all, 0));
    for (std::size_t id = 0; id < indices.size(); ++id) {
        differ[0][static_cast<std::size_t>(indices[id])] = value(id);
    }
    std::size_t stride = 1;
    for (std::int32_t match = 0; match < kMatches; ++match, stride *= 3) {
        // Downwards, so that layer j - 1 still holds the sums before this match.
        for (std::size_t j = layers - 1; j >= 1; --j) {
            Sum* const to = differ[j].data();
            const Sum* const from = differ[j - 1].data();
            ForEachLine(stride, [to, from](std::size_t x, std::size_t x1, std::size_t x2) {
                to[x] += from[x1] + from[x2];
                to[x1] += from[x] + from[x2];
                to[x2] += from[x] + from[x1];
            });
        }
    }
    std::vector<Sum> sums(indices.size(), 0);
    for (std::size_t id = 0; id < indices.size(); ++id) {
        for (const std::vector<Sum>& layer : differ) {
            sums[id] += layer[static_cast<std::size_t>(indices[id])];
        }
    }
    return sums;
}

// For every bet column, fold(result, otherId) applied from `start` over the
// bet columns within `radius` of it, walking every ball, the balls shared
// among the threads.
template <typename Result, typename Fold>
std::vector<Result> FoldBalls(const BetIndex& bet, std::int32_t radius, Result start, Fold&& fold) {
    std::vector<Result> results(static_cast<std::size_t>(bet.Size()), start);
    RunInChunks(bet.Size(), [&](std::int32_t begin, std::int32_t end) {
        for (std::int32_t id = begin; id < end; ++id) {
            Result result = start;
            bet.ForEachNear(id, radius, [&](std::int32_t near) { fold(result, near); });
            results[static_cast<std::size_t>(id)] = result;
        }
    });
    return results;
}

}  // namespace

void BetIndex::KeepBalls(std::int32_t radius, std::int64_t budget) {
    keptRadius = -1;
    ballStarts = {};
    balls = {};
    const std::vector<std::int32_t> counts = CountsNear(radius);
    std::int64_t total = 0;
    for (const std::int32_t count : counts) {
        total += count;
    }
    if (total * static_cast<std::int64_t>(sizeof(std::int32_t)) > budget) {
        return;
    }
    try {
        ballStarts.resize(counts.size() + 1);
        balls.resize(static_cast<std::size_t>(total));
    } catch (const std::bad_alloc&) {
        ballStarts = {};
        balls = {};
        return;
    }
    ballStarts[0] = 0;
    for (std::size_t id = 0; id < counts.size(); ++id) {
        ballStarts[id + 1] = ballStarts[id] + counts[id];
    }
    RunInChunks(Size(), [&](std::int32_t begin, std::int32_t end) {
        for (std::int32_t id = begin; id < end; ++id) {
            auto at = static_cast<std::size_t>(ballStarts[static_cast<std::size_t>(id)]);
            ForEachNear(id, radius, [&](std::int32_t near) { balls[at++] = near; });
        }
    });
    keptRadius = radius;
}

bool BetIndex::WalksBalls(std::int32_t radius) const {
    if (radius == keptRadius) {
        return true;
    }
    const std::int64_t passes =
        static_cast<std::int64_t>(std::clamp(radius, 1, kMatches)) * kMatches * kAllColumns;
    return static_cast<std::int64_t>(indices.size()) * BallSize(radius) < passes;
}

std::vector<std::int32_t> BetIndex::CountsNear(std::int32_t radius) const {
    if (radius == keptRadius) {
        std::vector<std::int32_t> counts(indices.size());
        for (std::size_t id = 0; id < counts.size(); ++id) {
            counts[id] = static_cast<std::int32_t>(ballStarts[id + 1] - ballStarts[id]);
        }
        return counts;
    }
    if (WalksBalls(radius)) {
        return FoldBalls(*this, radius, std::int32_t{0},
                         [](std::int32_t& count, std::int32_t) { ++count; });
    }
    const std::vector<std::uint32_t> sums =
        LayeredSums<std::uint32_t>(indices, radius, [](std::size_t) { return 1U; });
    return {sums.begin(), sums.end()};
}

BallSummaries BetIndex::SummariseBalls(std::int32_t radius, const std::vector<std::int64_t>& values,
                                       const std::vector<std::int32_t>& marks) const {
    BallSummaries summaries;
    if (WalksBalls(radius)) {
        // One walk for both.
        using Both = std::pair<std::int64_t, std::int32_t>;
        const std::vector<Both> both = FoldBalls(
            *this, radius, Both{0, std::numeric_limits<std::int32_t>::min()},
            [&](Both& result, std::int32_t near) {
                result.first += values[static_cast<std::size_t>(near)];
                result.second = std::max(result.second, marks[static_cast<std::size_t>(near)]);
            });
        summaries.sums.reserve(both.size());
        summaries.most.reserve(both.size());
        for (const auto& [sum, most] : both) {
            summaries.sums.push_back(sum);
            summaries.most.push_back(most);
        }
        return summaries;
    }
    summaries.sums = LayeredSums<std::int64_t>(indices, radius,
                                               [&values](std::size_t id) { return values[id]; });
    summaries.most = LargestNear(radius, marks);
    return summaries;
}

std::vector<double> BetIndex::SumsNear(std::int32_t radius,
                                       const std::vector<double>& values) const {
    if (WalksBalls(radius)) {
        return FoldBalls(*this, radius, 0.0, [&values](double& sum, std::int32_t near) {
            sum += values[static_cast<std::size_t>(near)];
        });
    }
    return LayeredSums<double>(indices, radius, [&values](std::size_t id) { return values[id]; });
}

std::vector<std::int32_t> BetIndex::LargestNear(std::int32_t radius,
                                                const std::vector<std::int32_t>& marks) const {
    if (WalksBalls(radius)) {
        return FoldBalls(*this, radius, std::numeric_limits<std::int32_t>::min(),
                         [&marks](std::int32_t& most, std::int32_t near) {
                             most = std::max(most, marks[static_cast<std::size_t>(near)]);
                         });
    }
    // The largest within r + 1 is the largest within 1 of the largest within
    // r; within 1, the largest of the lines through a column, match by match.
    const auto all = static_cast<std::size_t>(kAllColumns);
    std::vector<std::int32_t> within(all, std::numeric_limits<std::int32_t>::min());
    for (std::size_t id = 0; id < indices.size(); ++id) {
        within[static_cast<std::size_t>(indices[id])] = marks[id];
    }
    std::vector<std::int32_t> wider(all);
    for (std::int32_t step = 0; step < std::clamp(radius, 0, kMatches); ++step) {
        wider = within;
        std::size_t stride = 1;
        for (std::int32_t match = 0; match < kMatches; ++match, stride *= 3) {
            ForEachLine(stride, [&](std::size_t x, std::size_t x1, std::size_t x2) {
                const std::int32_t line = std::max({within[x], within[x1], within[x2]});
                wider[x] = std::max(wider[x], line);
                wider[x1] = std::max(wider[x1], line);
                wider[x2] = std::max(wider[x2], line);
            });
        }
        std::swap(within, wider);
    }
    std::vector<std::int32_t> largest(indices.size());
    for (std::size_t id = 0; id < indices.size(); ++id) {
        largest[id] = within[static_cast<std::size_t>(indices[id])];
    }
    return largest;
}

}  // namespace lumo::internal
