#pragma once

#include <cstdint>

namespace lumo {

// How an operation that needed more memory ended: kNoMemory when the memory
// could not be had, and then the operation left its data as they were.
enum class MemoryOutcome : std::uint8_t { kDone, kNoMemory };

}  // namespace lumo
