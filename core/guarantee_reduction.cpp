#include "core/guarantee_reduction.h"

#include <algorithm>
#include <limits>

#include "core/internal/bet_index.h"
#include "core/internal/cover_search.h"
#include "core/internal/greedy_cover.h"
#include "core/internal/parallel_chunks.h"
#include "core/internal/product_cover.h"

namespace {

// The work of the short local search that every product bet gets, in bet
// columns visited: it turns the greedy covering of a mixed block of doubles
// and triples into a code close to the best known, in a fraction of a
// second, and always the same. A move visits about four balls.
constexpr std::int64_t kProductSearchWork = 52'000'000;

// The limits of that search: fewer moves the larger the balls, and no
// search below the sphere bound (in a product every ball holds as many bet
// columns, so no covering has fewer than the bet's size over that).
SearchLimit ProductSearchLimit(const BetIndex& bet, std::int32_t radius) {
    std::int64_t ball = 0;
    bet.ForEachNear(0, radius, [&ball](std::int32_t) { ++ball; });
    return {.time = std::chrono::hours(1),
            .moves = kProductSearchWork / (4 * ball),
            .enough = static_cast<std::size_t>((bet.Size() + ball - 1) / ball)};
}

// The best of one local search per hardware thread, each with its own seed.
std::vector<std::int32_t> ImproveOnEveryThread(const BetIndex& bet, std::int32_t radius,
                                               const std::vector<std::int32_t>& cover,
                                               SearchLimit limit) {
    constexpr std::int32_t kMaxSearches = 64;
    std::vector<std::vector<std::int32_t>> results(kMaxSearches);
    RunInChunks(kMaxSearches, [&](std::int32_t begin, std::int32_t) {
        results[static_cast<std::size_t>(begin)] =
            ImproveCover(bet, radius, cover, limit, static_cast<std::uint32_t>(begin + 1));
    });
    std::vector<std::int32_t> best = cover;
    for (const std::vector<std::int32_t>& result : results) {
        if (!result.empty() && result.size() < best.size()) {
            best = result;
        }
    }
    return best;
}

}  // namespace

GuaranteeReduction ReduceWithGuarantee(const CColumnSet& bet, std::int32_t guarantee,
                                       std::chrono::steady_clock::duration optimise) {
    const std::int32_t radius = RadiusOf(guarantee);
    const BetIndex index(bet);
    GuaranteeReduction reduction;
    std::vector<std::int32_t> cover = GreedyCover(index, radius);
    DropRedundant(index, radius, cover);
    SearchLimit optimiseLimit{optimise, std::numeric_limits<std::int64_t>::max()};
    if (const auto choices = ProductChoices(index)) {
        std::vector<std::int32_t> product = ProductCover(*choices, radius);
        if (product.size() < cover.size()) {
            for (std::int32_t& column : product) {
                column = index.IdOf(column);
            }
            std::sort(product.begin(), product.end());
            cover = std::move(product);
            reduction.method = ReductionMethod::kProduct;
        }
        const SearchLimit productLimit = ProductSearchLimit(index, radius);
        optimiseLimit.enough = productLimit.enough;
        std::vector<std::int32_t> improved = ImproveCover(index, radius, cover, productLimit, 1);
        if (improved.size() < cover.size()) {
            cover = std::move(improved);
            reduction.method = ReductionMethod::kSearch;
        }
    }
    if (optimise > std::chrono::steady_clock::duration::zero()) {
        std::vector<std::int32_t> improved =
            ImproveOnEveryThread(index, radius, cover, optimiseLimit);
        if (improved.size() < cover.size()) {
            cover = std::move(improved);
            reduction.method = ReductionMethod::kSearch;
        }
    }
    reduction.positions.reserve(cover.size());
    for (const std::int32_t id : cover) {
        reduction.positions.push_back(index.PositionOf(id));
    }
    return reduction;
}
