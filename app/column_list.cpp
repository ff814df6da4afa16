#include "app/column_list.h"

#include <QByteArray>
#include <QHeaderView>
#include <QList>
#include <QString>
#include <QTreeWidget>
#include <algorithm>
#include <sstream>
#include <vector>

#include "core/column_set.h"
#include "platform/dialog_fonts.h"

using namespace lumo;

int sortColumn = 0;
std::map<int, int> rowOfKey;

namespace {

enum ListColumn { kSignsColumn = 0, kScoreColumn = 1, kIndexColumn = 2 };

constexpr int kCompareLength = 49;

QString SignsText(const CColumn& column) {
    std::ostringstream signs;
    column.WriteText(signs);
    return QString::fromStdString(signs.str());
}

}  // namespace

void SetupColumnList(QTreeWidget& list, const DialogBaseUnits& units) {
    list.setColumnCount(3);
    list.setHeaderLabels({QStringLiteral("P"), QStringLiteral("V"), QStringLiteral("A")});
    QHeaderView* header = list.header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list.setColumnWidth(kSignsColumn, LayoutPixels(180, units));
    list.setColumnWidth(kScoreColumn, LayoutPixels(30, units));
    list.setColumnWidth(kIndexColumn, LayoutPixels(30, units));
}

void FillColumnList(QTreeWidget& list, const CColumnSet& bet) {
    list.clear();
    const std::int32_t rows = std::min(bet.Count(), kMaxListedColumns);
    QList<QTreeWidgetItem*> items;
    items.reserve(rows);
    for (std::int32_t i = 0; i < rows; ++i) {
        const CColumn& column = bet[i];
        auto* item = new QTreeWidgetItem(
            QStringList{SignsText(column), QString::number(column.score), QString::number(i)});
        item->setData(kSignsColumn, Qt::UserRole, i);
        items.append(item);
    }
    list.addTopLevelItems(items);
    list.scrollToTop();
}

int RowKey(const QTreeWidgetItem& row) {
    return row.data(kSignsColumn, Qt::UserRole).toInt();
}

std::vector<int> SelectedRowKeys(const QTreeWidget& list) {
    std::vector<int> keys;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list.topLevelItem(row);
        if (item->isSelected()) {
            keys.push_back(RowKey(*item));
        }
    }
    return keys;
}

int CompareRows(const QTreeWidget& list, int key1, int key2) {
    const auto text = [&list](int key) {
        const QTreeWidgetItem* row = list.topLevelItem(rowOfKey.at(key));
        return row->text(sortColumn).toUtf8().left(kCompareLength);
    };
    // QByteArray compares bytes as unsigned values; t2 before t1 gives the
    // descending order.
    const int order = text(key2).compare(text(key1));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void SortColumnList(QTreeWidget& list, int header) {
    sortColumn = header;
    const int rows = list.topLevelItemCount();
    std::vector<int> keys;
    keys.reserve(static_cast<std::size_t>(rows));
    for (int position = 0; position < rows; ++position) {
        const int key = RowKey(*list.topLevelItem(position));
        rowOfKey[key] = position;
        keys.push_back(key);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [&list](int key1, int key2) { return CompareRows(list, key1, key2) < 0; });

    // Take the rows out and put them back in the sorted order; taking a row
    // out drops its selection, which goes back with it.
    const QList<QTreeWidgetItem*> selected = list.selectedItems();
    std::vector<QTreeWidgetItem*> rowsByPosition(static_cast<std::size_t>(rows));
    for (int position = rows - 1; position >= 0; --position) {
        rowsByPosition[static_cast<std::size_t>(position)] = list.takeTopLevelItem(position);
    }
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(rows);
    for (const int key : keys) {
        sorted.append(rowsByPosition[static_cast<std::size_t>(rowOfKey.at(key))]);
    }
    list.addTopLevelItems(sorted);
    for (QTreeWidgetItem* row : selected) {
        row->setSelected(true);
    }
}
