#include "core/internal/parallel_chunks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

TEST(ParallelChunksTest, EveryItemIsWorkedOnExactlyOnce) {
    for (const std::int32_t count : {0, 1, 2, 7, 1000}) {
        std::vector<std::atomic<std::int32_t>> seen(static_cast<std::size_t>(count));
        RunInChunks(count, [&seen](std::int32_t begin, std::int32_t end) {
            for (std::int32_t i = begin; i < end; ++i) {
                ++seen[static_cast<std::size_t>(i)];
            }
        });
        for (const auto& times : seen) {
            EXPECT_EQ(times.load(), 1) << "count " << count;
        }
    }
}

}  // namespace
