#include "reduction/internal/parallel_chunks.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace lumo::internal {

void RunInChunks(std::int32_t count, const std::function<void(std::int32_t, std::int32_t)>& work) {
    const auto threads =
        static_cast<std::int32_t>(std::max(1U, std::thread::hardware_concurrency()));
    const std::int32_t chunks = std::max(1, std::min(threads, count));
    const auto boundary = [count, chunks](std::int32_t chunk) {
        return static_cast<std::int32_t>(static_cast<std::int64_t>(count) * chunk / chunks);
    };
    std::vector<std::jthread> helpers;
    helpers.reserve(static_cast<std::size_t>(chunks));
    std::int32_t unstarted = chunks;
    for (std::int32_t chunk = 1; chunk < chunks; ++chunk) {
        try {
            helpers.emplace_back(
                [&work, &boundary, chunk] { work(boundary(chunk), boundary(chunk + 1)); });
        } catch (const std::system_error&) {
            // No thread to be had (a process or memory limit): the calling
            // thread does the rest.
            unstarted = chunk;
            break;
        }
    }
    work(boundary(0), boundary(1));
    for (std::int32_t chunk = unstarted; chunk < chunks; ++chunk) {
        work(boundary(chunk), boundary(chunk + 1));
    }
}

}  // namespace lumo::internal
