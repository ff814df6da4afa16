#include "reduction/guarantee_reduction.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "core/distance_ball.h"
#include "reduction/internal/cover_bound.h"
#include "reduction/internal/cover_instance.h"
#include "reduction/internal/cover_search.h"
#include "reduction/internal/greedy_cover.h"
#include "reduction/internal/hull_code.h"
#include "reduction/internal/parallel_chunks.h"
#include "reduction/internal/product_cover.h"
#include "reduction/internal/reduction_options.h"
#include "reduction/internal/tabu_cover.h"

namespace {

// The limits of the product bets' short search: fewer moves the larger the
// balls, and no search below the sphere bound.
SearchLimit ProductSearchLimit(std::int64_t ball, std::int32_t bound, const std::stop_token& stop) {
    return {.time = std::chrono::hours(1),
            .moves = tuning::kProductSearchWork / (4 * ball),
            .enough = static_cast<std::size_t>(bound),
            .stop = stop};
}

// Maps a phase's progress 0..100 into first..last of the whole.
ProgressSink Scaled(const ProgressSink& progress, std::int32_t first, std::int32_t last) {
    if (!progress) {
        return {};
    }
    return [progress, first, last](std::int32_t position) {
        progress(first + (last - first) * position / 100);
    };
}

// The best of one swap search per hardware thread, each with its own seed,
// all ending at the same moment (also those that run one after another when
// no thread is to be had); search i starts from starts[i % starts.size()],
// so one thread searches from the first start only. The first reports the
// progress. `starts`: at least one covering.
std::vector<std::int32_t> ImproveOnEveryThread(const CoverInstance& instance,
                                               const std::vector<std::vector<std::int32_t>>& starts,
                                               const SearchLimit& limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit.time;
    std::vector<std::vector<std::int32_t>> results(tuning::kMostParallelSearches);
    RunInChunks(tuning::kMostParallelSearches, [&](std::int32_t begin, std::int32_t) {
        SearchLimit own = limit;
        own.time = deadline - std::chrono::steady_clock::now();
        if (begin != 0) {
            own.progress = {};
        }
        results[static_cast<std::size_t>(begin)] =
            TabuImproveCover(instance, starts[static_cast<std::size_t>(begin) % starts.size()], own,
                             static_cast<std::uint32_t>(begin + 1));
    });
    std::vector<std::int32_t> best = starts.front();
    for (const std::vector<std::int32_t>& result : results) {
        if (!result.empty() && result.size() < best.size()) {
            best = result;
        }
    }
    return best;
}

// The smallest of the greedy coverings seeded with the parity Golay code for
// each value of its lone digit (hull_code.h), redundant columns dropped,
// reporting progress 0..100 over the three (a lone digit whose seeds are
// those of the one before is skipped); empty when the bet has no such seeds
// or on a stop request.
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

}  // namespace

GuaranteeReduction ReduceWithGuarantee(const CColumnSet& bet, const ReductionRequest& request) {
    const std::int32_t radius = RadiusOf(request.guarantee);
    const bool optimising = request.optimise > std::chrono::steady_clock::duration::zero();
    const std::int32_t constructionEnd = optimising ? tuning::kConstructionShare : 100;
    GuaranteeReduction reduction;
    const auto stopped = [&request, &reduction] {
        if (!request.stop.stop_requested()) {
            return false;
        }
        reduction = GuaranteeReduction{};
        reduction.outcome = ReductionOutcome::kStopped;
        return true;
    };
    BetIndex index(bet);
    if (stopped()) {
        return reduction;
    }
    const std::optional<MatchChoices> choices = ProductChoices(index);
    if (choices && index.Size() > tuning::kLargestGreedyProduct) {
        const std::int64_t ball = ProductBall(*choices, radius);
        reduction.lowerBound = static_cast<std::int32_t>((index.Size() + ball - 1) / ball);
        reduction.method = ReductionMethod::kProduct;
        for (const std::int32_t column : ProductCover(*choices, radius)) {
            reduction.positions.push_back(index.PositionOf(index.IdOf(column)));
        }
        std::sort(reduction.positions.begin(), reduction.positions.end());
        if (request.progress) {
            request.progress(100);
        }
        return reduction;
    }
    index.KeepBalls(radius, tuning::kKeptBallsBudget);
    const CoverInstance instance{index, radius};
    // A product bet is its own hull: its code competes with the greedy
    // covering below instead.
    const std::vector<std::int32_t> seeds =
        choices ? std::vector<std::int32_t>{} : HullCodeSeeds(instance);
    GreedyCovering greedy =
        GreedyCover(instance, seeds, request.stop, Scaled(request.progress, 0, constructionEnd));
    std::vector<std::int32_t> cover = std::move(greedy.chosen);
    reduction.lowerBound = greedy.lowerBound;
    if (!seeds.empty()) {
        reduction.method = ReductionMethod::kProduct;
    }
    if (stopped()) {
        return reduction;
    }
    DropRedundant(instance, cover);
    if (choices) {
        const std::int64_t ball = ProductBall(*choices, radius);
        std::vector<std::int32_t> product = ProductCover(*choices, radius);
        if (stopped()) {
            return reduction;
        }
        if (product.size() < cover.size()) {
            for (std::int32_t& column : product) {
                column = index.IdOf(column);
            }
            std::sort(product.begin(), product.end());
            cover = std::move(product);
            reduction.method = ReductionMethod::kProduct;
        }
        std::vector<std::int32_t> improved = ImproveCover(
            instance, cover, ProductSearchLimit(ball, reduction.lowerBound, request.stop), 1);
        if (stopped()) {
            return reduction;
        }
        if (improved.size() < cover.size()) {
            cover = std::move(improved);
            reduction.method = ReductionMethod::kSearch;
        }
    }
    const std::int64_t ball = BallSize(radius);
    std::vector<std::int32_t> shortened =
        TabuImproveCover(instance, cover,
                         {.time = std::chrono::hours(1),
                          .moves = tuning::kShortSearchWork / (ball * ball),
                          .enough = static_cast<std::size_t>(reduction.lowerBound),
                          .stop = request.stop},
                         1);
    if (stopped()) {
        return reduction;
    }
    if (shortened.size() < cover.size()) {
        cover = std::move(shortened);
        reduction.method = ReductionMethod::kSearch;
    }
    if (optimising) {
        constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();
        const auto deadline = std::chrono::steady_clock::now() + request.optimise;
        // The smaller start is searched first (by the one thread, when
        // there is only one); the parity Golay start on a tie, as searches
        // from it went further.
        std::vector<std::vector<std::int32_t>> starts;
        std::vector<std::int32_t> parityStart = ParityGolayStart(
            instance, request.stop,
            Scaled(request.progress, constructionEnd, constructionEnd + tuning::kParityStartShare));
        if (stopped()) {
            return reduction;
        }
        const std::int32_t boundStart =
            parityStart.empty() ? constructionEnd : constructionEnd + tuning::kParityStartShare;
        starts.push_back(cover);
        if (!parityStart.empty()) {
            const auto at = parityStart.size() <= cover.size() ? starts.begin() : starts.end();
            starts.insert(at, std::move(parityStart));
        }
        const auto boundTime = request.optimise / tuning::kBoundShareDivisor;
        const std::int32_t boundEnd = boundStart + (100 - boundStart) / tuning::kBoundShareDivisor;
        reduction.lowerBound =
            LagrangianBound(instance, reduction.lowerBound, static_cast<std::int32_t>(cover.size()),
                            {.time = boundTime,
                             .moves = kNoLimit,
                             .stop = request.stop,
                             .progress = Scaled(request.progress, boundStart, boundEnd)});
        std::vector<std::int32_t> improved =
            ImproveOnEveryThread(instance, starts,
                                 {.time = deadline - std::chrono::steady_clock::now(),
                                  .moves = kNoLimit,
                                  .enough = static_cast<std::size_t>(reduction.lowerBound),
                                  .stop = request.stop,
                                  .progress = Scaled(request.progress, boundEnd, 100)});
        if (improved.size() < cover.size()) {
            cover = std::move(improved);
            reduction.method = ReductionMethod::kSearch;
        }
        if (request.stop.stop_requested()) {
            reduction.outcome = ReductionOutcome::kStopped;
        }
    }
    reduction.positions.reserve(cover.size());
    for (const std::int32_t id : cover) {
        reduction.positions.push_back(index.PositionOf(id));
    }
    return reduction;
}
