#pragma once

#include <chrono>
#include <cstdint>
#include <stop_token>
#include <vector>

#include "core/progress.h"
#include "reduction/internal/cover_instance.h"

namespace lumo::internal {

// When a local search stops: after `time`, after `moves` moves, once it
// holds a covering of at most `enough` columns (a lower bound, when the
// caller knows one), or on a stop request (seen within a few milliseconds),
// whichever comes first. `progress`, when given, receives the share of
// `time` spent, 0..100.
struct SearchLimit {
    std::chrono::steady_clock::duration time;
    std::int64_t moves;
    std::size_t enough = 1;
    std::stop_token stop = {};
    ProgressSink progress = {};
};

// Improves a covering inside a bet (see greedy_cover.h) by local search
// within `limit`: drops the column whose loss uncovers the fewest columns,
// then moves columns of the covering to bet columns near the uncovered ones
// (accepting a move that uncovers more only now and then, to leave local
// minima) until everything is covered again, and repeats. Returns the
// smallest covering it completed, in increasing order: `cover` itself
// (sorted) when it found none smaller, so the result is always a covering
// when `cover` is one. The same seed and the same number of moves give the
// same result. May throw std::bad_alloc.
std::vector<std::int32_t> ImproveCover(const CoverInstance& instance,
                                       std::vector<std::int32_t> cover, SearchLimit limit,
                                       std::uint32_t seed);

}  // namespace lumo::internal
