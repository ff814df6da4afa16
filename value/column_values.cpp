#include "value/column_values.h"

#include "core/column.h"
#include "value/internal/category_prize.h"
#include "value/internal/miss_transform.h"
#include "value/internal/parallel_parts.h"
#include "value/internal/result_chances.h"
#include "value/internal/slot_buffer.h"

namespace lumo {

using internal::MissSlots;

std::vector<double> ColumnValues(const Round& round) {
    const internal::ResultChanceTables chances(round);
    const internal::CategoryPrize prize(round);
    // Slot e of result r: what a column that misses r in e matches collects.
    const internal::SlotBuffer<MissSlots<double>> slots(kAllColumns);
    internal::RunInParts(kAllColumns, [&](std::int32_t, std::int32_t begin, std::int32_t end) {
        for (std::int32_t r = begin; r < end; ++r) {
            const internal::ResultChances result = chances.At(r);
            MissSlots<double>& slot = slots[static_cast<std::size_t>(r)];
            for (std::size_t e = 0; e < slot.size(); ++e) {
                slot[e] = result.chance * prize.OneColumn(e, result.publicMisses[e]);
            }
            slot[0] += result.chance * prize.OneColumnEspecial(result.publicMisses[0]);
        }
    });
    internal::TransformAllMatches(slots.Data(), internal::MissDirection::kCollect);
    std::vector<double> values(kAllColumns);
    internal::RunInParts(kAllColumns, [&](std::int32_t, std::int32_t begin, std::int32_t end) {
        for (auto c = static_cast<std::size_t>(begin); c < static_cast<std::size_t>(end); ++c) {
            values[c] = slots[c][0];
        }
    });
    return values;
}

}  // namespace lumo
