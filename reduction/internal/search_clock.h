#pragma once

#include <chrono>
#include <cstdint>

#include "reduction/internal/cover_search.h"

namespace lumo::internal {

// The time keeping of a search within a SearchLimit: every `checkEvery`
// steps, looks at the clock and the stop request, and hands the share of
// the limit's time spent (0..100) to its progress receiver when that share
// has changed.
class SearchClock {
  public:
    SearchClock(const SearchLimit& limit, std::int64_t checkEvery);

    // True when the search must end before `step`: its time is up or a stop
    // was requested (seen at the steps that look at the clock).
    bool Expired(std::int64_t step);

  private:
    const SearchLimit& limit;
    std::int64_t checkEvery;
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point deadline;
    std::int32_t reported = -1;
};

}  // namespace lumo::internal
