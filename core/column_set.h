#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "core/column.h"
#include "core/progress.h"

namespace lumo {

// A caller's parameter for a ColumnPredicate: an integer or a pointer.
using PredicateParameter = std::intptr_t;

// Receives a copy of one column and the caller's parameter; true keeps it.
using ColumnPredicate = bool (*)(CColumn column, PredicateParameter parameter);

// Hands a block of column slots back with the alignment it was obtained with.
struct ColumnSlotRelease {
    std::align_val_t alignment{alignof(CColumn)};
    void operator()(CColumn* slots) const noexcept;
};

// A bet in memory: columns 0..Count()-1 in one flat block of slots owned by
// the set, plus the default bounds of the condition step and the running
// total of universe columns covered on its behalf.
//
// Storage that cannot be had throws std::bad_alloc and leaves the set exactly
// as it was. Nothing ever writes past the end of the storage. Fresh slots are
// not initialised: the first write to a slot is the only one. Blocks of 2 MiB
// or more start on a 2 MiB boundary and are offered to the system for huge
// pages (where it declines, they stay in ordinary pages), so that the first
// touch of a set of all columns costs few page faults.
class CColumnSet {
  public:
    // An empty set with room for `slots` columns, the bounds 14, 0, 0, 14 and
    // nothing covered.
    explicit CColumnSet(std::int32_t slots = 0);

    CColumnSet(const CColumnSet&) = delete;
    CColumnSet& operator=(const CColumnSet&) = delete;

    std::int32_t Count() const { return count; }
    std::int32_t Capacity() const { return capacity; }
    const CColumn& operator[](std::int32_t i) const { return columns[static_cast<std::size_t>(i)]; }
    CColumn& operator[](std::int32_t i) { return columns[static_cast<std::size_t>(i)]; }
    const CColumn* begin() const { return columns.get(); }
    const CColumn* end() const { return columns.get() + count; }

    // Appends a copy; when no slot is free the storage grows by exactly one
    // slot (meant for the few columns the covering adds one at a time).
    void Append(const CColumn& column);
    // Appends a copy into a free slot; when none is left the storage grows
    // geometrically, so that columns added one by one cost amortised O(1).
    void AppendNoGrow(const CColumn& column) {
        if (count == capacity) {
            Grow();
        }
        columns[static_cast<std::size_t>(count++)] = column;
    }
    // Makes sure the storage holds at least `slots` slots.
    void Reserve(std::int32_t slots);
    // Lowers the count to `newCount` (clamped to 0..Count()); storage is kept.
    void Truncate(std::int32_t newCount);
    // Makes the set what a new one is (no columns, the bounds 14, 0, 0, 14,
    // nothing covered) and keeps its storage.
    void Clear();

    // Replaces the contents by all kAllColumns columns in index order, each
    // scored with ComputeScore with `scoring`, none marked. Reports
    // i*100/kAllColumns at every i that is a multiple of 10,000, then 0.
    // Grows the storage first when it holds fewer than kAllColumns slots.
    void GenerateAll(const Scoring& scoring);
    // Sorts by score, highest first, in place. Equal scores keep no defined
    // order. Reports nothing.
    void SortByScore();
    // Keeps, in order and in place, the columns for which keep(column) is
    // true; keep is called exactly once per column, in order, and may read
    // the set: while it runs for column i, the set holds exactly the columns
    // kept so far. Reports i*100/n before testing column i, leaving out a
    // report equal to the one just before. Allocates nothing.
    template <typename Keep>
    void Filter(Keep&& keep);
    void Filter(ColumnPredicate predicate, PredicateParameter parameter);
    // Writes each column as 14 tokens "1\t", "X\t" or "2\t" and a "\n"
    // (29 characters a column), then a NUL. The destination must hold
    // 29 * Count() + 1 characters.
    void DumpText(char* destination) const;

    // Default bounds of the condition step and the covering total; Clear
    // gives them their first values.
    std::int32_t maxVariants;
    std::int32_t minVariants;
    std::int32_t minDoses;
    std::int32_t maxDoses;
    std::int32_t covered;

  private:
    using SlotBlock = std::unique_ptr<CColumn[], ColumnSlotRelease>;

    // A block of `slots` uninitialised slots.
    static SlotBlock AllocateSlots(std::int32_t slots);
    void Reallocate(std::int32_t slots);
    // Makes room for one more column: twice the slots, at least 16.
    void Grow();

    SlotBlock columns;
    std::int32_t capacity = 0;
    std::int32_t count = 0;
};

// Makes `bet` hold all kAllColumns columns as a new set filled by
// GenerateAll(scoring) does (its bounds and covering total those of a new set). When the bet's
// storage already has room for them it is reused, so nothing is allocated and
// nothing can fail; otherwise the new set is allocated before the old one is
// let go, and std::bad_alloc leaves `bet` as it was.
void RenewWithAllColumns(std::unique_ptr<CColumnSet>& bet, const Scoring& scoring);

template <typename Keep>
void CColumnSet::Filter(Keep&& keep) {
    const std::int32_t n = count;
    if (n == 0) {
        return;
    }
    CColumn* const storage = columns.get();
    ProgressCounter progress(n);
    std::int32_t kept = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        progress.At(i);
        count = kept;  // the predicate sees exactly the kept prefix
        // Nothing writes slot i while the predicate runs, so a reference to
        // it is as good as a copy (and spares a trip through the stack).
        const bool keepIt = keep(std::as_const(storage[i]));
        // Slot `kept` is free (never beyond slot i), so the column is stored
        // there whether kept or not and only a kept one is counted: the loop
        // has no unpredictable branch.
        if (kept != i) {
            storage[kept] = storage[i];
        }
        kept += keepIt ? 1 : 0;
    }
    count = kept;
}

}  // namespace lumo
