#include "codes/coset_search.h"

#include <random>
#include <set>

#include "codes/internal/syndrome_code.h"
#include "codes/internal/syndrome_cover.h"
#include "codes/internal/syndrome_space.h"

namespace lumo {

using namespace internal;

namespace {

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
                                         std::int64_t stepsPerMatrix,
                                         std::chrono::steady_clock::time_point deadline) {
    std::mt19937_64 random(seed);
    do {
        const std::vector<Trits> columns = RandomMatrix(shape, random);
        const SyndromeSpace space(shape.checks, columns, shape.radius);
        if (const auto found = CoverSyndromes(space, shape.cosets, stepsPerMatrix, random)) {
            CosetCode code = Written(shape, columns, space, *found);
            const std::int32_t radius = CoveringRadiusOf(code);
            if (radius >= 0 && radius <= shape.radius) {
                return code;
            }
        }
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

}  // namespace lumo
