#include "core/column_set.h"

#include <algorithm>
#include <new>

#include "core/full_generation.h"
#include "core/score_sort.h"

CColumnSet::CColumnSet(std::int32_t slots) {
    Reallocate(std::max<std::int32_t>(slots, 0));
}

void CColumnSet::Reallocate(std::int32_t slots) {
    // Allocate first: when that throws, nothing has changed.
    auto fresh = std::make_unique_for_overwrite<CColumn[]>(static_cast<std::size_t>(slots));
    std::copy(columns.get(), columns.get() + count, fresh.get());
    columns = std::move(fresh);
    capacity = slots;
}

void CColumnSet::Append(const CColumn& column) {
    if (count == capacity) {
        if (capacity == INT32_MAX) {
            throw std::bad_alloc();
        }
        Reallocate(count + 1);
    }
    columns[static_cast<std::size_t>(count++)] = column;
}

void CColumnSet::AppendNoGrow(const CColumn& column) {
    if (count == capacity) {
        if (capacity == INT32_MAX) {
            throw std::bad_alloc();
        }
        const std::int64_t grown =
            std::max<std::int64_t>(16, static_cast<std::int64_t>(capacity) * 2);
        Reallocate(static_cast<std::int32_t>(std::min<std::int64_t>(grown, INT32_MAX)));
    }
    columns[static_cast<std::size_t>(count++)] = column;
}

void CColumnSet::Reserve(std::int32_t slots) {
    if (slots > capacity) {
        Reallocate(slots);
    }
}

void CColumnSet::Truncate(std::int32_t newCount) {
    count = std::clamp(newCount, 0, count);
}

void CColumnSet::GenerateAll() {
    Reserve(kAllColumns);
    count = 0;
    WriteAllColumns(forecastTable, columns.get());
    count = kAllColumns;
    ReportProgress(0);
}

void CColumnSet::SortByScore() {
    SortColumnsByScore(columns.get(), columns.get() + count);
}

void CColumnSet::Filter(ColumnPredicate predicate, PredicateParameter parameter) {
    Filter([predicate, parameter](const CColumn& column) { return predicate(column, parameter); });
}

void CColumnSet::DumpText(char* destination) const {
    char* out = destination;
    for (std::int32_t i = 0; i < count; ++i) {
        for (const auto result : columns[static_cast<std::size_t>(i)].results) {
            *out++ = SignOf(result);
            *out++ = '\t';
        }
        *out++ = '\n';
    }
    *out = '\0';
}
