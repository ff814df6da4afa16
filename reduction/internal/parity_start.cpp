#include "reduction/internal/parity_start.h"

#include "reduction/internal/greedy_cover.h"
#include "reduction/internal/hull_code.h"
#include "reduction/internal/phase_control.h"

namespace lumo::internal {

std::vector<std::int32_t> ParityGolayStart(const CoverInstance& instance,
                                           const std::stop_token& stop,
                                           const ProgressSink& progress) {
    std::vector<std::int32_t> best;
    std::vector<std::int32_t> previous;
    for (std::uint8_t lone = 0; lone < kParityDigits; ++lone) {
        std::vector<std::int32_t> seeds = ParityGolaySeeds(instance, lone);
        if (seeds.empty()) {
            return {};
        }
        // Without doubles every lone digit gives the same seeds.
        if (seeds == previous) {
            continue;
        }
        const std::int32_t first = 100 * lone / kParityDigits;
        std::vector<std::int32_t> cover =
            GreedyCover(instance, seeds, stop, Scaled(progress, first, first + 100 / kParityDigits))
                .chosen;
        if (stop.stop_requested()) {
            return {};
        }
        DropRedundant(instance, cover);
        previous = std::move(seeds);
        if (best.empty() || cover.size() < best.size()) {
            best = std::move(cover);
        }
    }
    return best;
}

}  // namespace lumo::internal
