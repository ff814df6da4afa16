#pragma once

#include <cstdint>
#include <vector>

#include "reduction/internal/cover_instance.h"
#include "reduction/internal/cover_search.h"

namespace lumo::internal {

// The best of one swap search (tabu_cover.h) per hardware thread, each with
// its own seed, all ending at the same moment (also those that run one after
// another when no thread is to be had); search i starts from
// starts[i % starts.size()], so one thread searches from the first start
// only. The first reports the progress. `starts`: at least one covering; the
// result is never larger than the first. May throw std::bad_alloc.
std::vector<std::int32_t> SearchOnEveryThread(const CoverInstance& instance,
                                              const std::vector<std::vector<std::int32_t>>& starts,
                                              const SearchLimit& limit);

}  // namespace lumo::internal
