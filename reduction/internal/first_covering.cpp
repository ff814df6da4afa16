#include "reduction/internal/first_covering.h"

#include <algorithm>
#include <array>

#include "reduction/internal/cover_search.h"
#include "reduction/internal/greedy_cover.h"
#include "reduction/internal/hull_code.h"
#include "reduction/internal/parallel_chunks.h"
#include "reduction/internal/product_cover.h"
#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

namespace {

// For a product bet: the short local search, fewer moves the larger the
// balls and none below the bound, from the greedy covering and from the
// product's construction at once, then the smallest of the four, the earlier
// on a tie; the other start's search is kept as the alternative, since the
// smaller start does not always end smaller. kStopped on a stop request.
ReductionOutcome ImproveProductCovering(const CoverInstance& instance, const MatchChoices& choices,
                                        Covering& covering, const std::stop_token& stop) {
    std::vector<std::int32_t> product = ProductCover(choices, instance.radius);
    if (stop.stop_requested()) {
        return ReductionOutcome::kStopped;
    }
    for (std::int32_t& column : product) {
        column = instance.bet.IdOf(column);
    }
    std::sort(product.begin(), product.end());
    const std::int64_t ball = ProductBall(choices, instance.radius);
    const SearchLimit limit{.time = std::chrono::hours(1),
                            .moves = tuning::kProductSearchWork / (4 * ball),
                            .enough = static_cast<std::size_t>(covering.lowerBound),
                            .stop = stop};
    const std::array<const std::vector<std::int32_t>*, 2> starts{&covering.ids, &product};
    std::array<std::vector<std::int32_t>, 2> improved;
    RunInChunks(2, [&](std::int32_t begin, std::int32_t end) {
        for (std::int32_t s = begin; s < end; ++s) {
            const auto i = static_cast<std::size_t>(s);
            improved[i] = ImproveCover(instance, *starts[i], limit, 1);
        }
    });
    if (stop.stop_requested()) {
        return ReductionOutcome::kStopped;
    }
    const bool productWins = std::min(product.size(), improved[1].size()) <
                             std::min(covering.ids.size(), improved[0].size());
    KeepIfSmaller(covering, std::move(product), ReductionMethod::kProduct);
    for (std::vector<std::int32_t>& found : improved) {
        KeepIfSmaller(covering, std::vector<std::int32_t>(found), ReductionMethod::kSearch);
    }
    covering.alternative = std::move(improved[productWins ? 0 : 1]);
    return ReductionOutcome::kComplete;
}

}  // namespace

std::optional<Covering> FirstCovering(const CoverInstance& instance, const PhaseControl& control) {
    const std::optional<MatchChoices> choices = ProductChoices(instance.bet);
    // A product bet is its own hull: its code competes with the greedy
    // covering instead.
    const std::vector<std::int32_t> seeds =
        choices ? std::vector<std::int32_t>{} : HullCodeSeeds(instance);
    GreedyCovering greedy = GreedyCover(instance, seeds, control.stop, StretchOf(control));
    if (!greedy.complete) {
        return std::nullopt;
    }
    Covering covering{
        .ids = std::move(greedy.chosen),
        .method = seeds.empty() ? ReductionMethod::kGreedy : ReductionMethod::kProduct,
        .lowerBound = greedy.lowerBound};
    DropRedundant(instance, covering.ids);
    // Stopped while improving, the covering is still complete.
    if (choices) {
        ImproveProductCovering(instance, *choices, covering, control.stop);
    }
    return covering;
}

}  // namespace lumo::internal
