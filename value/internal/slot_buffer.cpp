#include "value/internal/slot_buffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace lumo::internal {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

RawBuffer::RawBuffer(std::size_t bytes) {
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* const block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    // Only advice: without huge pages the buffer works the same, slower.
    madvise(block, rounded, MADV_HUGEPAGE);
    data.reset(block);
}

void RawBuffer::Free::operator()(void* block) const noexcept {
    std::free(block);
}

}  // namespace lumo::internal
