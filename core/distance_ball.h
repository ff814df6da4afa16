#pragma once

#include <array>
#include <cstdint>

#include "core/column.h"

namespace lumo {

// Enumerates the columns within a distance of a column by index arithmetic,
// without looking at any other column: changing match m from code r to r'
// moves the index by (r' - r) * 3^m.

// For each match, the two index steps that change its result to the other
// two codes.
using IndexSteps = std::array<std::array<std::int32_t, 2>, kMatches>;

// kIndexStepsByCode[m][code]: the steps of match m when its code is `code`.
inline constexpr auto kIndexStepsByCode = [] {
    std::array<std::array<std::array<std::int32_t, 2>, 3>, kMatches> table{};
    std::int32_t power = 1;
    for (auto& match : table) {
        for (std::int32_t code = 0; code < 3; ++code) {
            match[static_cast<std::size_t>(code)] = {((code + 1) % 3 - code) * power,
                                                     ((code + 2) % 3 - code) * power};
        }
        power *= 3;
    }
    return table;
}();

inline IndexSteps IndexStepsOf(const CColumn& column) {
    IndexSteps steps;
    for (std::size_t m = 0; m < steps.size(); ++m) {
        steps[m] = kIndexStepsByCode[m][column.results[m]];
    }
    return steps;
}

namespace detail {

// Visits `index` and every index reached from it by changing up to
// `changesLeft` more matches among matches 0..endMatch-1, each set of matches
// once. Matches are chosen from the highest down, so the innermost loop
// changes the lowest matches, whose index steps are small: the indices it
// visits lie close together.
template <typename Visit>
void VisitChanges(const IndexSteps& steps, std::int32_t index, std::int32_t endMatch,
                  std::int32_t changesLeft, Visit& visit) {
    visit(index);
    if (changesLeft == 1) {
        for (std::int32_t m = 0; m < endMatch; ++m) {
            const auto& step = steps[static_cast<std::size_t>(m)];
            visit(index + step[0]);
            visit(index + step[1]);
        }
        return;
    }
    for (std::int32_t m = endMatch - 1; m >= 0; --m) {
        const auto& step = steps[static_cast<std::size_t>(m)];
        VisitChanges(steps, index + step[0], m, changesLeft - 1, visit);
        VisitChanges(steps, index + step[1], m, changesLeft - 1, visit);
    }
}

}  // namespace detail

// The number of columns within `distance` of a column among all 3^14: the
// sum over k = 0..distance of C(14, k) * 2^k (29 for distance 1, 393 for 2,
// 3,305 for 3); 0 for a negative distance.
constexpr std::int64_t BallSize(std::int32_t distance) {
    std::int64_t size = 0;
    std::int64_t term = 1;  // C(14, k) * 2^k
    for (std::int32_t k = 0; k <= distance && k <= kMatches; ++k) {
        size += term;
        term = term * (kMatches - k) * 2 / (k + 1);
    }
    return size;
}
static_assert(BallSize(1) == 29 && BallSize(2) == 393 && BallSize(3) == 3305 &&
              BallSize(kMatches) == kAllColumns);

// Calls visit(index) exactly once for the index of every column that agrees
// with `column` in at least 14 - distance matches, the column itself
// included: sum over k = 0..distance of C(14, k) * 2^k columns (29 for
// distance 1, 275,577 for 6). Nothing for a negative distance; every index,
// in order, for 14 or more.
template <typename Visit>
void ForEachWithin(const CColumn& column, std::int32_t distance, Visit&& visit) {
    if (distance < 0) {
        return;
    }
    if (distance >= kMatches) {
        for (std::int32_t index = 0; index < kAllColumns; ++index) {
            visit(index);
        }
        return;
    }
    if (distance == 0) {
        visit(column.Index());
        return;
    }
    detail::VisitChanges(IndexStepsOf(column), column.Index(), kMatches, distance, visit);
}

}  // namespace lumo
