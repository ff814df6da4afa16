#include "core/condition.h"

#include "core/progress.h"

namespace lumo {

void KeepWithinCondition(CColumnSet& bet, const ConditionBounds& bounds) {
    const std::int32_t n = bet.Count();
    ProgressCounter progress(n);
    std::int32_t kept = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        const CColumn& column = bet[i];
        const std::int32_t variants = column.CountVariants();
        const std::int32_t doses = column.CountDoses();
        if (bounds.minVariants <= variants && variants <= bounds.maxVariants &&
            bounds.minDoses <= doses && doses <= bounds.maxDoses) {
            progress.At(i);
            bet[kept++] = column;
        }
    }
    bet.Truncate(kept);
}

}  // namespace lumo
