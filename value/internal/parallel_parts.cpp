#include "value/internal/parallel_parts.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace lumo::internal {

std::int32_t PartsFor(std::int32_t count) {
    const auto threads =
        static_cast<std::int32_t>(std::max(1U, std::thread::hardware_concurrency()));
    return std::max(1, std::min(threads, count));
}

void RunInParts(std::int32_t count,
                const std::function<void(std::int32_t, std::int32_t, std::int32_t)>& work) {
    const std::int32_t parts = PartsFor(count);
    const auto boundary = [count, parts](std::int32_t part) {
        return static_cast<std::int32_t>(static_cast<std::int64_t>(count) * part / parts);
    };
    const auto run = [&work, &boundary](std::int32_t part) {
        work(part, boundary(part), boundary(part + 1));
    };
    std::vector<std::jthread> helpers;
    std::int32_t unstarted = parts;
    for (std::int32_t part = 1; part < parts; ++part) {
        try {
            helpers.emplace_back(run, part);
        } catch (const std::system_error&) {
            unstarted = part;  // no thread to be had: the calling thread does the rest
            break;
        }
    }
    run(0);
    for (std::int32_t part = unstarted; part < parts; ++part) {
        run(part);
    }
}

}  // namespace lumo::internal
