#pragma once

#include <cstdint>
#include <functional>

namespace lumo::internal {

// Splits the items 0..count-1 into one contiguous chunk per hardware thread
// (at most `count` chunks, at least one) and runs work(begin, end) on every
// chunk at the same time, the first chunk on the calling thread. When a
// thread cannot be created (a process or memory limit), the chunks left run
// one after another on the calling thread. Returns when all chunks are done. `work` must be safe to
// run concurrently on disjoint chunks; an exception thrown by a chunk run on another thread ends
// the program.
void RunInChunks(std::int32_t count, const std::function<void(std::int32_t, std::int32_t)>& work);

}  // namespace lumo::internal
