#include "core/internal/hull_code.h"

#include <algorithm>
#include <array>

#include "core/internal/product_cover.h"

namespace {

// A relabelling of one match's results: result r becomes to[r].
using Relabelling = std::array<std::uint8_t, 3>;

// Seeds pay only where the code covers the hull nearly once: when its balls
// add up to at most this many times the hull (the Golay code on 11 or 12
// triples with any doubles: 1.19; on 13 and 14 triples, 1.40 and 1.62, they
// give larger coverings than the greedy one alone), and for radius 2 and
// above: of radius 1, even perfect codes gave larger coverings of real bets
// as often as smaller.
constexpr double kMostOverlap = 1.25;
constexpr std::int32_t kLeastSeededRadius = 2;
// And only where the bet is thick: its columns' balls hold on average at
// least this share of their columns in the hull. Real bets al 12 from 0.71
// up gave coverings 3 to 52 % smaller; from 0.66 down, up to 6 % larger.
constexpr double kLeastFullness = 0.68;

// Rounds over the matches after which the relabelling stops even if the last
// round still found better ones; on real bets it settles in two or three.
constexpr std::int32_t kMostRounds = 8;

// Every permutation of the results `used` (bit r for result r) that leaves
// the results outside it in place, the identity first.
std::vector<Relabelling> RelabellingsOf(std::uint8_t used) {
    Relabelling to{0, 1, 2};
    std::vector<Relabelling> all;
    do {
        bool keepsUsed = true;
        for (std::uint8_t r = 0; r < 3; ++r) {
            const bool inside = (used >> r & 1) != 0;
            keepsUsed = keepsUsed && (inside ? (used >> to[r] & 1) != 0 : to[r] == r);
        }
        if (keepsUsed) {
            all.push_back(to);
        }
    } while (std::next_permutation(to.begin(), to.end()));
    return all;
}

}  // namespace

std::vector<std::int32_t> HullCodeSeeds(const BetIndex& bet, std::int32_t radius) {
    if (bet.Size() == 0 || radius < kLeastSeededRadius) {
        return {};
    }
    const MatchChoices& used = bet.UsedResults();
    const auto hullBall = static_cast<double>(ProductBall(used, radius));
    if (static_cast<double>(ProductCoverSize(used, radius)) * hullBall >
        kMostOverlap * static_cast<double>(ProductSize(used))) {
        return {};
    }
    std::int64_t reached = 0;
    for (const std::int32_t count : bet.CountsNear(radius)) {
        reached += count;
    }
    if (static_cast<double>(reached) < kLeastFullness * hullBall * bet.Size()) {
        return {};
    }
    // Each word's index as relabelled so far, and its results in the code.
    std::vector<std::int32_t> image = ProductCover(used, radius);
    std::vector<std::array<std::uint8_t, kMatches>> results(image.size());
    for (std::size_t word = 0; word < image.size(); ++word) {
        results[word] = CColumn(image[word]).results;
    }
    // The words in the bet when match `match` (place value `place`) is
    // relabelled by `to` instead of `from`.
    const auto countInBet = [&](std::size_t match, std::int32_t place, const Relabelling& from,
                                const Relabelling& to) {
        std::int64_t count = 0;
        for (std::size_t word = 0; word < image.size(); ++word) {
            const std::uint8_t result = results[word][match];
            count += bet.Contains(image[word] + place * (to[result] - from[result])) ? 1 : 0;
        }
        return count;
    };
    std::array<Relabelling, kMatches> current{};
    current.fill({0, 1, 2});
    std::int64_t best = countInBet(0, 1, current[0], current[0]);
    bool changed = true;
    for (std::int32_t round = 0; changed && round < kMostRounds; ++round) {
        changed = false;
        std::int32_t place = 1;
        for (std::size_t match = 0; match < kMatches; ++match, place *= 3) {
            const Relabelling from = current[match];
            Relabelling chosen = from;
            for (const Relabelling& to : RelabellingsOf(used[match])) {
                const std::int64_t count = countInBet(match, place, from, to);
                if (count > best) {
                    best = count;
                    chosen = to;
                }
            }
            if (chosen != from) {
                for (std::size_t word = 0; word < image.size(); ++word) {
                    const std::uint8_t result = results[word][match];
                    image[word] += place * (chosen[result] - from[result]);
                }
                current[match] = chosen;
                changed = true;
            }
        }
    }
    std::vector<std::int32_t> seeds;
    for (const std::int32_t index : image) {
        if (bet.Contains(index)) {
            seeds.push_back(bet.IdOf(index));
        }
    }
    std::sort(seeds.begin(), seeds.end());
    return seeds;
}
