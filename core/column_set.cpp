#include "core/column_set.h"

#include <algorithm>
#include <cstring>
#include <new>

CColumnSet::CColumnSet(std::int32_t slots) { Reallocate(std::max<std::int32_t>(slots, 0)); }

void CColumnSet::Reallocate(std::int32_t slots) {
    auto fresh = std::make_unique_for_overwrite<CColumn[]>(static_cast<std::size_t>(slots));
    std::copy(columns.get(), columns.get() + count, fresh.get());
    columns = std::move(fresh);
    capacity = slots;
}

void CColumnSet::Append(const CColumn& column) {
    if (count == capacity) {
        Reallocate(count + 1);
    }
    columns[static_cast<std::size_t>(count++)] = column;
}

void CColumnSet::AppendNoGrow(const CColumn& column) {
    if (count == capacity) {
        if (capacity == INT32_MAX) {
            throw std::bad_alloc();
        }
        const std::int64_t grown = std::max<std::int64_t>(16, static_cast<std::int64_t>(capacity) * 2);
        Reallocate(static_cast<std::int32_t>(std::min<std::int64_t>(grown, INT32_MAX)));
    }
    columns[static_cast<std::size_t>(count++)] = column;
}

void CColumnSet::Reserve(std::int32_t slots) {
    if (slots > capacity) {
        Reallocate(slots);
    }
}

void CColumnSet::Truncate(std::int32_t newCount) { count = std::clamp(newCount, 0, count); }

void CColumnSet::GenerateAll() {
    Reserve(kAllColumns);
    count = 0;
    for (std::int32_t i = 0; i < kAllColumns; ++i) {
        if (i % 10'000 == 0) {
            ReportProgress(static_cast<std::int32_t>(static_cast<std::int64_t>(i) * 100 / kAllColumns));
        }
        CColumn column(i);
        column.score = column.ComputeScore(forecastTable);
        columns[static_cast<std::size_t>(count++)] = column;
    }
    ReportProgress(0);
}

void CColumnSet::SortByScore() {
    std::sort(columns.get(), columns.get() + count,
              [](const CColumn& a, const CColumn& b) { return a.score > b.score; });
}

void CColumnSet::Filter(ColumnPredicate predicate, PredicateParameter parameter) {
    Filter([predicate, parameter](const CColumn& column) { return predicate(column, parameter); });
}

void CColumnSet::DumpText(char* destination) const {
    static constexpr char kSigns[3] = {'1', 'X', '2'};
    char* out = destination;
    for (std::int32_t i = 0; i < count; ++i) {
        for (const auto result : columns[static_cast<std::size_t>(i)].results) {
            *out++ = kSigns[std::min<std::uint8_t>(result, 2)];
            *out++ = '\t';
        }
        *out++ = '\n';
    }
    *out = '\0';
}
