#pragma once

#include <cstddef>

// While one lives, every operator new (plain or aligned) of at least `bytes` bytes in this test
// program throws std::bad_alloc, as it does when memory runs out. Smaller
// allocations go on as usual.
class AllocationFailure {
  public:
    explicit AllocationFailure(std::size_t bytes);
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;
};
