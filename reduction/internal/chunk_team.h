#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace lumo::internal {

// Threads kept for many short parallel runs: the calling thread and one
// helper per further hardware thread. Run splits the items 0..count-1 into
// one contiguous chunk per member, as RunInChunks does, but creates no
// thread per run, so that a loop of thousands of runs of a few hundred
// microseconds each still gains from the helpers. When a helper cannot be
// created (a process or memory limit), the team works with those it has, at
// worst the calling thread alone. Run is for one thread at a time; an
// exception thrown by work ends the program. Between runs the helpers wait
// a moment awake, then asleep.
class ChunkTeam {
  public:
    ChunkTeam();
    ~ChunkTeam();
    ChunkTeam(const ChunkTeam&) = delete;
    ChunkTeam& operator=(const ChunkTeam&) = delete;

    // The calling thread and the helpers.
    std::int32_t Members() const { return static_cast<std::int32_t>(helpers.size()) + 1; }

    // Runs work(begin, end) on every chunk at once, the first chunk on the
    // calling thread; returns when all are done. `work` must be safe to run
    // concurrently on disjoint chunks.
    void Run(std::int32_t count,
             const std::function<void(std::int32_t, std::int32_t)>& work) noexcept;

  private:
    void Serve(std::int32_t member);
    std::int32_t Boundary(std::int32_t chunk) const;

    const std::function<void(std::int32_t, std::int32_t)>* job = nullptr;
    std::int32_t jobCount = 0;
    bool closing = false;
    // Raised once per run (and once to close), waking the helpers.
    std::atomic<std::uint32_t> generation = 0;
    // Helpers still working on the current run.
    std::atomic<std::int32_t> working = 0;
    std::vector<std::jthread> helpers;
};

}  // namespace lumo::internal
