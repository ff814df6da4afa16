#include "reduction/internal/every_thread_search.h"

#include <chrono>

#include "reduction/internal/parallel_chunks.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/tabu_cover.h"

namespace lumo::internal {

std::vector<std::int32_t> SearchOnEveryThread(const CoverInstance& instance,
                                              const std::vector<std::vector<std::int32_t>>& starts,
                                              const SearchLimit& limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit.time;
    std::vector<std::vector<std::int32_t>> results(tuning::kMostParallelSearches);
    RunInChunks(tuning::kMostParallelSearches, [&](std::int32_t begin, std::int32_t) {
        SearchLimit own = limit;
        own.time = deadline - std::chrono::steady_clock::now();
        if (begin != 0) {
            own.progress = {};
        }
        const auto search = static_cast<std::size_t>(begin);
        results[search] = TabuImproveCover(instance, starts[search % starts.size()], own,
                                           static_cast<std::uint32_t>(begin + 1));
    });
    std::vector<std::int32_t> best = starts.front();
    for (const std::vector<std::int32_t>& result : results) {
        if (!result.empty() && result.size() < best.size()) {
            best = result;
        }
    }
    return best;
}

}  // namespace lumo::internal
