#include "reduction/internal/hull_code.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "codes/block_codes.h"
#include "reduction/internal/product_cover.h"
#include "reduction/internal/reduction_options.h"

namespace lumo::internal {

namespace {

// A relabelling of one match's results: result r becomes to[r].
using Relabelling = std::array<std::uint8_t, 3>;

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

// The maps of a digit to the results `used` of a match: every permutation
// for a triple; for a double, digit `lone` to one of its results and the
// other two digits to the other; the one result of a fixed match.
std::vector<Relabelling> ParityMaps(std::uint8_t used, std::uint8_t lone) {
    std::vector<std::uint8_t> results;
    for (std::uint8_t r = 0; r < 3; ++r) {
        if ((used >> r & 1) != 0) {
            results.push_back(r);
        }
    }
    if (results.size() == 3) {
        return RelabellingsOf(used);
    }
    if (results.size() == 1) {
        return {{results[0], results[0], results[0]}};
    }
    std::vector<Relabelling> maps;
    for (const auto& [rest, alone] :
         {std::pair{results[0], results[1]}, std::pair{results[1], results[0]}}) {
        Relabelling map{rest, rest, rest};
        map[lone] = alone;
        maps.push_back(map);
    }
    return maps;
}

using Digits = std::array<std::uint8_t, kMatches>;

// The words' images (their column indices) once each match's digits are
// mapped to results by the current map of that match, starting from the
// first map of each.
class WordImages {
  public:
    WordImages(const BetIndex& bet, const std::vector<Digits>& words,
               const std::array<std::vector<Relabelling>, kMatches>& maps)
        : bet(bet), words(words), maps(maps), image(words.size(), 0) {
        std::int32_t place = 1;
        for (std::size_t match = 0; match < kMatches; ++match, place *= 3) {
            current[match] = maps[match].front();
            for (std::size_t word = 0; word < words.size(); ++word) {
                image[word] += place * current[match][words[word][match]];
            }
        }
    }

    // The words in the bet when match `match` (place value `place`) is
    // mapped by `to` instead of its current map.
    std::int64_t CountInBet(std::size_t match, std::int32_t place, const Relabelling& to) const {
        const Relabelling& from = current[match];
        std::int64_t count = 0;
        for (std::size_t word = 0; word < words.size(); ++word) {
            const std::uint8_t digit = words[word][match];
            count += bet.Contains(image[word] + place * (to[digit] - from[digit])) ? 1 : 0;
        }
        return count;
    }

    // Maps match `match` by whichever of its maps brings more words than
    // `best` into the bet, the most (the first of equal ones), raising
    // `best`; true when the map changed.
    bool Improve(std::size_t match, std::int32_t place, std::int64_t& best) {
        const Relabelling from = current[match];
        Relabelling chosen = from;
        for (const Relabelling& to : maps[match]) {
            const std::int64_t count = CountInBet(match, place, to);
            if (count > best) {
                best = count;
                chosen = to;
            }
        }
        if (chosen == from) {
            return false;
        }
        for (std::size_t word = 0; word < words.size(); ++word) {
            const std::uint8_t digit = words[word][match];
            image[word] += place * (chosen[digit] - from[digit]);
        }
        current[match] = chosen;
        return true;
    }

    // The bet columns among the images, increasing.
    std::vector<std::int32_t> InBet() const {
        std::vector<std::int32_t> inBet;
        for (const std::int32_t index : image) {
            if (bet.Contains(index)) {
                inBet.push_back(bet.IdOf(index));
            }
        }
        std::sort(inBet.begin(), inBet.end());
        return inBet;
    }

  private:
    const BetIndex& bet;
    const std::vector<Digits>& words;
    const std::array<std::vector<Relabelling>, kMatches>& maps;
    std::array<Relabelling, kMatches> current{};
    std::vector<std::int32_t> image;
};

// The bet columns among the words (their digits, match by match) once each
// match's digits are mapped to results by one of that match's maps, chosen
// match by match to bring as many words as can be found into the bet: every
// map of a match is tried and the best kept, until a round changes nothing.
// The first map of each match is where it starts. Increasing.
std::vector<std::int32_t> MappedIntoBet(
    const BetIndex& bet, const std::vector<Digits>& words,
    const std::array<std::vector<Relabelling>, kMatches>& maps) {
    WordImages images(bet, words, maps);
    std::int64_t best = images.CountInBet(0, 1, maps[0].front());
    bool changed = true;
    for (std::int32_t round = 0; changed && round < tuning::kMostRelabellingRounds; ++round) {
        changed = false;
        std::int32_t place = 1;
        for (std::size_t match = 0; match < kMatches; ++match, place *= 3) {
            changed = images.Improve(match, place, best) || changed;
        }
    }
    return images.InBet();
}

}  // namespace

std::vector<std::int32_t> HullCodeSeeds(const CoverInstance& instance) {
    const auto& [bet, radius] = instance;
    if (bet.Size() == 0 || radius < tuning::kLeastSeededRadius) {
        return {};
    }
    const MatchChoices& used = bet.UsedResults();
    const auto hullBall = static_cast<double>(ProductBall(used, radius));
    if (static_cast<double>(ProductCoverSize(used, radius)) * hullBall >
        tuning::kMostSeedOverlap * static_cast<double>(ProductSize(used))) {
        return {};
    }
    std::int64_t reached = 0;
    for (const std::int32_t count : bet.CountsNear(radius)) {
        reached += count;
    }
    if (static_cast<double>(reached) < tuning::kLeastSeedFullness * hullBall * bet.Size()) {
        return {};
    }
    const std::vector<std::int32_t> code = ProductCover(used, radius);
    std::vector<Digits> words(code.size());
    for (std::size_t word = 0; word < code.size(); ++word) {
        words[word] = CColumn(code[word]).results;
    }
    std::array<std::vector<Relabelling>, kMatches> maps;
    for (std::size_t match = 0; match < kMatches; ++match) {
        maps[match] = RelabellingsOf(used[match]);
    }
    return MappedIntoBet(bet, words, maps);
}

std::vector<std::int32_t> ParityGolaySeeds(const CoverInstance& instance, std::uint8_t lone) {
    const auto& [bet, radius] = instance;
    const MatchChoices& used = bet.UsedResults();
    const BlockCode extendedGolay = ExtendedGolayBlockCode();
    // Positions 0..golayLength-1 are the Golay word's, the last the parity
    // digit that every other match takes.
    const auto extendedLength = static_cast<std::size_t>(extendedGolay.Length());
    const std::size_t golayLength = extendedLength - 1;
    std::vector<std::size_t> triples;
    bool parityShows = false;
    for (std::size_t match = 0; match < kMatches; ++match) {
        if (used[match] == 0b111 && triples.size() < golayLength) {
            triples.push_back(match);
        } else {
            parityShows = parityShows || std::popcount(used[match]) > 1;
        }
    }
    if (radius != tuning::kParitySeedRadius || triples.size() < golayLength || !parityShows ||
        lone >= kParityDigits) {
        return {};
    }
    const std::vector<std::uint8_t>& extended = extendedGolay.digits;
    std::vector<Digits> words(extended.size() / extendedLength);
    for (std::size_t word = 0; word < words.size(); ++word) {
        const std::uint8_t* const digits = &extended[word * extendedLength];
        words[word].fill(digits[golayLength]);
        for (std::size_t i = 0; i < triples.size(); ++i) {
            words[word][triples[i]] = digits[i];
        }
    }
    std::array<std::vector<Relabelling>, kMatches> maps;
    for (std::size_t match = 0; match < kMatches; ++match) {
        maps[match] = ParityMaps(used[match], lone);
    }
    return MappedIntoBet(bet, words, maps);
}

}  // namespace lumo::internal
