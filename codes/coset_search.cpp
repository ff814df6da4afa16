#include "codes/coset_search.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

#include "codes/internal/syndrome_code.h"
#include "codes/internal/syndrome_cover.h"
#include "codes/internal/syndrome_space.h"

namespace lumo {

using namespace internal;

namespace {

// Rounds of the syndrome search, each followed by a change of one column of
// the matrix, before a fresh random matrix.
constexpr std::int32_t kChangesPerMatrix = 200;
// Most columns tried for a change of one column.
constexpr std::int32_t kMostCandidates = 400;

char DigitOf(Trits t, std::int32_t row) {
    return (t.ones >> row & 1U) != 0 ? '1' : (t.twos >> row & 1U) != 0 ? '2' : '0';
}

// The column or its negation, whichever has 1 as its first non-zero digit.
Trits Normalised(Trits t) {
    const std::uint32_t any = t.ones | t.twos;
    return (t.twos & any & (~any + 1)) != 0 ? Negated(t) : t;
}

// H in systematic form: the unit columns, then random non-zero ones, no
// column a multiple of another while the space has room for that.
std::vector<Trits> RandomMatrix(const CosetShape& shape, std::mt19937_64& random) {
    std::int32_t size = 1;
    for (std::int32_t i = 0; i < shape.checks; ++i) {
        size *= 3;
    }
    const bool distinct = (size - 1) / 2 >= shape.length;
    std::vector<Trits> columns;
    std::set<std::pair<std::uint32_t, std::uint32_t>> taken;
    for (std::int32_t row = 0; row < shape.checks; ++row) {
        columns.push_back({1U << row, 0});
        taken.insert({1U << row, 0});
    }
    const std::uint32_t masks = 1U << shape.checks;
    while (static_cast<std::int32_t>(columns.size()) < shape.length) {
        const auto ones = static_cast<std::uint32_t>(random() % masks);
        const auto twos = static_cast<std::uint32_t>(random() % masks) & ~ones;
        const Trits column = Normalised({ones, twos});
        if ((ones | twos) != 0 && (taken.insert({column.ones, column.twos}).second || !distinct)) {
            columns.push_back(column);
        }
    }
    return columns;
}

// `count` distinct syndromes at random (all of them when there are fewer).
std::vector<std::int32_t> RandomSyndromes(const SyndromeSpace& space, std::int32_t count,
                                          std::mt19937_64& random) {
    std::vector<std::int32_t> all(static_cast<std::size_t>(space.Size()));
    std::iota(all.begin(), all.end(), 0);
    std::shuffle(all.begin(), all.end(), random);
    all.resize(std::min(all.size(), static_cast<std::size_t>(count)));
    return all;
}

// Whether the column may stand at `position` of H: non-zero, written with
// 1 first, and no multiple of another column when the shape has room.
bool Allowed(const CosetShape& shape, const std::vector<Trits>& columns, std::size_t position,
             Trits column) {
    if ((column.ones | column.twos) == 0 || Normalised(column).ones != column.ones) {
        return false;
    }
    std::int32_t projective = 1;
    for (std::int32_t i = 0; i < shape.checks; ++i) {
        projective *= 3;
    }
    if ((projective - 1) / 2 < shape.length) {
        return true;
    }
    for (std::size_t other = 0; other < columns.size(); ++other) {
        if (other != position && columns[other].ones == column.ones &&
            columns[other].twos == column.twos) {
            return false;
        }
    }
    return true;
}

// Puts at a random position past the unit columns the column, of a sample,
// that leaves fewest syndromes uncovered by `syndromes`; the space follows.
void ChangeColumn(const CosetShape& shape, SyndromeSpace& space, std::vector<Trits>& columns,
                  const std::vector<std::int32_t>& syndromes, std::mt19937_64& random) {
    if (shape.length == shape.checks) {
        return;
    }
    const auto position = static_cast<std::size_t>(
        shape.checks + static_cast<std::int32_t>(
                           random() % static_cast<std::uint64_t>(shape.length - shape.checks)));
    Trits best = columns[position];
    std::size_t fewest = UncoveredBy(space, syndromes);
    std::int32_t ties = 1;
    for (std::int32_t tried = 0; tried < std::min(kMostCandidates, space.Size()); ++tried) {
        const std::int32_t number =
            space.Size() <= kMostCandidates
                ? tried
                : static_cast<std::int32_t>(random() % static_cast<std::uint64_t>(space.Size()));
        const Trits candidate = space.At(number);
        if (!Allowed(shape, columns, position, candidate)) {
            continue;
        }
        columns[position] = candidate;
        space.UseColumns(columns);
        const std::size_t uncovered = UncoveredBy(space, syndromes);
        if (uncovered < fewest) {
            best = candidate;
            fewest = uncovered;
            ties = 1;
        } else if (uncovered == fewest && random() % static_cast<std::uint64_t>(++ties) == 0) {
            best = candidate;
        }
    }
    columns[position] = best;
    space.UseColumns(columns);
}

CosetCode Written(const CosetShape& shape, const std::vector<Trits>& columns,
                  const SyndromeSpace& space, const std::vector<std::int32_t>& syndromes) {
    CosetCode code;
    for (std::int32_t row = 0; row < shape.checks; ++row) {
        std::string text;
        for (const Trits column : columns) {
            text += DigitOf(column, row);
        }
        code.rows.push_back(text);
    }
    for (const std::int32_t s : syndromes) {
        std::string text;
        for (std::int32_t row = 0; row < shape.checks; ++row) {
            text += DigitOf(space.At(s), row);
        }
        code.syndromes.push_back(text);
    }
    return code;
}

// A string of digits, row 0 first, packed as SyndromeCode packs it.
std::int32_t Packed(const std::string& digits) {
    std::int32_t packed = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        packed = packed * 3 + (*digit - '0');
    }
    return packed;
}

}  // namespace

std::int32_t CoveringRadiusOf(const CosetCode& code) {
    SyndromeCode syndromeCode{
        .checks = static_cast<std::int32_t>(code.rows.size()), .columns = {}, .syndromes = {}};
    for (std::size_t column = 0; !code.rows.empty() && column < code.rows[0].size(); ++column) {
        std::string digits;
        for (const std::string& row : code.rows) {
            digits += row[column];
        }
        syndromeCode.columns.push_back(Packed(digits));
    }
    for (const std::string& syndrome : code.syndromes) {
        syndromeCode.syndromes.push_back(Packed(syndrome));
    }
    return internal::CoveringRadiusOf(syndromeCode);
}

std::optional<CosetCode> SearchCosetCode(const CosetShape& shape, std::uint64_t seed,
                                         std::int64_t stepsPerRound,
                                         std::chrono::steady_clock::time_point deadline) {
    std::mt19937_64 random(seed);
    SyndromeSpace space(shape.checks, shape.radius);
    do {
        std::vector<Trits> columns = RandomMatrix(shape, random);
        space.UseColumns(columns);
        std::vector<std::int32_t> syndromes = RandomSyndromes(space, shape.cosets, random);
        for (std::int32_t change = 0; change < kChangesPerMatrix &&
                                      (change == 0 || std::chrono::steady_clock::now() < deadline);
             ++change) {
            const CoverAttempt attempt = CoverSyndromes(space, syndromes, stepsPerRound, random);
            syndromes = attempt.syndromes;
            if (attempt.uncovered == 0) {
                CosetCode code = Written(shape, columns, space, syndromes);
                const std::int32_t radius = CoveringRadiusOf(code);
                if (radius >= 0 && radius <= shape.radius) {
                    return code;
                }
            }
            ChangeColumn(shape, space, columns, syndromes, random);
        }
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

}  // namespace lumo
