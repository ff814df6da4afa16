#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>

#include "core/column_set.h"

// One reduction with a guarantee as Lumo Reducir runs it off the interface
// thread: the engine's reduction, then the independent check of its result.

struct ReductionOrder {
    std::int32_t guarantee = 13;  // kLowestGuarantee..14
    // Time to improve the result by local search; zero for none.
    std::chrono::steady_clock::duration optimise{};
};

enum class ReductionEnd {
    kComplete,  // the reduction ran to its end
    kCutShort,  // stopped while improving: the smallest covering found so far
    kStopped,   // stopped before the first covering was complete: no result
};

struct ReductionRun {
    ReductionEnd end = ReductionEnd::kComplete;
    std::int32_t guarantee = 0;
    // The columns kept, in the bet's order; null when stopped.
    std::unique_ptr<lumo::CColumnSet> kept;
    // The fewest columns the engine can prove any reduction of this bet
    // with this guarantee needs; 0 when it can prove none.
    std::int64_t lowerBound = 0;
    // The independent check (cover_check.h) found every column of the bet
    // within the guarantee of a kept one.
    bool checked = false;
    std::chrono::steady_clock::duration took{};
};

// Receives the position 0..100 of a running reduction, on its own thread.
using ReductionProgress = std::function<void(std::int32_t position)>;

// Reduces `bet`, which must not change meanwhile. A stop requested through
// `stop` ends the run within a second: with kStopped before the first
// covering is complete, else with kCutShort and the smallest covering found
// so far, checked like any result. May throw std::bad_alloc.
ReductionRun RunReduction(const lumo::CColumnSet& bet, const ReductionOrder& order,
                          std::stop_token stop, const ReductionProgress& progress);
