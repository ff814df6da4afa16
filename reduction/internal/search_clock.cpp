#include "reduction/internal/search_clock.h"

namespace lumo::internal {

SearchClock::SearchClock(const SearchLimit& limit, std::int64_t checkEvery)
    : limit(limit),
      checkEvery(checkEvery),
      start(std::chrono::steady_clock::now()),
      deadline(start + limit.time) {}

bool SearchClock::Expired(std::int64_t step) {
    if (step % checkEvery != 0) {
        return false;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline || limit.stop.stop_requested()) {
        return true;
    }
    const auto spent = static_cast<std::int32_t>((now - start) * 100 / limit.time);
    if (limit.progress && spent != reported) {
        reported = spent;
        limit.progress(spent);
    }
    return false;
}

}  // namespace lumo::internal
