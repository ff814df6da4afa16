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

// The 3^14 columns as rows of 3^7: the first seven matches move a column
// within its row, the last seven between rows. Passes that visit every line
// of every match go row by row, then column chunk by column chunk, so that
// what they touch stays in the cache.
constexpr std::size_t kRowLength = [] {
    std::size_t length = 1;
    for (std::int32_t match = 0; match < kMatches / 2; ++match) {
        length *= 3;
    }
    return length;
}();
constexpr std::size_t kRows = static_cast<std::size_t>(kAllColumns) / kRowLength;
static_assert(kRowLength == kRows && kRowLength * kRows == static_cast<std::size_t>(kAllColumns));
// Row positions a chunk of the second half holds: 9 of them over 2,187 rows.
constexpr std::size_t kChunkWidth = 9;

// Runs line(x, x1, x2), match by match, for every line of the matches of
// one half of the index: that half's position p (0..span-1) stands for the
// columns first + p * unit + k, k < width.
template <typename Line>
void LinesOfHalf(std::size_t first, std::size_t span, std::size_t unit, std::size_t width,
                 Line& line) {
    for (std::size_t stride = 1; stride < span; stride *= 3) {
        for (std::size_t block = 0; block < span; block += 3 * stride) {
            for (std::size_t offset = block; offset < block + stride; ++offset) {
                const std::size_t x = first + offset * unit;
                for (std::size_t at = x; at < x + width; ++at) {
                    line(at, at + stride * unit, at + 2 * stride * unit);
                }
            }
        }
    }
}

// Runs line(x, x1, x2) for every line of the columns that differ only in
// one match, every match, the rows and then the chunks shared among the
// threads: the lines through any one column come in the order of the
// matches.
template <typename Line>
void ForEachLineByMatch(Line&& line) {
    RunInChunks(static_cast<std::int32_t>(kRows), [&](std::int32_t begin, std::int32_t end) {
        for (auto row = static_cast<std::size_t>(begin); row < static_cast<std::size_t>(end);
             ++row) {
            LinesOfHalf(row * kRowLength, kRowLength, 1, 1, line);
        }
    });
    const auto chunks = static_cast<std::int32_t>(kRowLength / kChunkWidth);
    RunInChunks(chunks, [&](std::int32_t begin, std::int32_t end) {
        for (auto chunk = static_cast<std::size_t>(begin); chunk < static_cast<std::size_t>(end);
             ++chunk) {
            LinesOfHalf(chunk * kChunkWidth, kRows, kRowLength, kChunkWidth, line);
        }
    });
}

// For every bet column (by the indices of the bet's columns), the sum of
// value(otherId) over the bet columns within `radius` of it, found for all
// columns at once: match by match, layer j of x sums the bet columns that
// differ from x in exactly j of the matches seen so far and agree in the
// others. The layers of a column lie side by side; they take
// (min(radius, 14) + 1) times the columns while this runs.
template <typename Sum, typename Value>
std::vector<Sum> LayeredSums(const std::vector<std::int32_t>& indices, std::int32_t radius,
                             Value&& value, std::vector<Sum>& differ) {
    const auto layers = static_cast<std::size_t>(std::clamp(radius, 0, kMatches)) + 1;
    differ.resize(static_cast<std::size_t>(kAllColumns) * layers);
    Sum* const cells = differ.data();
    RunInChunks(static_cast<std::int32_t>(kRows),
                [cells, layers](std::int32_t begin, std::int32_t end) {
                    const std::size_t row = kRowLength * layers;
                    std::fill(cells + static_cast<std::size_t>(begin) * row,
                              cells + static_cast<std::size_t>(end) * row, Sum{0});
                });
    for (std::size_t id = 0; id < indices.size(); ++id) {
        cells[static_cast<std::size_t>(indices[id]) * layers] = value(id);
    }
    ForEachLineByMatch([cells, layers](std::size_t x, std::size_t x1, std::size_t x2) {
        Sum* const a = cells + x * layers;
        Sum* const b = cells + x1 * layers;
        Sum* const c = cells + x2 * layers;
        // Downwards, so that layer j - 1 still holds the sums before this match.
        for (std::size_t j = layers - 1; j >= 1; --j) {
            const Sum fromA = a[j - 1];
            const Sum fromB = b[j - 1];
            const Sum fromC = c[j - 1];
            a[j] += fromB + fromC;
            b[j] += fromA + fromC;
            c[j] += fromA + fromB;
        }
    });
    std::vector<Sum> sums(indices.size(), 0);
    for (std::size_t id = 0; id < indices.size(); ++id) {
        const Sum* const cell = cells + static_cast<std::size_t>(indices[id]) * layers;
        for (std::size_t j = 0; j < layers; ++j) {
            sums[id] += cell[j];
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
    std::vector<std::uint32_t> scratch;
    const std::vector<std::uint32_t> sums = LayeredSums<std::uint32_t>(
        indices, radius, [](std::size_t) { return 1U; }, scratch);
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
    std::vector<std::int64_t> scratch;
    summaries.sums = LayeredSums<std::int64_t>(
        indices, radius, [&values](std::size_t id) { return values[id]; }, scratch);
    summaries.most = LargestNear(radius, marks);
    return summaries;
}

std::vector<double> BetIndex::SumsNear(std::int32_t radius, const std::vector<double>& values,
                                       std::vector<double>& scratch) const {
    if (WalksBalls(radius)) {
        return FoldBalls(*this, radius, 0.0, [&values](double& sum, std::int32_t near) {
            sum += values[static_cast<std::size_t>(near)];
        });
    }
    return LayeredSums<double>(
        indices, radius, [&values](std::size_t id) { return values[id]; }, scratch);
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
        ForEachLineByMatch([&](std::size_t x, std::size_t x1, std::size_t x2) {
            const std::int32_t line = std::max({within[x], within[x1], within[x2]});
            wider[x] = std::max(wider[x], line);
            wider[x1] = std::max(wider[x1], line);
            wider[x2] = std::max(wider[x2], line);
        });
        std::swap(within, wider);
    }
    std::vector<std::int32_t> largest(indices.size());
    for (std::size_t id = 0; id < indices.size(); ++id) {
        largest[id] = within[static_cast<std::size_t>(indices[id])];
    }
    return largest;
}

}  // namespace lumo::internal
