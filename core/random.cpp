#include "core/random.h"

#include <ctime>
#include <random>

namespace lumo {

namespace {

std::mt19937& Engine() {
    static std::mt19937 engine;
    return engine;
}

}  // namespace

std::int32_t DrawRandom() {
    std::uniform_int_distribution<std::int32_t> distribution(0, 32767);
    return distribution(Engine());
}

void SeedRandom(std::uint32_t seed) {
    Engine().seed(seed);
}

void SeedRandomFromTime() {
    SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
}

}  // namespace lumo
