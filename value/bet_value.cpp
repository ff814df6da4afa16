#include "value/bet_value.h"

#include <algorithm>
#include <vector>

#include "core/column.h"
#include "value/internal/category_prize.h"
#include "value/internal/miss_transform.h"
#include "value/internal/parallel_parts.h"
#include "value/internal/result_chances.h"
#include "value/internal/slot_buffer.h"

namespace lumo {

namespace {

using Counts = internal::MissSlots<std::uint32_t>;

// Adds what result r brings to `value`, with `ours` the bet's columns at
// each number of misses of r.
void AddResult(const internal::CategoryPrize& prize, const internal::ResultChances& result,
               const Counts& ours, BetValue& value) {
    double collected = 0.0;
    bool cashes = false;
    for (std::size_t e = 0; e < ours.size(); ++e) {
        if (ours[e] == 0) {
            continue;
        }
        const auto m = static_cast<std::int32_t>(ours[e]);
        const double q = result.publicMisses[e];
        value.categoryChances[e] += result.chance;
        collected += prize.Columns(e, m, q);
        cashes = cashes || prize.Pays(e, q);
    }
    if (ours[0] != 0) {
        const double q = result.publicMisses[0];
        collected += prize.ColumnsEspecial(static_cast<std::int32_t>(ours[0]), q);
        cashes = cashes || prize.EspecialPays(q);
    }
    value.expected += result.chance * collected;
    value.cashChance += cashes ? result.chance : 0.0;
}

}  // namespace

BetValue ValueOfBet(const Round& round, std::span<const std::int32_t> columns) {
    // Slot 0 of each column counts it; the spread gives, in slot j of each
    // result, the bet's columns at j misses of it.
    const internal::SlotBuffer<Counts> counts(kAllColumns);
    internal::RunInParts(kAllColumns, [&](std::int32_t, std::int32_t begin, std::int32_t end) {
        std::fill(counts.Data() + begin, counts.Data() + end, Counts{});
    });
    for (const std::int32_t c : columns) {
        ++counts[static_cast<std::size_t>(c)][0];
    }
    internal::TransformAllMatches(counts.Data(), internal::MissDirection::kSpread);

    const internal::ResultChanceTables chances(round);
    const internal::CategoryPrize prize(round);
    std::vector<BetValue> parts(static_cast<std::size_t>(internal::PartsFor(kAllColumns)));
    internal::RunInParts(kAllColumns, [&](std::int32_t part, std::int32_t begin, std::int32_t end) {
        BetValue& value = parts[static_cast<std::size_t>(part)];
        for (std::int32_t r = begin; r < end; ++r) {
            const Counts& ours = counts[static_cast<std::size_t>(r)];
            if (ours != Counts{}) {
                AddResult(prize, chances.At(r), ours, value);
            }
        }
    });
    BetValue total;
    for (const BetValue& part : parts) {
        total.expected += part.expected;
        total.cashChance += part.cashChance;
        for (std::size_t e = 0; e < total.categoryChances.size(); ++e) {
            total.categoryChances[e] += part.categoryChances[e];
        }
    }
    return total;
}

}  // namespace lumo
