#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

#include "core/progress.h"
#include "reduction/internal/cover_instance.h"

namespace lumo::internal {

// The smallest of the greedy coverings seeded with the parity Golay code for
// each value of its lone digit (hull_code.h), redundant columns dropped,
// reporting progress 0..100 over the three (a lone digit whose seeds are
// those of the one before is skipped); empty when the bet has no such seeds
// or on a stop request. May throw std::bad_alloc.
std::vector<std::int32_t> ParityGolayStart(const CoverInstance& instance,
                                           const std::stop_token& stop,
                                           const ProgressSink& progress);

}  // namespace lumo::internal
