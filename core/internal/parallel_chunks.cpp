#include "core/internal/parallel_chunks.h"

#include <algorithm>
#include <thread>
#include <vector>

void RunInChunks(std::int32_t count, const std::function<void(std::int32_t, std::int32_t)>& work) {
    const auto threads =
        static_cast<std::int32_t>(std::max(1U, std::thread::hardware_concurrency()));
    const std::int32_t chunks = std::max(1, std::min(threads, count));
    const auto boundary = [count, chunks](std::int32_t chunk) {
        return static_cast<std::int32_t>(static_cast<std::int64_t>(count) * chunk / chunks);
    };
    std::vector<std::jthread> helpers;
    for (std::int32_t chunk = 1; chunk < chunks; ++chunk) {
        helpers.emplace_back(
            [&work, &boundary, chunk] { work(boundary(chunk), boundary(chunk + 1)); });
    }
    work(boundary(0), boundary(1));
}
