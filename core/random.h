#pragma once

#include <cstdint>

namespace lumo {

// The program's pseudo-random generator: integers uniform in 0..32767.
std::int32_t DrawRandom();

// Seeds the generator; SeedRandomFromTime uses the current time in seconds.
void SeedRandom(std::uint32_t seed);
void SeedRandomFromTime();

}  // namespace lumo
