#include "reduction/internal/chunk_team.h"

#include <algorithm>
#include <system_error>

#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

ChunkTeam::ChunkTeam() {
    const auto threads = std::max(1U, std::thread::hardware_concurrency());
    helpers.reserve(threads - 1);
    for (std::uint32_t member = 1; member < threads; ++member) {
        try {
            helpers.emplace_back([this, member] { Serve(static_cast<std::int32_t>(member)); });
        } catch (const std::system_error&) {
            // No thread to be had: the members there are do the work.
            break;
        }
    }
}

ChunkTeam::~ChunkTeam() {
    closing = true;
    generation.fetch_add(1, std::memory_order_release);
    generation.notify_all();
    helpers.clear();
}

void ChunkTeam::Run(std::int32_t count,
                    const std::function<void(std::int32_t, std::int32_t)>& work) noexcept {
    if (helpers.empty() || count < Members()) {
        work(0, count);
        return;
    }
    job = &work;
    jobCount = count;
    working.store(static_cast<std::int32_t>(helpers.size()), std::memory_order_relaxed);
    generation.fetch_add(1, std::memory_order_release);
    generation.notify_all();
    work(Boundary(0), Boundary(1));
    for (std::int32_t spin = 0;
         spin < tuning::kTeamSpins && working.load(std::memory_order_acquire) != 0; ++spin) {
    }
    for (std::int32_t left = working.load(std::memory_order_acquire); left != 0;
         left = working.load(std::memory_order_acquire)) {
        working.wait(left, std::memory_order_acquire);
    }
}

void ChunkTeam::Serve(std::int32_t member) {
    std::uint32_t seen = 0;
    for (;;) {
        for (std::int32_t spin = 0;
             spin < tuning::kTeamSpins && generation.load(std::memory_order_acquire) == seen;
             ++spin) {
        }
        generation.wait(seen, std::memory_order_acquire);
        seen = generation.load(std::memory_order_acquire);
        if (closing) {
            return;
        }
        (*job)(Boundary(member), Boundary(member + 1));
        if (working.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            working.notify_one();
        }
    }
}

std::int32_t ChunkTeam::Boundary(std::int32_t chunk) const {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(jobCount) * chunk / Members());
}

}  // namespace lumo::internal
