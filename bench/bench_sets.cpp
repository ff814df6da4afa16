#include "bench/bench_sets.h"

#include <algorithm>

namespace {

CColumnSet& MakeFullSet() {
    static CColumnSet set(kAllColumns);
    set.GenerateAll();
    return set;
}

}  // namespace

const CColumnSet& FullSetInIndexOrder() {
    static const CColumnSet& set = MakeFullSet();
    return set;
}

const CColumnSet& FullSetByScore() {
    static CColumnSet set(kAllColumns);
    static const bool sorted = [] {
        CopyColumns(FullSetInIndexOrder(), kAllColumns, set);
        set.SortByScore();
        return true;
    }();
    static_cast<void>(sorted);
    return set;
}

void CopyColumns(const CColumnSet& source, std::int32_t count, CColumnSet& target) {
    target.Truncate(0);
    target.Reserve(count);
    // Bring the count up cheaply, then overwrite the slots.
    if (count == kAllColumns) {
        target.GenerateAll();
    } else {
        for (std::int32_t i = 0; i < count; ++i) {
            target.AppendNoGrow(source[i]);
        }
        return;
    }
    std::copy(source.begin(), source.begin() + count, &target[0]);
}
