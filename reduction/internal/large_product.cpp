#include "reduction/internal/large_product.h"

#include <algorithm>
#include <chrono>

#include "reduction/internal/product_cover.h"
#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

std::optional<GuaranteeReduction> LargeProductReduction(const CoverInstance& instance,
                                                        const ReductionRequest& request) {
    const std::optional<MatchChoices> choices = ProductChoices(instance.bet);
    if (!choices) {
        return std::nullopt;
    }
    const std::int64_t ball = ProductBall(*choices, instance.radius);
    const bool optimising = request.optimise > std::chrono::steady_clock::duration::zero();
    if (instance.Size() <= tuning::kLargestGreedyProduct &&
        (optimising || instance.Size() * ball <= tuning::kMostGreedyProductWork)) {
        return std::nullopt;
    }
    GuaranteeReduction reduction;
    reduction.lowerBound = static_cast<std::int32_t>((instance.Size() + ball - 1) / ball);
    reduction.method = ReductionMethod::kProduct;
    for (const std::int32_t column : ProductCover(*choices, instance.radius)) {
        reduction.positions.push_back(instance.bet.PositionOf(instance.bet.IdOf(column)));
    }
    std::sort(reduction.positions.begin(), reduction.positions.end());
    if (request.progress) {
        request.progress(100);
    }
    return reduction;
}

}  // namespace lumo::internal
