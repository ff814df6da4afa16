#include "core/column_set.h"

#include <sys/mman.h>

#include <algorithm>
#include <new>
#include <type_traits>

#include "core/internal/full_generation.h"
#include "core/internal/score_sort.h"

namespace lumo {

using namespace internal;

namespace {

// Blocks of at least this size are aligned to it and advised for huge pages.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// Slots are raw memory until written: a CColumn must be a record that plain
// stores bring to life and that needs no destruction, of the size that lets
// all columns fit in one block.
static_assert(std::is_trivially_copyable_v<CColumn> && std::is_trivially_destructible_v<CColumn>,
              "column slots are written without construction");
static_assert(sizeof(CColumn) == 20 && kHugePageBytes % alignof(CColumn) == 0,
              "a set of all columns is one block of 20-byte records");

}  // namespace

void ColumnSlotRelease::operator()(CColumn* slots) const noexcept {
    ::operator delete(slots, alignment);
}

CColumnSet::SlotBlock CColumnSet::AllocateSlots(std::int32_t slots) {
    std::size_t bytes = static_cast<std::size_t>(slots) * sizeof(CColumn);
    std::align_val_t alignment{alignof(CColumn)};
    const bool huge = bytes >= kHugePageBytes;
    if (huge) {
        // Whole huge pages, so that the advice covers only this block.
        bytes = (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
        alignment = std::align_val_t{kHugePageBytes};
    }
    // Operator new's storage holds implicitly created CColumn objects, which
    // the first store into each slot gives their values.
    SlotBlock block(static_cast<CColumn*>(::operator new(bytes, alignment)),
                    ColumnSlotRelease{alignment});
    if (huge) {
        // Advice only: refused (no huge pages on this system), it changes
        // nothing and the block works in ordinary pages.
        static_cast<void>(::madvise(block.get(), bytes, MADV_HUGEPAGE));
    }
    return block;
}

CColumnSet::CColumnSet(std::int32_t slots) {
    Reallocate(std::max<std::int32_t>(slots, 0));
    Clear();
}

void CColumnSet::Reallocate(std::int32_t slots) {
    // Allocate first: when that throws, nothing has changed.
    SlotBlock fresh = AllocateSlots(slots);
    std::copy(columns.get(), columns.get() + count, fresh.get());
    columns = std::move(fresh);
    capacity = slots;
}

void CColumnSet::Grow() {
    if (capacity == INT32_MAX) {
        throw std::bad_alloc();
    }
    const std::int64_t grown = std::max<std::int64_t>(16, static_cast<std::int64_t>(capacity) * 2);
    Reallocate(static_cast<std::int32_t>(std::min<std::int64_t>(grown, INT32_MAX)));
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

void CColumnSet::Reserve(std::int32_t slots) {
    if (slots > capacity) {
        Reallocate(slots);
    }
}

void CColumnSet::Truncate(std::int32_t newCount) {
    count = std::clamp(newCount, 0, count);
}

void CColumnSet::Clear() {
    count = 0;
    maxVariants = 14;
    minVariants = 0;
    minDoses = 0;
    maxDoses = 14;
    covered = 0;
}

void CColumnSet::GenerateAll(const Scoring& scoring) {
    Reserve(kAllColumns);
    count = 0;
    WriteAllColumns(scoring, columns.get());
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

void RenewWithAllColumns(std::unique_ptr<CColumnSet>& bet, const Scoring& scoring) {
    if (bet->Capacity() >= kAllColumns) {
        bet->Clear();
        bet->GenerateAll(scoring);
        return;
    }
    auto fresh = std::make_unique<CColumnSet>(kAllColumns);
    fresh->GenerateAll(scoring);
    bet = std::move(fresh);
}

}  // namespace lumo
