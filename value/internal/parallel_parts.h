#pragma once

#include <cstdint>
#include <functional>

namespace lumo::internal {

// Splits the items 0..count-1 into one contiguous stretch per hardware thread
// (at least one, at most `count`) and runs work(stretch, begin, end) on all
// of them at once, the first stretch on the calling thread; a stretch whose
// thread cannot be created runs afterwards on the calling thread. Returns
// when all are done.
// `work` must be safe to run concurrently on disjoint parts.
void RunInParts(std::int32_t count,
                const std::function<void(std::int32_t, std::int32_t, std::int32_t)>& work);

// The number of parts RunInParts splits `count` items into.
std::int32_t PartsFor(std::int32_t count);

}  // namespace lumo::internal
