#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "forecast/bet_shares.h"

namespace lumo {
class CColumnSet;
}  // namespace lumo
struct DialogBaseUnits;
class QTreeWidget;
class QTreeWidgetItem;

// The column list (list view kColumnList): the bet's first columns, one row each
// with the column's 14 signs ("P"), its score ("V") and its index in the bet
// ("A"). Every row carries a key, the index in the bet of the column it
// shows, which sorting moves with the row.

// The sort state, program-wide: the header clicked last (0 at start), and
// for each row key the position its row had when the last sort began.
// Entries are set by every header click and never removed.
extern int sortColumn;
extern std::map<int, int> rowOfKey;

// Gives the list its three columns "P", "V", "A" (180, 30 and 30 pixels wide
// at the full-size dialog font, narrower with a smaller one whose base units
// are `units`; left-aligned) and clickable headers that never sort by
// themselves.
void SetupColumnList(QTreeWidget& list, const DialogBaseUnits& units);

// Replaces the rows by the first min(count, kMaxListedColumns) columns of `bet` in bet
// order; row i gets the key i. No row is selected afterwards, and the list
// shows its first row at the top.
void FillColumnList(QTreeWidget& list, const lumo::CColumnSet& bet);

// The key of a row.
int RowKey(const QTreeWidgetItem& row);

// The keys of the selected rows, in the list's order (as it is sorted now).
std::vector<int> SelectedRowKeys(const QTreeWidget& list);

// Compares the rows of two keys by their texts in column sortColumn, each
// cut to 49 characters, byte by byte: negative when the row of key1 comes
// first, that is when its text is greater (descending order; numbers as
// texts, so 9 comes before 87 and 87 before 100), 0 for equal texts.
int CompareRows(const QTreeWidget& list, int key1, int key2);

// A click on `header`: sets sortColumn and rowOfKey, then orders the rows by
// CompareRows, keys and selection travelling with their rows.
void SortColumnList(QTreeWidget& list, int header);
